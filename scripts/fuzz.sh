#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for SECONDS (default 60), two at a time.
# usage: scripts/fuzz.sh [TARGET ...]
#        (targets: DxfRead DxfStaged DieRead PltRead Bulge Curves Census)
# Each target keeps its growing corpus in build/fuzz/corpus/TARGET; a finding is written to
# build/fuzz/findings/ and makes the script fail. Copy it to tests/reliability/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${SECONDS_PER_TARGET:-60}
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(DxfRead DxfStaged DieRead PltRead Bulge Curves Census)

scripts/deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

source tests/support/corpus.sh
shared_corpus=$(corpus_folder "$root")
shopt -s nullglob
seed_files() { # the files a target starts from, besides its own corpus
  local files=() patterns=()
  case $1 in
  Dxf* | Die*)
    files=(fuzz/seeds/dxf/* examples/*.dxf examples/die/*.dxf tests/reliability/findings/*.dxf)
    patterns=(-iname '*.dxf')
    ;;
  Plt*)
    files=(fuzz/seeds/plt/* examples/*.plt tests/reliability/findings/*.plt)
    patterns=(-iname '*.plt' -o -iname '*.hpgl' -o -iname '*.hgl')
    ;;
  Census)
    files=(fuzz/seeds/dxf/* fuzz/seeds/plt/* examples/*.dxf examples/*.plt)
    patterns=(-iname '*.dxf' -o -iname '*.plt' -o -iname '*.hpgl' -o -iname '*.hgl')
    ;;
  *) return 0 ;;
  esac
  printf '%s\n' "${files[@]}"
  if [ -n "$shared_corpus" ]; then find "$shared_corpus" -type f \( "${patterns[@]}" \); fi
}
options_for() { # the dictionary and input length a target fuzzes with
  case $1 in
  Dxf* | Die* | Census) echo "-dict=$root/fuzz/dict/dxf.dict -max_len=32768" ;;
  Plt*) echo "-dict=$root/fuzz/dict/plt.dict -max_len=32768" ;;
  *) echo "-max_len=4096" ;;
  esac
}

findings=$root/build/fuzz/findings
mkdir -p "$findings"
run() {
  local target=$1 corpus=$root/build/fuzz/corpus/$1 log=$root/build/fuzz/$1.log
  mkdir -p "$corpus"
  seed_files "$target" | while read -r f; do cp "$f" "$corpus/"; done
  # shellcheck disable=SC2046
  if (cd "$findings" && "$root/build/fuzz/fuzz/fuzz_$target" "$corpus" $(options_for "$target") \
      -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$findings/$target-" >"$log" 2>&1); then
    echo "$target: $(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | awk '{print $2}') runs, nothing found"
  else
    echo "$target: FOUND a fault, see $log and $findings" >&2
    tail -40 "$log" >&2
    return 1
  fi
}

status=0
for ((i = 0; i < ${#targets[@]}; i += 2)); do
  pids=()
  for t in "${targets[@]:i:2}"; do
    run "$t" &
    pids+=($!)
  done
  for pid in "${pids[@]}"; do wait "$pid" || status=1; done
done
exit $status
