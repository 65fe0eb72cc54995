#!/usr/bin/env bash
# Installs the Debian packages RIVEzozer needs, when they are missing.
#   scripts/deps.sh demo   what building the library and rivez needs (scripts/demo.sh)
#   scripts/deps.sh        that and what the tests, fuzzing, benchmarks and pictures add
set -euo pipefail

RIVEZ_DEMO_PACKAGES=(cmake g++ nlohmann-json3-dev libcli11-dev libgeos-dev pkg-config)
RIVEZ_TEST_PACKAGES=(clang libclang-rt-14-dev libgtest-dev libbenchmark-dev librsvg2-bin
  libxml2-utils libpng-dev libdxflib-dev time chromium libdime-dev hp2xx libmimalloc-dev
  locales)
# The Python module (tools/python): its build, tests, Dask example and benchmark peer.
RIVEZ_TEST_PACKAGES+=(python3-dev python3-pybind11 python3-numpy python3-pytest python3-dask
  python3-pandas python3-setuptools python3-pip python3-venv python3-ezdxf)
# The Windows cross build and its tests under Wine.
RIVEZ_WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 wine wine64 googletest)

wanted=("${RIVEZ_DEMO_PACKAGES[@]}")
if [ "${1:-}" != demo ]; then
  wanted+=("${RIVEZ_TEST_PACKAGES[@]}" "${RIVEZ_WINDOWS_PACKAGES[@]}")
fi
missing=()
for pkg in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages. Run: sudo apt-get install -y ${missing[*]}" >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The census test of a decimal-comma locale reads under de_DE.UTF-8; without it, it is skipped.
if [ "${1:-}" != demo ] && [ "$(id -u)" -eq 0 ] && ! locale -a 2>/dev/null | grep -qix 'de_DE.utf8'; then
  sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  locale-gen >/dev/null
fi
