#!/usr/bin/env bash
# Installs whatever this machine still lacks to build, run and test Trellimenu
# (Debian, as root). Cheap when everything is already there.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++ pkg-config ccache qt6-base-dev qt6-base-dev-tools qt6-webengine-dev libgl-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth fonts-dejavu-core)
if [ "${1:-}" = "--tests" ]; then
  packages+=(chromium firefox-esr openbox xdotool x11-utils clang libclang-rt-dev dpkg-dev file desktop-file-utils)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
command -v node >/dev/null 2>&1 && command -v npm >/dev/null 2>&1 || missing+=(nodejs npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The Windows build of the core and the command-line tool, tested under Wine:
# tried on its own, so that a machine without them still runs everything
# else (scripts/test.sh then says why the Windows tests were skipped).
if [ "${1:-}" = "--tests" ]; then
  windows=()
  for p in g++-mingw-w64-x86-64-posix wine64 wine googletest; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || windows+=("$p")
  done
  if [ ${#windows[@]} -gt 0 ]; then
    echo "Installing for the Windows tests: ${windows[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq || true
    apt-get install -y -qq --no-install-recommends "${windows[@]}" ||
      echo "Could not install ${windows[*]}: the Windows tests will be skipped" >&2
  fi
fi

# Node packages of the run-time engine's build and tests, from the lock files;
# again when a lock file has changed since they were installed.
for dir in runtime tests/runtime bench/runtime; do
  if [ -f "$dir/package-lock.json" ] && { [ ! -d "$dir/node_modules" ] ||
       [ "$dir/package-lock.json" -nt "$dir/node_modules/.package-lock.json" ]; }; then
    (cd "$dir" && npm ci --no-audit --no-fund --loglevel=error)
  fi
done
