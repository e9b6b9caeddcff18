#!/usr/bin/env bash
# The committed Japanese sets are exactly what scripts/make-japanese-sets.py makes from this
# machine's Debian data (exit 77, skipped, when unicode-data, poppler-data or locales is missing).
# Usage: japanese_sets_data.sh SOURCE_DIR
set -uo pipefail
src=${1:-$(dirname "$0")/../..}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
# Debian's own Python, as CI has it.
/usr/bin/python3 "$src/scripts/make-japanese-sets.py" "$out"
rc=$?
[ "$rc" -eq 77 ] && exit 77
[ "$rc" -ne 0 ] && exit 1
if ! cmp -s "$src/core/data/japanese_sets_data.cpp" "$out"; then
  echo "core/data/japanese_sets_data.cpp differs from what the script makes now:"
  diff "$src/core/data/japanese_sets_data.cpp" "$out" | head -20
  exit 1
fi
echo "core/data/japanese_sets_data.cpp is what the script makes"
