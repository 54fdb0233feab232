#!/usr/bin/env bash
# A publish into a file system that fills up, and publishes by a user who may
# not write what is there: each must fail with the file and the reason and
# leave every file as it was.
#   disk_and_users.sh PROGRAM_FOLDER
set -uo pipefail
bin=$1
cli="$bin/trellimenu-cli"
source "$(dirname "$0")/../install/common.sh"
chmod 755 "$scratch"
tried=0

# A project of many items, large enough to fill a small disk.
big_project() {
  local out=$1 template="$bin/templates/Deep Submenus.tmz" line
  sed '/<\/Item_Parameters>/,$d' "$template" > "$out"
  line=$(sed -n '/<Item_Parameters>/{n;p;q}' "$template")
  for i in $(seq 1 3000); do printf '%s\n' "$line"; done >> "$out"
  printf '</Item_Parameters>\r\n' >> "$out"
}

checksums() { (cd "$1" && find . -type f ! -name '.*' -exec sha256sum {} + | sort); }

# --- A full disk ---------------------------------------------------------
disk="$scratch/disk"
mkdir -p "$disk"
if mount -t tmpfs -o size=512k tmpfs "$disk" 2>/dev/null; then
  tried=$((tried + 1))
  cp "$bin/templates/Classic Blue.tmz" "$scratch/small.tmz"
  "$cli" publish "$scratch/small.tmz" --out "$disk/site" >/dev/null 2>&1 || fail "a small publish fits the disk"
  before=$(checksums "$disk/site")
  big_project "$scratch/small.tmz"
  err=$("$cli" publish "$scratch/small.tmz" --out "$disk/site" 2>&1 >/dev/null)
  code=$?
  [ "$code" = 2 ] || fail "a full disk ends with 2, not $code"
  case "$err" in *"Disk full"*) ;; *) fail "the message names the reason: $err" ;; esac
  [ "$(checksums "$disk/site")" = "$before" ] || fail "a full disk changed the published files"
  leftovers=$(find "$disk/site" -name '.~tm*' | wc -l)
  [ "$leftovers" = 0 ] || fail "$leftovers temporary files left on the full disk"
  umount "$disk"
else
  echo "SKIP: cannot mount a small tmpfs here (needs the administrator's rights)"
fi

# --- Other users ---------------------------------------------------------
# The other users run copies of the programs and data of their own, in a
# folder every user may enter: the checkout may lie where they cannot.
other_area() {
  area=$(mktemp -d /tmp/trellimenu-faults.XXXXXX) || return 1
  trap 'chmod -R u+w "$scratch" "$area" 2>/dev/null; rm -rf "$scratch" "$area"' EXIT
  chmod 755 "$area"
  cp -R "$bin" "$area/program" && chmod -R a+rX "$area/program"
}
# An identity as the rename list records it: device:inode:size:mtime in ns.
identity() { stat -c '%d:%i:%s:%.9Y' "$1" | tr -d .; }

if [ "$(id -u)" != 0 ] || ! command -v setpriv >/dev/null; then
  echo "SKIP: running as another user needs the administrator's rights and setpriv"
elif ! other_area; then
  echo "SKIP: no folder under /tmp that other users may enter"
else
  tried=$((tried + 1))
  prog="$area/program"
  ocli="$prog/trellimenu-cli"
  as_user() { local uid=$1; shift; HOME="$area/home-$uid" setpriv --reuid="$uid" --regid="$uid" --clear-groups "$@"; }
  as_nobody() { as_user 65534 "$@"; }
  mkdir -p "$area/home-65534" "$area/home-65533" "$area/shared"
  chown 65534:65534 "$area/home-65534"
  chown 65533:65533 "$area/home-65533"
  as_nobody "$ocli" --version >/dev/null || fail "another user cannot run its copy of the programs"

  chmod 777 "$area/shared"
  cp "$prog/templates/Classic Blue.tmz" "$area/shared/menu.tmz"
  chmod 644 "$area/shared/menu.tmz"
  cp "$prog/templates/Ocean Teal.tmz" "$area/home-65534/menu.tmz"
  chown 65534:65534 "$area/home-65534/menu.tmz"
  before=$(checksums "$area/shared")

  # The folder may be written, the project in it may not: refused.
  err=$(as_nobody "$ocli" publish "$area/home-65534/menu.tmz" --out "$area/shared" 2>&1 >/dev/null)
  code=$?
  [ "$code" = 2 ] || fail "replacing another user's file ends with 2, not $code"
  case "$err" in *"Access denied"*) ;; *) fail "the message says why: $err" ;; esac
  [ "$(checksums "$area/shared")" = "$before" ] || fail "another user's file was replaced"

  # A program folder the user may not write (this build, run by nobody):
  # the user's own folder is filled from it and the publish works.
  out=$(as_nobody "$ocli" publish "$area/home-65534/menu.tmz" 2>&1) || fail "publish from a read-only program folder: $out"
  expect_file "$area/home-65534/menu.html"
  expect_file "$area/home-65534/.local/share/Varn/Trellimenu 2006/tmzmo.js"

  # A shared web folder (sticky, everyone may write) where another user
  # (65533) plants a rename list of the right shape and identities: its
  # temporary files are a link to a file outside and a file of its own.
  web="$area/web" outside="$area/outside"
  mkdir -p "$web" "$outside"
  chmod 1777 "$web"
  printf 'the notes\n' > "$outside/notes.txt"
  cp "$prog/templates/Classic Blue.tmz" "$web/menu.tmz"
  printf 'the home page\n' > "$web/index.html"
  "$ocli" publish "$web/menu.tmz" >/dev/null 2>&1 || fail "the first publish into the web folder"
  as_user 65533 ln -s "$outside/notes.txt" "$web/.~tm11111111.tmp"
  as_user 65533 sh -c "printf 'planted\n' > '$web/.~tm33333333.tmp'"
  list="trellimenu-save\t$(date +%s)\n"
  list+=".~tm11111111.tmp\t.~tm44444444.tmp\ttmzcfg.js\t$(identity "$web/tmzcfg.js")\t$(identity "$web/.~tm11111111.tmp")\n"
  list+=".~tm33333333.tmp\t.~tm55555555.tmp\tindex.html\t$(identity "$web/index.html")\t$(identity "$web/.~tm33333333.tmp")\n"
  as_user 65533 sh -c "printf '${list}commit\n' > '$web/.~tm22222222.jnl'"
  err=$("$ocli" publish "$web/menu.tmz" 2>&1 >/dev/null)
  code=$?
  [ "$code" = 0 ] || fail "a publish beside a planted list ends with $code: $err"
  case "$err" in *'.~tm22222222.jnl'*"left alone"*) ;; *) fail "the planted list is named in a warning: $err" ;; esac
  [ "$(cat "$outside/notes.txt")" = "the notes" ] || fail "a planted list replaced a file outside the folder"
  [ "$(cat "$web/index.html")" = "the home page" ] || fail "a planted list replaced a file that is no target"
  [ ! -L "$web/tmzcfg.js" ] || fail "a planted list put a link among the targets"
  for planted in .~tm11111111.tmp .~tm33333333.tmp .~tm22222222.jnl; do
    [ -e "$web/$planted" ] || [ -L "$web/$planted" ] || fail "the other user's $planted was removed"
  done

  # Links the other user plants in place of targets: one to a file outside,
  # one to a file that does not exist yet. Both are refused by name.
  web2="$area/web2"
  mkdir -p "$web2"
  chmod 1777 "$web2"
  cp "$prog/templates/Classic Blue.tmz" "$web2/menu.tmz"
  for target in menu.html tmzcfg.js; do
    [ "$target" = menu.html ] && points="$outside/zz-menu" || points="$outside/notes.txt"
    as_user 65533 ln -s "$points" "$web2/$target"
    err=$("$ocli" publish "$web2/menu.tmz" 2>&1 >/dev/null)
    code=$?
    [ "$code" = 2 ] || fail "a planted link $target ends with $code"
    case "$err" in *"$web2/$target"*"belongs to another user"*) ;; *) fail "the message names the link: $err" ;; esac
    rm "$web2/$target"
  done
  [ "$(cat "$outside/notes.txt")" = "the notes" ] || fail "a planted link replaced a file outside the folder"
  [ ! -e "$outside/zz-menu" ] || fail "a planted dangling link created a file outside the folder"
  [ -z "$(ls -A "$outside" | grep -v '^notes.txt$')" ] || fail "files appeared outside: $(ls -A "$outside")"

  # A folder its user may write but not list: nothing but the targets stays.
  wo="$area/write-only"
  mkdir -p "$wo"
  chown 65534:65534 "$wo"
  chmod 333 "$wo"
  out=$(as_nobody "$ocli" publish "$area/home-65534/menu.tmz" --out "$wo" 2>&1) || fail "publish into a write-only folder: $out"
  extra=$(ls -A "$wo" | grep -v -x -e menu.html -e menu.tmz -e menu_PublishReport.txt -e 'tmz.*\.js' -e 'arrow_.*\.gif')
  [ -z "$extra" ] || fail "a write-only folder keeps files beyond its targets: $extra"
  expect_published "$wo" menu
fi

if [ "$tried" = 0 ]; then
  echo "nothing could be tried here"
  exit 77
fi
finish
