#!/usr/bin/env bash
# The font list pages in a real browser: typecask-cli fontlist writes the page of the test font
# set's font list, and Debian's headless Chromium must draw every sample in its own family.
# Skipped (exit 77) only when Chromium cannot start at all.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
"$TYPECASK_CLI" fonts >"$dir/names.txt"
"$TYPECASK_CLI" fontlist --text 'AaBbCc 0123' --out "$dir/List" >/dev/null
node "$here/font_list_in_chromium.mjs" "$dir/List/FontList1.Html" "$dir/names.txt"
