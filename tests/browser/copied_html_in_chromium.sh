#!/usr/bin/env bash
# The style-sheet form of the HTML copies in a real browser: without the FONT tags only the CSS
# the copy writes can make the text bold or italic, so Debian's headless Chromium must compute
# exactly the weight and style asked for, for the HTML copy and both colour makers.
# Skipped (exit 77) only when Chromium cannot start at all.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
colours=$(printf 'FF0000,%.0s' {1..15})FF0000
for style in regular bold italic bold-italic; do
  flags=()
  case $style in
    bold) flags=(--bold) ;;
    italic) flags=(--italic) ;;
    bold-italic) flags=(--bold --italic) ;;
  esac
  common=(--font 'DejaVu Sans' --style-sheet --no-font-tag "${flags[@]}")
  "$TYPECASK_CLI" html "${common[@]}" -- 'Ab あ' >"$dir/html-$style.html"
  "$TYPECASK_CLI" gradient "${common[@]}" --start FF0000 --end 0000FF -- 'Ab' >"$dir/gradient-$style.html"
  "$TYPECASK_CLI" random-colours "${common[@]}" --colours "$colours" -- 'Ab' >"$dir/random-$style.html"
done
node "$here/copied_html_in_chromium.mjs" "$dir"/*.html
