#!/usr/bin/env bash
# Times the importers against the floor and the dxflib peer on one file, interleaved and repeated.
# usage: bench/compare.sh FILE   (REPEAT=5, BENCH_DIR=build/release/bench by default)
set -euo pipefail
file=${1:?usage: compare.sh FILE}
repeat=${REPEAT:-5}
bin=${BENCH_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build/release/bench}
[ -x /usr/bin/time ] || { echo "needs GNU time (/usr/bin/time, package time)" >&2; exit 1; }

names=("floor")
commands=("$bin/rvz_floor $file")
add() { names+=("$1"); commands+=("$2"); }
case "${file,,}" in
*.plt | *.hpgl | *.hgl)
  add "CKVPlt::Read" "$bin/rvz_import plt $file"
  ;;
*)
  add "CKVDxf::Read" "$bin/rvz_import dxf $file"
  add "CKVDieDxf::ReadData" "$bin/rvz_import die $file"
  if [ -x "$bin/rvz_dxflib" ]; then
    add "dxflib" "$bin/rvz_dxflib $file"
  else
    echo "dxflib peer not built (libdxflib-dev missing): skipped" >&2
  fi
  ;;
esac

results=$(mktemp)
trap 'rm -f "$results"' EXIT
for ((r = 0; r < repeat; ++r)); do
  for i in "${!names[@]}"; do
    # Importers not built yet exit 3; their row is left out.
    if /usr/bin/time -f "%e %M" -o "$results.one" ${commands[$i]} >"$results.out" 2>&1; then
      # The importer host says how much heap its shapes held; the others print no such line.
      shapes=$(sed -n 's/.*shapes MB \([0-9.]*\).*/\1/p' "$results.out")
      echo "$i $(cat "$results.one") ${shapes:--}" >>"$results"
    fi
  done
done
rm -f "$results.one" "$results.out"

mb=$(awk -v b="$(stat -c %s "$file")" 'BEGIN { printf "%.1f", b / 1048576 }')
echo "File: $file ($mb MB), median of $repeat interleaved runs"
echo
echo "| reader | wall s | MB/s | peak RSS MB | shapes MB | RSS - shapes MB | time / first row | MB/s / first row |"
echo "| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: |"
median() { echo "$1" | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
first=""
for i in "${!names[@]}"; do
  times=$(awk -v i="$i" -v c=2 '$1 == i { print $c }' "$results" | sort -n)
  [ -n "$times" ] || continue
  rss=$(awk -v i="$i" -v c=3 '$1 == i { print $c }' "$results" | sort -n)
  shapes=$(awk -v i="$i" '$1 == i { print $4; exit }' "$results")
  set -- "$(median "$times")" "$(median "$rss")"
  [ -n "$first" ] || first=$1
  awk -v n="${names[$i]}" -v t="$1" -v rss="$2" -v s="$shapes" -v mb="$mb" -v f="$first" 'BEGIN {
    if (t < 0.01) t = 0.01; if (f < 0.01) f = 0.01
    held = s == "-" ? "-" : sprintf("%.1f", s); over = s == "-" ? "-" : sprintf("%.1f", rss / 1024 - s)
    printf "| %s | %.2f | %.0f | %.1f | %s | %s | %.2f | %.2f |\n", n, t, mb / t, rss / 1024, held, over, t / f, f / t }'
done
