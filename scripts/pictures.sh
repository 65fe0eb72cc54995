#!/usr/bin/env bash
# Remakes the pictures of the bundled examples in docs/ (SVG by rivez, PNG by rsvg-convert).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target rivez -j"$(nproc)" >/dev/null
rivez=build/release/tools/rivez/rivez

mkdir -p docs
find examples -type f \( -iname '*.dxf' -o -iname '*.plt' \) | sort | while read -r file; do
  importer=()
  case "$file" in examples/die/*) importer=(--importer die) ;; esac
  name=docs/$(basename "${file%.*}")
  "$rivez" "${importer[@]}" --format svg -o "$name.svg" "$file"
  rsvg-convert --width 800 --keep-aspect-ratio -o "$name.png" "$name.svg"
  rm "$name.svg"
  echo "$name.png"
done
