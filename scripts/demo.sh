#!/usr/bin/env bash
# Builds the library and rivez (no tests), imports every example with rivez, prints a summary
# of each and writes an SVG picture per example into out/.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/examples.sh

# Prints the summary of one example and writes its picture.
show() {
  local file=$1 picture
  shift
  picture="out/$(basename "${file%.*}").svg"
  "$rivez" "$@" "$file"
  "$rivez" "$@" --format svg -o "$picture" "$file"
  echo "  picture: $picture"
  echo
}

build_rivez
mkdir -p out
for_each_example show
echo "Pictures of every example are in $(pwd)/out/ (open them in a browser)."
echo "rivez is $(pwd)/$rivez (try it with --help)."
echo "To have it on your PATH: cmake --install build/demo --prefix ~/.local (gives ~/.local/bin/rivez)."
