#!/usr/bin/env bash
# Builds and runs the whole test suite: Release, then under the sanitizers, then the Windows
# cross build under Wine with the same answers as on Linux for the corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --workflow --preset release
cmake --workflow --preset asan
cmake --workflow --preset windows
scripts/windows-same.sh
