#!/usr/bin/env bash
# Builds and runs the whole test suite: Release, then under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
# Release's tests include the Python module's pytest suite, run by Debian's /usr/bin/python3.
cmake --workflow --preset release
cmake --workflow --preset asan
