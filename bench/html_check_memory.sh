#!/usr/bin/env bash
# Peak memory of typecask-cli check and check --css: a 100 MB page of ordinary lines, and a 1 GB page that is
# one single line (a real page with its line ends taken out), each with /usr/bin/time -v.
# Usage: bash bench/html_check_memory.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cli="$build/typecask-cli"
page=/usr/share/doc/libffi8/html/index.html
[ -f "$page" ] || page=tests/data/html/lf.html
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
python3 - "$page" "$dir" <<'PY'
import sys
page = open(sys.argv[1], 'rb').read()
def fill(name, chunk, size):
    with open(f'{sys.argv[2]}/{name}', 'wb') as f:
        for _ in range(size // len(chunk) + 1):
            f.write(chunk)
fill('lines.html', page, 100 << 20)
fill('one-line.html', page.replace(b'\r', b' ').replace(b'\n', b' '), 1 << 30)
PY
for f in lines.html one-line.html; do
  for mode in check check--css; do
    /usr/bin/time -v "$cli" check ${mode#check} "$dir/$f" >/dev/null 2>"$dir/time.txt" || true
    printf '%-14s %-10s %6d MB  peak RSS %s kB, %s s\n' "$f" "$mode" $(( $(stat -c %s "$dir/$f") >> 20 )) \
      "$(awk -F': ' '/Maximum resident/ {print $2}' "$dir/time.txt")" \
      "$(awk -F': ' '/Elapsed/ {print $2}' "$dir/time.txt")"
  done
done
