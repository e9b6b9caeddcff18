#!/usr/bin/env bash
# Kills typecask-cli fontlist at random moments while it rewrites a folder of pages until KILLS
# runs (default 200) were killed before they ended: after each kill every page must be whole (the
# old page or the new one) and none may be missing. Prints how many runs the kill interrupted, and how many of those halfway
# through the pages (some new, some old).
set -euo pipefail
kills=${KILLS:-200}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
text=$(head -c 60000 /dev/zero | tr '\0' 'x') # large pages, so that a kill meets a write
options=(--per-page 1 --italic --bold --bold-italic --out "$dir")
"$TYPECASK_CLI" fontlist "${options[@]}" --text "old$text" >/dev/null
pages=$(find "$dir" -name 'FontList*.Html' | wc -l)
[ "$pages" -gt 1 ] || { echo "FAIL: only $pages pages written"; exit 1; }
interrupted=0
halfway=0
i=0
for ((; interrupted < kills && i < 4 * kills; i++)); do
  "$TYPECASK_CLI" fontlist "${options[@]}" --text "new$i$text" >/dev/null 2>&1 &
  pid=$!
  sleep "$(printf '0.%03d' $((RANDOM % 50)))"
  kill -9 "$pid" 2>/dev/null || true
  rc=0
  { wait "$pid"; } 2>/dev/null || rc=$?
  if [ "$rc" = 137 ]; then
    interrupted=$((interrupted + 1))
    fresh=$(grep -l -- "new$i" "$dir"/FontList*.Html | wc -l || true)
    [ "$fresh" -gt 0 ] && [ "$fresh" -lt "$pages" ] && halfway=$((halfway + 1))
  fi
  for p in "$dir"/FontList*.Html; do
    if ! tail -c 16 "$p" | cmp -s - <(printf '</BODY></HTML>\r\n'); then
      echo "FAIL: $(basename "$p") is truncated after kill $i ($(stat -c %s "$p") bytes)"
      exit 1
    fi
  done
  now=$(find "$dir" -name 'FontList*.Html' | wc -l)
  [ "$now" = "$pages" ] || { echo "FAIL: $now of $pages pages left after kill $i"; exit 1; }
done
echo "$i runs, $interrupted killed before they ended ($halfway halfway through the $pages pages):" \
  "no page truncated or missing"
[ "$interrupted" -ge "$kills" ] || { echo "FAIL: only $interrupted of $i runs were killed"; exit 1; }
[ "$halfway" -gt 0 ] || { echo "FAIL: no kill came while pages were written"; exit 1; }
# What the kills left behind goes with the next run once it is a minute old.
leftovers=$(find "$dir" -name 'FontList*.Html.??????' | wc -l)
find "$dir" -name 'FontList*.Html.??????' -exec touch -d '-2 minutes' {} +
"$TYPECASK_CLI" fontlist "${options[@]}" --text "last" >/dev/null
left=$(find "$dir" -name 'FontList*.Html.*' | wc -l)
[ "$left" = 0 ] || { echo "FAIL: $left temporary pages left behind"; exit 1; }
echo "$leftovers temporary pages of killed runs removed by the next run"
