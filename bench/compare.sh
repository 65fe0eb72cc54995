#!/usr/bin/env bash
# Times the importers against the floors and the peers on one file, interleaved and repeated.
# usage: bench/compare.sh FILE   (REPEAT=5, BENCH_DIR=build/release/bench by default;
#        MIMALLOC=1 adds the importers once more with Debian's libmimalloc preloaded)
set -euo pipefail
file=${1:?usage: compare.sh FILE}
repeat=${REPEAT:-5}
bin=${BENCH_DIR:-$(cd "$(dirname "$0")/.." && pwd)/build/release/bench}
mimalloc=/usr/lib/x86_64-linux-gnu/libmimalloc.so.2
[ -x /usr/bin/time ] || { echo "needs GNU time (/usr/bin/time, package time)" >&2; exit 1; }

names=() commands=()
add() { names+=("$1"); commands+=("$2"); }
# An importer, and with MIMALLOC=1 the same with the allocator preloaded.
add_importer() {
  add "$1" "$bin/rvz_import --held $2 $file"
  if [ "${MIMALLOC:-0}" = 1 ] && [ -e "$mimalloc" ]; then
    add "$1 + mimalloc" "env LD_PRELOAD=$mimalloc $bin/rvz_import --held $2 $file"
  fi
}
# A peer program, when it is there.
add_peer() {
  if [ -x "${2%% *}" ]; then add "$1" "$2"; else echo "$1 peer not built or installed: skipped" >&2; fi
}
add "floor" "$bin/rvz_floor $file"
case "${file,,}" in
*.plt | *.hpgl | *.hgl | *.hpg)
  add_importer "CKVPlt::Read" plt
  # hp2xx must write some format; its HPGL output to /dev/null is the least extra work.
  add_peer "hp2xx" "$(command -v hp2xx || echo /nonexistent) -q -m hpgl -f /dev/null $file"
  ;;
*)
  add "floor with points" "$bin/rvz_floor_points $file"
  add_importer "CKVDxf::Read" dxf
  add_importer "CKVDieDxf::ReadData" die
  add_peer "dxflib" "$bin/rvz_dxflib $file"
  add_peer "libdime" "$bin/rvz_dime $file"
  ;;
esac

results=$(mktemp)
trap 'rm -f "$results" "$results.one" "$results.out"' EXIT
for ((r = 0; r < repeat; ++r)); do
  for i in "${!names[@]}"; do
    # Importers not built yet exit 3, peers that cannot read the file fail: no row for them.
    # Wall time to the millisecond from the shell's clock; GNU time gives the peak RSS.
    start=$EPOCHREALTIME
    if /usr/bin/time -f "%M" -o "$results.one" ${commands[$i]} >"$results.out" 2>&1; then
      wall=$(awk -v a="$start" -v b="$EPOCHREALTIME" 'BEGIN { printf "%.3f", b - a }')
      # The importer host says what its shapes held and how long the importer's calls took.
      shapes=$(sed -n 's/.*shapes MB \([0-9.]*\).*/\1/p' "$results.out")
      read=$(sed -n 's/.*read s \([0-9.]*\).*/\1/p' "$results.out")
      echo "$i $wall $(cat "$results.one") ${shapes:--} ${read:--}" >>"$results"
    fi
  done
done

mb=$(awk -v b="$(stat -c %s "$file")" 'BEGIN { printf "%.1f", b / 1048576 }')
echo "File: $file ($mb MB), median of $repeat interleaved runs"
echo
echo "| reader | wall s | read s | MB/s | peak RSS MB | shapes MB | RSS - shapes MB | time / floor | time / floor with points |"
echo "| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: |"
column() { awk -v i="$1" -v c="$2" '$1 == i { print $c }' "$results" | sort -n; }
median() { awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
floor="" floorPoints=""
for i in "${!names[@]}"; do
  [ -n "$(column "$i" 2)" ] || continue
  set -- "$(column "$i" 2 | median)" "$(column "$i" 3 | median)" "$(column "$i" 5 | median)"
  [ -n "$floor" ] || floor=$1
  [ "${names[$i]}" != "floor with points" ] || floorPoints=$1
  shapes=$(awk -v i="$i" '$1 == i { print $4; exit }' "$results")
  awk -v n="${names[$i]}" -v t="$1" -v rss="$2" -v read="$3" -v s="$shapes" -v mb="$mb" \
    -v f="$floor" -v fp="$floorPoints" 'BEGIN {
    if (t < 0.001) t = 0.001
    held = s == "-" ? "-" : sprintf("%.1f", s); over = s == "-" ? "-" : sprintf("%.1f", rss / 1024 - s)
    toPoints = fp == "" ? "-" : sprintf("%.2f", t / fp)
    printf "| %s | %.3f | %s | %.0f | %.1f | %s | %s | %.2f | %s |\n", n, t, read, mb / t,
      rss / 1024, held, over, t / f, toPoints }'
done
