#!/usr/bin/env bash
# Remakes docs/report.png: the HTML report of the examples and a few corpus drawings, as
# headless chromium shows it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/examples.sh
source tests/support/corpus.sh

build_rivez
corpus=$(RIVEZ_REQUIRE_CORPUS=1 corpus_folder .)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$rivez" --format html -o "$work/report.html" examples \
  $corpus/dxf/ezdxf__bin_dxf_r12.dxf $corpus/dxf/ezdxf__recover01.dxf \
  $corpus/dxf/dxfparser__polylines.dxf $corpus/dxf/bjnortier__floorplan.dxf \
  $corpus/dxf/ezdxf__4_world.dxf $corpus/plt/vk2bea__Cassini.hpgl
mkdir -p docs
chromium --headless --no-sandbox --disable-gpu --hide-scrollbars --window-size=1280,1000 \
  --screenshot="$PWD/docs/report.png" "file://$work/report.html" 2>/dev/null
echo docs/report.png
