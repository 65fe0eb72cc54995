#!/usr/bin/env bash
# Builds and runs the whole test suite: Release, then under the sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --workflow --preset release
cmake --workflow --preset asan
