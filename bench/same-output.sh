#!/usr/bin/env bash
# Shows that two builds import alike: `rivez --format json` of both, byte for byte, with the
# exit status, on every corpus file (DXF files through the dxf and die importers, plotter files
# through plt) and on generated drawings of all three kinds and several seeds.
# usage: bench/same-output.sh BASE_BUILD NEW_BUILD   (build folders holding tools/rivez/rivez)
set -euo pipefail
base=${1:?usage: same-output.sh BASE_BUILD NEW_BUILD}/tools/rivez/rivez
new=${2:?usage: same-output.sh BASE_BUILD NEW_BUILD}/tools/rivez/rivez
generator=$2/bench/rvz_gen
source "$(dirname "$0")/../tests/support/corpus.sh"
corpus=$(RIVEZ_REQUIRE_CORPUS=1 corpus_folder "$(dirname "$0")/..")
for program in "$base" "$new" "$generator"; do
  [ -x "$program" ] || { echo "not built: $program" >&2; exit 2; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
compared=0 differing=0
# compare IMPORTER FILE: one import through both builds.
compare() {
  local status_base=0 status_new=0
  "$base" --importer "$1" --format json "$2" >"$work/base.json" 2>/dev/null || status_base=$?
  "$new" --importer "$1" --format json "$2" >"$work/new.json" 2>/dev/null || status_new=$?
  compared=$((compared + 1))
  if [ "$status_base" != "$status_new" ] || ! cmp -s "$work/base.json" "$work/new.json"; then
    differing=$((differing + 1))
    echo "differs: --importer $1 $2 (exit $status_base, $status_new)"
  fi
}

for file in "$corpus"/dxf/*; do
  compare dxf "$file"
  compare die "$file"
done
for file in "$corpus"/plt/*; do
  compare plt "$file"
done
for seed in 1 2 3; do
  for kind in dxf r12 die plt; do
    "$generator" "$kind" 4 "$seed" "$work/generated.$kind"
    [ "$kind" = plt ] && importers=(plt) || importers=(dxf die)
    for importer in "${importers[@]}"; do
      compare "$importer" "$work/generated.$kind"
    done
  done
done
echo "$compared imports compared, $differing differ"
[ "$differing" -eq 0 ]
