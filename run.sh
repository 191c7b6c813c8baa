#!/usr/bin/env bash
# Installs what is missing, builds, checks the demo project and draws its
# pages with the headless tool into build/demo/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
scripts/build.sh build
velk=build/src/cli/velk
$velk check examples/demo/scr.txt
mkdir -p build/demo
for page in 1 2; do
  $velk render examples/demo/scr.txt --page "$page" --set VELK_RPM=5200 --set ADC.1=3.2 --set DI.1=1 \
    -o "build/demo/page$page.png" 2>/dev/null
  echo "page $page drawn: build/demo/page$page.png"
done
