#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks what it holds and
# what it needs; dpkg's dry run tells whether this machine could install it.
# Usage: debian_package.sh BUILD_DIR [EDITOR_PROGRAM]
set -uo pipefail
. "$(dirname "$0")/common.sh"
build=$1 editor=${2:-}

if ! command -v dpkg-deb >/dev/null; then
  echo "dpkg-deb not found: not a Debian system, nothing to check"
  exit 0
fi
(cd "$scratch" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/pkg" >"$scratch/cpack.log" 2>&1) ||
  { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/pkg/*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { fail "no package written"; finish; }

dpkg-deb -c "$deb" >"$scratch/contents"
for f in ./usr/bin/trellimenu-cli ./usr/share/applications/trellimenu.desktop ./usr/share/mime/packages/trellimenu.xml \
         ./usr/share/icons/hicolor/scalable/apps/trellimenu.svg ./usr/share/trellimenu/help/index.html \
         ./usr/share/trellimenu/tmzparams.js; do
  grep -q " $f\$" "$scratch/contents" || fail "package lacks $f"
done
[ -z "$editor" ] || grep -q " ./usr/bin/$editor\$" "$scratch/contents" || fail "package lacks the editor"

depends=$(dpkg-deb -f "$deb" Depends)
if [ -n "$editor" ]; then
  libs="libqt6widgets6 qt6-qpa-plugins"
  # The live preview: the browser's library and the helper program it starts.
  grep -q '^TRELLIMENU_WITH_WEBENGINE:BOOL=ON' "$build/CMakeCache.txt" &&
    libs="$libs libqt6webenginewidgets6 libqt6webenginecore6-bin"
  for lib in $libs; do
    echo "$depends" | grep -q "$lib" || fail "package does not depend on $lib: $depends"
  done
fi
if [ "$(id -u)" -eq 0 ]; then
  dpkg --dry-run -i "$deb" >"$scratch/dryrun" 2>&1 || fail "dpkg would not install it: $(cat "$scratch/dryrun")"
fi
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB; Depends: $depends"
finish
