#!/usr/bin/env bash
# Makes the report page of the examples (and of some corpus files when there is a corpus), checks
# that it is well-formed, and has headless chromium load it and run check_page.js on it as drawn.
# Usage: check_in_browser.sh RIVEZ EXAMPLES
set -euo pipefail
rivez=$1 examples=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../support/corpus.sh"
corpus=$(corpus_folder "$here/../..")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A stopped read, a binary file and a file that is no drawing beside the examples; and from the
# corpus a large drawing and every plotter file.
printf '0\nSECTION\n2\nENTITIES\n0\nLINE\n8\nL\n10\n0\n20\n0\n11\n5\n21\n5\n' >"$work/cut-off.dxf"
printf 'AutoCAD Binary DXF\r\n\032\0' >"$work/binary.dxf"
echo 'not a drawing' >"$work/notes.dxf"
drawings=("$examples" "$work/cut-off.dxf" "$work/binary.dxf" "$work/notes.dxf")
if [ -n "$corpus" ]; then
  drawings+=("$corpus/dxf/ezdxf__recover01.dxf" "$corpus/dxf/ezdxf__bin_dxf_r12.dxf" "$corpus/plt")
fi
"$rivez" --format html -o "$work/page.html" "${drawings[@]}"
test -s "$work/page.html"
xmllint --noout "$work/page.html"

{
  echo "<script>"
  cat "$here/check_page.js"
  echo "</script>"
} >"$work/check.html"
# The check goes first in the head, so that it sees the page's own script run.
sed -e "/<head>/r $work/check.html" "$work/page.html" >"$work/checked.html"

dom=$(chromium --headless --no-sandbox --disable-gpu --enable-logging=stderr --v=0 \
  --virtual-time-budget=10000 --window-size=1280,900 --dump-dom "file://$work/checked.html" \
  2>"$work/browser.log")
if grep -q ':CONSOLE' "$work/browser.log"; then
  echo "console messages:" >&2
  grep ':CONSOLE' "$work/browser.log" >&2
  exit 1
fi
verdict=$(grep -o 'data-check="[^"]*"' <<<"$dom" || echo 'data-check="the check did not run"')
echo "$verdict"
[ "$verdict" = 'data-check="PASS"' ]
