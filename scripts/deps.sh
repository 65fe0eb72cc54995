#!/usr/bin/env bash
# Installs the Debian packages the build, tests and tools need, when they are missing.
set -euo pipefail

RIVEZ_PACKAGES=(cmake g++ clang libclang-rt-14-dev libgtest-dev libbenchmark-dev
  nlohmann-json3-dev libcli11-dev librsvg2-bin libxml2-utils libpng-dev libdxflib-dev time
  libdime-dev hp2xx libmimalloc-dev)

missing=()
for pkg in "${RIVEZ_PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages. Run: sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -qq
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
