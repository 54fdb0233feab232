#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor. Arguments go to the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh -DTRELLIMENU_TESTS=OFF
exec build/bin/trellimenu "$@"
