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
