#!/usr/bin/env bash
# Remakes the pictures of the bundled examples in docs/ (SVG by rivez, PNG by rsvg-convert).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/examples.sh

# Writes the PNG of one example.
picture() {
  local file=$1 name
  shift
  name=docs/$(basename "${file%.*}")
  "$rivez" "$@" --format svg -o "$name.svg" "$file"
  rsvg-convert --width 800 --keep-aspect-ratio -o "$name.png" "$name.svg"
  rm "$name.svg"
  echo "$name.png"
}

scripts/deps.sh # rsvg-convert
build_rivez
mkdir -p docs
for_each_example picture
# The carton die's parts filled, for docs/parts.md and the README.
"$rivez" --importer die --format svg --parts -o docs/parts.svg examples/die/carton.dxf
rsvg-convert --width 800 --keep-aspect-ratio -o docs/parts.png docs/parts.svg
rm docs/parts.svg
echo docs/parts.png
