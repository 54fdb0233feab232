#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: core, editor and
# run-time tests in the release build, the core and command-line tests built
# for Windows under Wine, then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests

scripts/build.sh -DTRELLIMENU_TESTS=ON
(cd build && ctest --output-on-failure -j2 --timeout 600)

# The core and the command-line tool built for Windows, their tests under
# Wine; skipped with the reason (status 77) where the tools cannot be had.
status=0
scripts/test-windows.sh || status=$?
if [ "$status" -eq 77 ]; then
  echo "The windows label was skipped (see above)."
elif [ "$status" -ne 0 ]; then
  exit "$status"
fi

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRELLIMENU_SANITIZE=ON \
      -DTRELLIMENU_WITH_UI=OFF -DTRELLIMENU_TESTS=ON >/dev/null
cmake --build build-asan --target core_tests
(cd build-asan && ctest --output-on-failure -j2 -L core)
