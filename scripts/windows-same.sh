#!/usr/bin/env bash
# Reads every corpus file with each importer that applies, with rivez on Linux and rivez.exe
# under Wine, and compares the JSON byte for byte. Every difference must be explained by one of
# the platform rules in docs/windows.md; the census must account for every entity on Windows
# too. Prints the count of files per rule; fails on any unexplained difference.
#   scripts/windows-same.sh [LINUX_RIVEZ [WINDOWS_RIVEZ_EXE]]
# The corpus is $RIVEZ_CORPUS, else ../shared/corpus beside the source tree; without one the
# script skips, or fails when RIVEZ_REQUIRE_CORPUS=1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
linux=$(realpath "${1:-$root/build/release/tools/rivez/rivez}")
windows=$(realpath "${2:-$root/build/windows/bin/rivez.exe}")
corpus=${RIVEZ_CORPUS:-$root/../shared/corpus}
if [ ! -d "$corpus/dxf" ] && [ ! -d "$corpus/plt" ]; then
  echo "windows-same: skipped, no corpus at $corpus (set RIVEZ_CORPUS)"
  [ "${RIVEZ_REQUIRE_CORPUS:-}" != 1 ] || exit 1 # CI requires one
  exit 0
fi
corpus=$(cd "$corpus" && pwd)
export WINEDEBUG=-all
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One process per importer and system: Wine costs seconds to start. Relative names keep the
# Windows command line short.
run() { # importer folder pattern
  local files=()
  mapfile -t files < <(cd "$corpus/$2" && ls | grep -iE "$3" | LC_ALL=C sort)
  [ ${#files[@]} -gt 0 ] || return 0
  printf '%s\n' "${files[@]/#/$2/}" >"$work/$1.files"
  (cd "$corpus/$2" && "$linux" --importer "$1" --format json "${files[@]}") >"$work/$1.linux"
  (cd "$corpus/$2" && wine "$windows" --importer "$1" --format json "${files[@]}") >"$work/$1.windows"
  (cd "$corpus/$2" && wine "$windows" --importer "$1" --format explain-json "${files[@]}") >"$work/$1.explain"
}
run dxf dxf '\.dxf$'
run die dxf '\.dxf$'
run plt plt '.'

/usr/bin/python3 "$root/scripts/windows_rules.py" "$linux" "$corpus" "$work"
