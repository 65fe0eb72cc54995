#!/usr/bin/env bash
# Builds RIVEzozer, imports every example with rivez, prints a summary of each and writes an
# SVG picture per example into out/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target rivez -j"$(nproc)" >/dev/null
rivez=build/release/tools/rivez/rivez

mkdir -p out
# Die layouts live in examples/die/ and go through the die-layout importer; every other file
# goes by its extension.
find examples -type f \( -iname '*.dxf' -o -iname '*.plt' -o -iname '*.hpgl' -o -iname '*.hgl' \
  -o -iname '*.hpg' \) | sort | while read -r file; do
  importer=()
  case "$file" in examples/die/*) importer=(--importer die) ;; esac
  picture="out/$(basename "${file%.*}").svg"
  "$rivez" "${importer[@]}" "$file"
  "$rivez" "${importer[@]}" --format svg -o "$picture" "$file"
  echo "  picture: $picture"
  echo
done
echo "Pictures of every example are in $(pwd)/out/ (open them in a browser)."
