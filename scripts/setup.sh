#!/usr/bin/env bash
# Installs the Debian packages that building and testing Velk7 need, and only
# those that are missing. Both README commands run it first.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config ccache
  qt6-base-dev libqscintilla2-qt6-dev
  libpng-dev zlib1g-dev
  libgtest-dev libbenchmark-dev
  xvfb fonts-dejavu-core
)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "setup: installing ${missing[*]}" >&2
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
