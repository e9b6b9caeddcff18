#!/usr/bin/env bash
# typecask-cli check --css against Debian's headless Chromium: for every text node of the HTML
# manuals under /usr/share/doc and of the pages of tests/data/html/css (the cascade, fallback
# through a list, every way a page names a font), the fonts the check says draw the node's
# characters must be the ones Chromium draws them with, for at least MIN_PERCENT (default 95) of
# the nodes, under C.UTF-8 and under ja_JP.UTF-8 (when the locale is generated; it is not needed
# for the check, which takes the language as fontconfig does). Both sides see the same fonts:
# the test font set when FONTCONFIG_FILE names it (as under ctest), else the machine's.
# Skipped (exit 77) only when Chromium cannot start at all.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"
cat >"$dir/japanese.html" <<'HTML'
<!DOCTYPE html><html lang="ja"><head><meta charset="utf-8"><title>t</title>
<style>
/* the body in a Japanese face, named in Japanese */
body { font-family: "IPAゴシック", sans-serif; }
h1 { FONT : bold 24px/1.4 'IPA明朝', serif }
.latin { font-family: "DejaVu Sans", "IPAゴシック"; }
.only-latin { font-family: 'DejaVu Serif'; }
.mono { font-family: "Missing Mono", monospace !important; }
@font-face { font-family: "Brand"; src: url(no-such-font.woff2) format("woff2"); }
.brand { font-family: Brand, "DejaVu Sans Mono", monospace; }
.none { font-family: "Nothing Here", 'Not Installed'; }
</style></head>
<body>
<h1>見出しの文字</h1>
<p>本文はゴシック体で表示されます。ABC 123</p>
<p class="latin">Latin text and 日本語 mixed</p>
<p class="only-latin">Serif only, with かな</p>
<p class="mono">printf("%d")</p>
<p class="brand">Brand name</p>
<p class="none">Default font</p>
<p style="font-family: 'IPAゴシック', sans-serif">インライン指定</p>
<p style="font-family: &quot;DejaVu Sans&quot;">日本語</p>
<div style="font-family: serif">serif <b>bold</b> text</div>
<div style="font-family: sans-serif">sans-serif text</div>
<div style="font-family: monospace">monospace text</div>
<div style="font-family: cursive">cursive text</div>
<div style="font-family: fantasy">fantasy text</div>
<div style="font-family: system-ui">system-ui text</div>
<div style="font-family: URW Bookman, serif">Bookman text</div>
<div style="font-family: 'Nimbus Sans', sans-serif">Nimbus text</div>
</body></html>
HTML
shopt -s nullglob
pages=("$dir/japanese.html" "$here"/../data/html/css/*.html)
while IFS= read -r -d '' f; do pages+=("$f"); done < <(find /usr/share/doc -type f \( -name '*.html' -o -name '*.htm' \) -print0 | sort -z)
status=0
for lang in C.UTF-8 ja_JP.UTF-8; do
  if [ "$lang" != C.UTF-8 ] && ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "ja_JP.UTF-8 is not generated: scripts/install-deps.sh generates it"
    status=1
    continue
  fi
  LANG=$lang LC_ALL= LC_CTYPE= FC_LANG= node "$here/css_fonts_in_chromium.mjs" "${MIN_PERCENT:-95}" "${pages[@]}" ||
    status=$?
done
exit $status
