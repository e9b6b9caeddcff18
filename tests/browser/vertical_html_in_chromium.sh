#!/usr/bin/env bash
# The HTML copy of an "@" family in a real browser: with the style sheet on, Debian's headless
# Chromium must set the sample as vertical text in the family without its "@".
# Skipped (exit 77) only when Chromium cannot start at all.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
"$TYPECASK_CLI" html --font '@IPA明朝' --style-sheet --font-family -- '「縦書き」の見本、Latin 2026年' >"$dir/vertical.html"
node "$here/vertical_html_in_chromium.mjs" "$dir/vertical.html" 'IPA明朝' ${TYPECASK_SHOT:+"$TYPECASK_SHOT"}
