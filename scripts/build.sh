#!/usr/bin/env bash
# Configures and builds one build tree. Usage: scripts/build.sh DIR [CMAKE OPTIONS...]
set -euo pipefail
cd "$(dirname "$0")/.."
dir=$1; shift
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
# Two cores: keep the build lean so that tests and the editor stay responsive.
cmake --build "$dir" --parallel 2
