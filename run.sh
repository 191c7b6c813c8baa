#!/usr/bin/env bash
# Installs what is missing, builds, and checks the demo project with the headless tool.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh build
exec build/src/cli/velk check examples/demo/scr.txt
