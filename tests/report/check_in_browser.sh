#!/usr/bin/env bash
# Makes the report page of the examples and some corpus files, checks that it is well-formed,
# and has headless chromium load it and run check_page.js on it as drawn.
# Usage: check_in_browser.sh RIVEZ EXAMPLES CORPUS
set -euo pipefail
rivez=$1 examples=$2 corpus=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A stopped read, a binary file, a large drawing and a plotter file beside the examples.
"$rivez" --format html -o "$work/page.html" "$examples" "$corpus/dxf/ezdxf__recover01.dxf" \
  "$corpus/dxf/ezdxf__bin_dxf_r12.dxf" "$corpus/plt"
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
