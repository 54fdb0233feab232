#!/usr/bin/env bash
# The editor built without Qt WebEngine (-DTRELLIMENU_WITH_WEBENGINE=OFF): the
# tree configures and builds, the editor links no part of the browser, and
# the core, editor and command-line tests pass there (the editor's test of
# its menus finds no Live Preview item). The tree is kept, so later runs
# build only what changed.
# Usage: without_webengine.sh SOURCE_DIR TREE_DIR
set -euo pipefail
src=$1 tree=$2
mkdir -p "$tree"
log="$tree/without_webengine.log"
step() {
  echo "== $*"
  "$@" >"$log" 2>&1 || { tail -n 60 "$log"; echo "FAILED: $*"; exit 1; }
}
step cmake -S "$src" -B "$tree" -G Ninja -DTRELLIMENU_WITH_WEBENGINE=OFF -DTRELLIMENU_TESTS=ON
step cmake --build "$tree"
if ldd "$tree/bin/trellimenu" | grep -q WebEngine; then
  echo "FAILED: the editor links Qt WebEngine: $(ldd "$tree/bin/trellimenu" | grep WebEngine)"
  exit 1
fi
cd "$tree"
ctest -j2 -L 'core|ui|cli' --output-on-failure >"$log" 2>&1 || { cat "$log"; exit 1; }
tail -n 3 "$log"
