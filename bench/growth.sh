#!/usr/bin/env bash
# How time and memory grow with the file: one importer on generated files of two sizes, run
# interleaved and repeated; prints the medians, the time ratio and the RSS beyond the shapes.
# usage: bench/growth.sh dxf|r12|die|plt [SMALL_MB LARGE_MB]   (REPEAT=3, BENCH_DIR as compare.sh)
set -euo pipefail
kind=${1:?usage: growth.sh dxf|r12|die|plt [SMALL_MB LARGE_MB]}
small=${2:-100} large=${3:-400} repeat=${REPEAT:-3}
bin=${BENCH_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build/release/bench}
case "$kind" in dxf | r12) importer=dxf ;; *) importer=$kind ;; esac

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for size in "$small" "$large"; do
  "$bin/rvz_gen" "$kind" "$size" 1 "$work/$size.$kind"
done
for ((r = 0; r < repeat; ++r)); do
  for size in "$small" "$large"; do
    /usr/bin/time -f "%e %M" -o "$work/one" "$bin/rvz_import" --held "$importer" "$work/$size.$kind" >"$work/out"
    shapes=$(sed -n 's/.*shapes MB \([0-9.]*\).*/\1/p' "$work/out")
    echo "$size $(cat "$work/one") $shapes" >>"$work/runs"
  done
done
median() { awk -v s="$1" -v c="$2" '$1 == s { print $c }' "$work/runs" | sort -n |
  awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for size in "$small" "$large"; do
  awk -v s="$size" -v t="$(median "$size" 2)" -v rss="$(median "$size" 3)" -v held="$(median "$size" 4)" \
    'BEGIN { printf "%s MB: %.2f s, peak RSS %.1f MB, shapes %.1f MB, beyond the shapes %.1f MB\n",
             s, t, rss / 1024, held, rss / 1024 - held }'
done
awk -v a="$(median "$small" 2)" -v b="$(median "$large" 2)" -v k="$kind" -v s="$small" -v l="$large" \
  'BEGIN { printf "%s: %s MB take %.2fx the time of %s MB\n", k, l, b / a, s }'
