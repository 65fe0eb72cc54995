#!/usr/bin/env bash
# Remakes the pictures of the bundled examples in docs/ (SVG by rivez, PNG by rsvg-convert).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/examples.sh

build_rivez
mkdir -p docs
example_drawings | while read -r file importer; do
  options=()
  [ -n "$importer" ] && options=(--importer "$importer")
  name=docs/$(basename "${file%.*}")
  "$rivez" "${options[@]}" --format svg -o "$name.svg" "$file"
  rsvg-convert --width 800 --keep-aspect-ratio -o "$name.png" "$name.svg"
  rm "$name.svg"
  echo "$name.png"
done
