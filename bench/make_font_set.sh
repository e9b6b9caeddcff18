#!/usr/bin/env bash
# Writes a large synthetic font set for the benchmarks: N renamed copies of the Debian fonts the
# tests install (DejaVu, IPA, URW OpenType, Garuda, OpenSymbol) and a fonts.conf that adds them to
# the machine's own fonts, with its cache built. Each copy round renames every family
# ("DejaVu Sans" -> "DejaVu Sans R0007"), so a family keeps its styles together; the large IPA
# fonts join every tenth round only, which keeps 10,000 faces near 1.5 GB.
# usage: bench/make_font_set.sh N DIR      then: FONTCONFIG_FILE=DIR/fonts.conf <program>
set -euo pipefail
count=${1:?usage: make_font_set.sh N DIR}
dir=${2:?usage: make_font_set.sh N DIR}
here=$(cd "$(dirname "$0")" && pwd)
bash "$here/../scripts/install-deps.sh" python3-fonttools >/dev/null
mkdir -p "$dir/fonts" "$dir/cache"

# Debian's fontTools, whatever python3 comes first on PATH.
/usr/bin/python3 - "$count" "$dir/fonts" <<'EOF'
import os, sys
from concurrent.futures import ProcessPoolExecutor
from fontTools.ttLib import TTFont

count, out = int(sys.argv[1]), sys.argv[2]
roots = ["/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/opentype/urw-base35",
         "/usr/share/fonts/truetype/tlwg", "/usr/share/fonts/truetype/libreoffice"]
japanese = ["/usr/share/fonts/opentype/ipafont-gothic", "/usr/share/fonts/opentype/ipafont-mincho"]

def listed(folders):
    return sorted(os.path.join(d, f) for d in folders if os.path.isdir(d) for f in os.listdir(d)
                  if f.lower().endswith((".ttf", ".otf")))

western, cjk = listed(roots), listed(japanese)
jobs = []
round_ = 0
while len(jobs) < count:
    for src in western + (cjk if round_ % 10 == 0 else []):
        if len(jobs) == count:
            break
        jobs.append((src, round_))
    round_ += 1

def write(job):
    src, r = job
    suffix = " R%04d" % r
    name, ext = os.path.splitext(os.path.basename(src))
    dst = os.path.join(out, "%s-R%04d%s" % (name, r, ext))
    if os.path.exists(dst):
        return
    font = TTFont(src, lazy=True)  # only the name table is decoded; the rest is copied as is
    for rec in font["name"].names:
        if rec.nameID in (1, 3, 4, 16, 18, 21):
            rec.string = rec.toUnicode() + suffix
        elif rec.nameID == 6:
            rec.string = rec.toUnicode() + "-R%04d" % r
    font.save(dst + ".part")
    os.replace(dst + ".part", dst)

with ProcessPoolExecutor(max_workers=2) as pool:
    list(pool.map(write, jobs, chunksize=64))
print("%d faces written to %s" % (len(jobs), out))
EOF

cat >"$dir/fonts.conf" <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<!-- The machine's fonts and configuration, and $count synthetic copies. -->
<fontconfig>
  <cachedir>$dir/cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>$dir/fonts</dir>
</fontconfig>
EOF
FONTCONFIG_FILE="$dir/fonts.conf" fc-cache "$dir/fonts"
echo "faces: $(FONTCONFIG_FILE="$dir/fonts.conf" fc-list : file | wc -l)"
