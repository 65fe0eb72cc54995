#!/usr/bin/env bash
# Builds RIVEzozer, imports every example with rivez, prints a summary of each and writes an
# SVG picture per example into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/examples.sh

build_rivez
mkdir -p out
example_drawings | while read -r file importer; do
  options=()
  [ -n "$importer" ] && options=(--importer "$importer")
  picture="out/$(basename "${file%.*}").svg"
  "$rivez" "${options[@]}" "$file"
  "$rivez" "${options[@]}" --format svg -o "$picture" "$file"
  echo "  picture: $picture"
  echo
done
echo "Pictures of every example are in $(pwd)/out/ (open them in a browser)."
