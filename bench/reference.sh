#!/usr/bin/env bash
# Sets the imports and `rivez FILE` against the reference floors of ../shared/bench, on its
# generated drawings: one interleaved run, medians, and the ratios the goals are judged by.
# Also how the import grows: its time per MB and its peak memory beyond the shapes it holds.
# usage: bench/reference.sh MB...   (REPEAT=3; BUILD=build/release; DRAWINGS=dir to keep the
#        drawings in, made once per size and kind; REFERENCE=the reference folder;
#        RIVEZ_UP_TO=100, the largest MB that `rivez FILE` is run on)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
reference=${REFERENCE:-$here/../shared/bench}
build=${BUILD:-$here/build/release}
repeat=${REPEAT:-3}
rivez_up_to=${RIVEZ_UP_TO:-100}
drawings=${DRAWINGS:-$(mktemp -d)}
[ $# -gt 0 ] || { echo "usage: reference.sh MB..." >&2; exit 2; }
[ -d "$reference" ] || { echo "no reference floors at $reference (set REFERENCE)" >&2; exit 2; }

# The reference programs, built as its README says.
bin=$drawings/bin
mkdir -p "$bin"
for program in floor hpgl_floor timed; do
  [ -x "$bin/$program" ] || g++ -O2 -std=c++17 -o "$bin/$program" "$reference/$program.cpp"
done

results=$(mktemp)
trap 'rm -f "$results"' EXIT
# run LABEL CMD... FILE: one timed run; its wall seconds, peak RSS in MB and the MB of shapes the
# program says it held (0 when it says none) appended under LABEL. The file is read just before,
# so that every command reads it warm: a virtual machine's page cache may let go of it within
# seconds, and a run that reads from the disk times the disk.
run() {
  local label=$1 out
  shift
  cat "${@: -1}" >/dev/null
  out=$("$bin/timed" "$@" 2>&1)
  awk -v l="$label" '/wall_us=/ { split($0, f, /wall_us=| rss_kb=| rc=/); wall = f[2] / 1e6; rss = f[3] / 1024 }
    / shapes MB / { split($0, g, / shapes MB /); split(g[2], h, " "); held = h[1] }
    END { print l, wall, rss, held + 0 }' <<<"$out" >>"$results"
}
# median LABEL [FIELD]: the median of a field (2 wall, 3 RSS, 4 shapes) of LABEL's runs.
median() { awk -v l="$1" -v c="${2:-2}" '$1 == l { print $c }' "$results" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

rows=()
for mb in "$@"; do
  for kind in r12 r2000 die hpgl; do
    file=$drawings/$kind-$mb.dat
    [ -e "$file" ] || python3 "$reference/gen_big.py" "$kind" "$mb" "$file" >/dev/null
    points=$(python3 -c "import json, sys; print(json.load(open(sys.argv[1]))['shape_points_est'])" "$file.json")
    case $kind in hpgl) importer=plt ;; die) importer=die ;; *) importer=dxf ;; esac
    rows+=("$kind $mb $importer $points")
  done
done
# The memory the shapes hold is summed in a run of its own, as asking the allocator for the size
# of every block would add to the import's time.
for row in "${rows[@]}"; do
  read -r kind mb importer points <<<"$row"
  run "$kind-$mb-held" "$build/bench/rvz_import" --held "$importer" "$drawings/$kind-$mb.dat"
done
for ((r = 0; r < repeat; ++r)); do
  for row in "${rows[@]}"; do
    read -r kind mb importer points <<<"$row"
    file=$drawings/$kind-$mb.dat
    if [ "$importer" = plt ]; then
      run "$kind-$mb-floor" "$bin/hpgl_floor" "$file"
    else
      run "$kind-$mb-floor" "$bin/floor" --out-points "$points" "$file"
    fi
    run "$kind-$mb-import" "$build/bench/rvz_import" "$importer" "$file"
    [ "$mb" -gt "$rivez_up_to" ] || run "$kind-$mb-rivez" "$build/tools/rivez/rivez" --importer "$importer" "$file"
  done
done

# table TITLE HEAD RULE ROW: a table with a line per drawing; ROW is awk that prints it from k, mb
# and i (drawing, MB, importer) and the medians f, t, s (floor, import, rivez; wall seconds), rss
# and held (the peak RSS of the import that sums its shapes, and the shapes it held, MB).
table() {
  printf '%s\n\n%s\n%s\n' "$1" "$2" "$3"
  for row in "${rows[@]}"; do
    read -r kind mb importer points <<<"$row"
    local label=$kind-$mb
    awk -v k="$kind" -v mb="$mb" -v i="$importer" -v f="$(median "$label-floor")" \
      -v t="$(median "$label-import")" -v s="$(median "$label-rivez")" \
      -v rss="$(median "$label-held" 3)" -v held="$(median "$label-held" 4)" "BEGIN { $4 }"
  done
}
table "Medians of $repeat interleaved runs (wall seconds, whole processes)" \
  "| drawing | MB | importer | import alone | floor+out (HPGL: floor) | import / floor | \`rivez FILE\` | rivez / import |" \
  "| --- | --: | --- | --: | --: | --: | --: | --: |" '
    rivez = s == "" ? "| - | -" : sprintf("| %.3f s | %.2f", s, s / t)
    printf "| %s | %s | %s | %.3f s | %.3f s | %.2f %s |\n", k, mb, i, t, f, t / f, rivez'
echo
table "How the import grows (time from the same runs; memory from a run that sums the shapes)" \
  "| drawing | MB | import per MB | peak RSS | shapes held | RSS beyond the shapes |" \
  "| --- | --: | --: | --: | --: | --: |" '
    printf "| %s | %s | %.2f ms | %.1f MB | %.1f MB | %.1f MB |\n", k, mb, 1000 * t / mb, rss, held, rss - held'
