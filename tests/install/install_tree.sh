#!/usr/bin/env bash
# Installs the build into a temporary prefix, makes it read-only, and runs the
# installed programs with a fresh home: they must work with a per-user
# program folder and leave the installation untouched.
# Usage: install_tree.sh BUILD_DIR SOURCE_DIR [EDITOR_PROGRAM]
set -uo pipefail
. "$(dirname "$0")/common.sh"
build=$1 source=$2 editor=${3:-}
prefix="$scratch/prefix"

cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1 || { cat "$scratch/install.log"; exit 1; }

share="$prefix/share"
for f in bin/trellimenu-cli share/trellimenu/help/index.html share/trellimenu/help/getting_started.htm \
         share/trellimenu/tmzparams.js share/trellimenu/arrow_normal.gif share/trellimenu/samples/index.html \
         share/applications/trellimenu.desktop share/mime/packages/trellimenu.xml \
         share/icons/hicolor/scalable/apps/trellimenu.svg share/icons/hicolor/48x48/apps/trellimenu.png; do
  expect_file "$prefix/$f"
done
[ -z "$editor" ] || expect_file "$prefix/bin/$editor"
[ "$(ls "$share"/trellimenu/templates/*.tmz 2>/dev/null | wc -l)" -ge 6 ] || fail "templates not installed"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/trellimenu.desktop" || fail "desktop entry does not validate"
fi
grep -q '^MimeType=application/x-trellimenu-project;' "$share/applications/trellimenu.desktop" ||
  fail "desktop entry does not open project files"
grep -q 'glob pattern="\*.tmz"' "$share/mime/packages/trellimenu.xml" || fail "MIME type does not claim *.tmz"

chmod -R a-w "$prefix"
touch "$scratch/installed"
sleep 1

export HOME="$scratch/home" XDG_DATA_HOME="$scratch/home/data" XDG_CONFIG_HOME="$scratch/home/config"
mkdir -p "$HOME" "$scratch/work"
cp "$source/data/templates/Classic Blue.tmz" "$scratch/work/menu.tmz"
"$prefix/bin/trellimenu-cli" publish "$scratch/work/menu.tmz" || fail "installed trellimenu-cli cannot publish"
expect_published "$scratch/work" menu
user_folder="$XDG_DATA_HOME/Varn/Trellimenu 2006"
expect_file "$user_folder/tmzparams.js"
expect_file "$user_folder/help/index.html"

if [ -n "$editor" ]; then
  # The editor runs until it is stopped; ending by the timeout means it started.
  QT_QPA_PLATFORM=offscreen timeout 5 "$prefix/bin/$editor" "$scratch/work/menu.tmz" >"$scratch/editor.log" 2>&1
  rc=$?
  [ "$rc" -eq 124 ] || fail "installed editor ended with status $rc: $(tail -5 "$scratch/editor.log")"
fi

changed=$(find "$prefix" -newer "$scratch/installed" | head -5)
[ -z "$changed" ] || fail "the programs wrote into the installation: $changed"
finish
