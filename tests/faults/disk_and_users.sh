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

# --- Another user --------------------------------------------------------
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null; then
  tried=$((tried + 1))
  as_nobody() { HOME="$scratch/nobody-home" setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
  mkdir -p "$scratch/nobody-home" "$scratch/shared"
  chown 65534:65534 "$scratch/nobody-home"
  chmod 777 "$scratch/shared"
  cp "$bin/templates/Classic Blue.tmz" "$scratch/shared/menu.tmz"
  chmod 644 "$scratch/shared/menu.tmz"
  cp "$bin/templates/Ocean Teal.tmz" "$scratch/nobody-home/menu.tmz"
  chown 65534:65534 "$scratch/nobody-home/menu.tmz"
  before=$(checksums "$scratch/shared")

  # The folder may be written, the project in it may not: refused.
  err=$(as_nobody "$cli" publish "$scratch/nobody-home/menu.tmz" --out "$scratch/shared" 2>&1 >/dev/null)
  code=$?
  [ "$code" = 2 ] || fail "replacing another user's file ends with 2, not $code"
  case "$err" in *"Access denied"*) ;; *) fail "the message says why: $err" ;; esac
  [ "$(checksums "$scratch/shared")" = "$before" ] || fail "another user's file was replaced"

  # A program folder the user may not write (this build, run by nobody):
  # the user's own folder is filled from it and the publish works.
  out=$(as_nobody "$cli" publish "$scratch/nobody-home/menu.tmz" 2>&1) || fail "publish from a read-only program folder: $out"
  expect_file "$scratch/nobody-home/menu.html"
  expect_file "$scratch/nobody-home/.local/share/Varn/Trellimenu 2006/tmzmo.js"
else
  echo "SKIP: running as another user needs the administrator's rights and setpriv"
fi

if [ "$tried" = 0 ]; then
  echo "nothing could be tried here"
  exit 77
fi
finish
