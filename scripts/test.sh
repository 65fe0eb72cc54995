#!/usr/bin/env bash
# Builds and runs the whole test suite: Release, then under the sanitizers, then the Windows
# cross build under Wine with the same answers as on Linux for the corpus.
set -euo pipefail
# The tests run in the build folders: a corpus given as a relative path is made absolute first.
[ -z "${RIVEZ_CORPUS:-}" ] || export RIVEZ_CORPUS=$(realpath -m "$RIVEZ_CORPUS")
cd "$(dirname "$0")/.."

scripts/deps.sh
# Release's tests include the Python module's pytest suite, run by Debian's /usr/bin/python3.
cmake --workflow --preset release
cmake --workflow --preset asan
cmake --workflow --preset windows
scripts/windows-same.sh

# The tests of real drawings that were skipped because no corpus was found (their skip message
# names RIVEZ_CORPUS), read from each build's test log.
skipped=$(awk '/^[0-9]+\/[0-9]+ Testing: / { test = $3 }
               /no corpus of real drawings/ && test { print test; test = "" }' \
  build/release/Testing/Temporary/LastTest.log build/asan/Testing/Temporary/LastTest.log \
  build/windows/Testing/Temporary/LastTest.log | sort -u)
if [ -n "$skipped" ]; then
  echo
  echo "Skipped for want of a corpus of real drawings (a folder with dxf/ and plt/):"
  sed 's/^/  /' <<<"$skipped"
  echo "To run them: RIVEZ_CORPUS=/path/to/corpus scripts/test.sh (or put it at ../shared/corpus)."
fi
