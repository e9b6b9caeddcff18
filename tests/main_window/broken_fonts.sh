#!/usr/bin/env bash
# Damaged font files installed (tests/fonts/make_test_fonts.py broken: truncated files, tables
# overwritten or with flipped bytes, an empty file, a directory named like a font, an empty name
# table): typecask-cli's listings, details of every family, the detailed search and, when the
# branch has it, the coverage; the real program's start; and $1, the UI test that previews every
# family and opens the details window and the sample list over them. Nothing may crash or hang.
# Skipped (77) when fontTools is missing.
set -euo pipefail
ui_test=$1
here=$(cd "$(dirname "$0")/.." && pwd)
if ! /usr/bin/python3 -c 'import fontTools' 2>/dev/null; then
  echo "SKIP: python3-fonttools is missing (scripts/install-deps.sh installs it)"
  exit 77
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
/usr/bin/python3 "$here/fonts/make_test_fonts.py" broken "$dir/fonts"
export FONTCONFIG_FILE=$dir/fonts/fonts.conf TYPECASK_BROKEN_FONTS=1 XDG_DATA_HOME=$dir/data
fail() { echo "FAIL: $*"; exit 1; }

timeout 60 "$TYPECASK_CLI" fonts --details >"$dir/details.txt" || fail "fonts --details ($?)"
awk -F '\t' 'NF != 8 { bad++ } END { exit bad > 0 }' "$dir/details.txt" || fail "fonts --details rows"
echo "fonts --details: $(wc -l <"$dir/details.txt") families"
timeout 60 "$TYPECASK_CLI" fonts --all-types --categories jwso >/dev/null || fail "fonts --all-types ($?)"
while IFS=$'\t' read -r _ name _; do
  case $name in *\\*) continue ;; esac # an escaped name is not the name itself
  timeout 20 "$TYPECASK_CLI" details "$name" >/dev/null || fail "details '$name' ($?)"
done <"$dir/details.txt"
echo "details: every family"
timeout 120 "$TYPECASK_CLI" search --ratio '>0' >/dev/null || fail "search --ratio ($?)"
if "$TYPECASK_CLI" coverage --help >/dev/null 2>&1; then
  while IFS=$'\t' read -r _ name _; do
    case $name in *\\*) continue ;; esac
    timeout 20 "$TYPECASK_CLI" coverage "$name" >/dev/null || [ $? = 1 ] || fail "coverage '$name'"
  done <"$dir/details.txt"
  echo "coverage: every family"
else
  echo "coverage: no such command on this branch"
fi

# The real program, started: still running after 15 s, with nothing on stderr about a fault.
status=0
timeout 15 "$TYPECASK_PROGRAM" 2>"$dir/program.err" || status=$?
[ "$status" = 124 ] || fail "typecask ended with $status: $(tail -5 "$dir/program.err")"
if grep -Ei 'sanitizer|segmentation|abort' "$dir/program.err"; then fail "typecask reported a fault"; fi
echo "typecask: started and kept running"

timeout 300 "$ui_test"
