#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
options=()
[ "${CI:-}" = true ] && options+=(-DVELK_WERROR=ON)
scripts/build.sh build "${options[@]}"
ctest --test-dir build --output-on-failure --parallel 2
