#!/usr/bin/env bash
# Sets the imports and `rivez FILE` against the reference floors of ../shared/bench, on its
# generated drawings: one interleaved run, medians, and the ratios the goals are judged by.
# usage: bench/reference.sh MB...   (REPEAT=3; BUILD=build/release; DRAWINGS=dir to keep the
#        drawings in, made once per size and kind; REFERENCE=the reference folder)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
reference=${REFERENCE:-$here/../shared/bench}
build=${BUILD:-$here/build/release}
repeat=${REPEAT:-3}
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
# run LABEL CMD...: one timed run, its wall seconds appended under LABEL.
run() {
  local label=$1 line
  shift
  line=$("$bin/timed" "$@" 2>&1 >/dev/null | tail -1)
  awk -v l="$label" -v w="${line#*wall_us=}" 'BEGIN { split(w, f, " "); print l, f[1] / 1e6 }' >>"$results"
}
median() { awk -v l="$1" '$1 == l { print $2 }' "$results" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

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
    run "$kind-$mb-rivez" "$build/tools/rivez/rivez" --importer "$importer" "$file"
  done
done

echo "Medians of $repeat interleaved runs (wall seconds, whole processes)"
echo
echo "| drawing | MB | importer | import alone | floor+out (HPGL: floor) | import / floor | \`rivez FILE\` | rivez / import |"
echo "| --- | --: | --- | --: | --: | --: | --: | --: |"
for row in "${rows[@]}"; do
  read -r kind mb importer points <<<"$row"
  awk -v k="$kind" -v mb="$mb" -v i="$importer" -v f="$(median "$kind-$mb-floor")" \
    -v t="$(median "$kind-$mb-import")" -v s="$(median "$kind-$mb-rivez")" 'BEGIN {
    printf "| %s | %s | %s | %.3f s | %.3f s | %.2f | %.3f s | %.2f |\n", k, mb, i, t, f, t / f, s, s / t }'
done
