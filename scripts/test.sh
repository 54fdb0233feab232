#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: core, editor and
# run-time tests in the release build, then the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests

scripts/build.sh -DTRELLIMENU_TESTS=ON
(cd build && ctest --output-on-failure -j2 --timeout 600)

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTRELLIMENU_SANITIZE=ON \
      -DTRELLIMENU_WITH_UI=OFF -DTRELLIMENU_TESTS=ON >/dev/null
cmake --build build-asan --target core_tests
(cd build-asan && ctest --output-on-failure -j2 -L core)
