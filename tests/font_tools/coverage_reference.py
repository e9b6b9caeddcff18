#!/usr/bin/env python3
"""typecask-cli coverage --json against a count made another way: the sets taken again from
Debian's Unihan, CMap and charmap files, each family's characters read from its font file with
fontTools (the cmap of an OpenType or TrueType face) or, for PCF bitmap fonts, from the file's
encoding table. Every family must be counted and every count must agree.
Exit status 77 (skipped) when fontTools or a data file is missing."""
import bz2
import gzip
import json
import os
import re
import struct
import subprocess
import sys

UNIHAN = "/usr/share/unicode/Unihan_OtherMappings.txt.bz2"
CMAP = "/usr/share/poppler/cMap/Adobe-Japan1/UniJIS-UTF32-H"
EUC_JP = "/usr/share/i18n/charmaps/EUC-JP.gz"

try:
    from fontTools.ttLib import TTFont
except ImportError:
    print("fontTools is not installed (python3-fonttools); skipped")
    sys.exit(77)
for path in (UNIHAN, CMAP, EUC_JP):
    if not os.path.exists(path):
        print(path + " is missing (unicode-data, poppler-data, locales); skipped")
        sys.exit(77)


def reference_sets():
    unihan = bz2.open(UNIHAN, "rt", encoding="utf-8").read()
    def field(key):
        return [(int(cp, 16), v) for cp, v in re.findall(r"^U\+([0-9A-F]+)\t" + key + r"\t(.*)$", unihan, re.M)]
    jis0 = field("kJis0")
    jis0213 = field("kJIS0213")
    sets = {
        "joyo": {cp for cp, v in field("kJoyoKanji") if v == "2010"},
        "jinmeiyo": {cp for cp, _ in field("kJinmeiyoKanji")},
        "jis1": {cp for cp, v in jis0 if 1600 <= int(v) < 4800},
        "jis2": {cp for cp, v in jis0 if 4800 <= int(v) < 8500},
        "jis3": {cp for cp, v in jis0213 if v.startswith("1,")},
        "jis4": {cp for cp, v in jis0213 if v.startswith("2,")},
        "hojo": {cp for cp, _ in field("kJis1")},
    }
    rows = {}
    for line in gzip.open(EUC_JP, "rt", encoding="latin-1"):
        m = re.match(r"<U([0-9A-F]{4,})>\s+/x(a[1-8])/x[a-f0-9]{2}\s", line)
        if m:
            rows.setdefault(int(m.group(2), 16) - 0xA0, set()).add(int(m.group(1), 16))
    sets["kana"] = rows[4] | rows[5]
    sets["jis-nonkanji"] = set().union(*rows.values())
    cmap = open(CMAP, encoding="latin-1").read()
    cid = {}
    for block in re.findall(r"begincidrange(.*?)endcidrange", cmap, re.S):
        for lo, hi, start in re.findall(r"<([0-9a-f]+)>\s*<([0-9a-f]+)>\s*(\d+)", block):
            for cp in range(int(lo, 16), int(hi, 16) + 1):
                cid[cp] = int(start) + cp - int(lo, 16)
    for block in re.findall(r"begincidchar(.*?)endcidchar", cmap, re.S):
        for cp, c in re.findall(r"<([0-9a-f]+)>\s*(\d+)", block):
            cid[int(cp, 16)] = int(c)
    for n, last in enumerate([8283, 8358, 8719, 9353, 15443, 20316, 23057, 23059]):
        sets["aj1-%d" % n] = {cp for cp, c in cid.items() if c <= last}
    return sets


def pcf_characters(path):
    data = (gzip.open if path.endswith(".gz") else open)(path, "rb").read()
    count, = struct.unpack_from("<I", data, 4)
    tables = {}
    for i in range(count):
        kind, fmt, size, offset = struct.unpack_from("<IIII", data, 8 + 16 * i)
        tables[kind] = offset
    def order(offset):
        fmt, = struct.unpack_from("<I", data, offset)
        return ">" if fmt & 4 else "<"
    # Properties: FreeType gives a Unicode character map for ISO10646, ISO8859-1 and
    # ISO646.1991-IRV (ASCII) fonts only.
    p = tables[1]
    e = order(p)
    nprops, = struct.unpack_from(e + "I", data, p + 4)
    strings = p + 8 + 9 * nprops + ((4 - (nprops & 3)) & 3) + 4
    props = {}
    for i in range(nprops):
        name, is_string, value = struct.unpack_from(e + "IbI", data, p + 8 + 9 * i)
        key = data[strings + name:data.index(b"\0", strings + name)].decode().upper()
        props[key] = data[strings + value:data.index(b"\0", strings + value)].decode().upper() if is_string else value
    registry, encoding = props.get("CHARSET_REGISTRY", ""), props.get("CHARSET_ENCODING", "")
    if not (registry == "ISO10646" or (registry, encoding) in (("ISO8859", "1"), ("ISO646.1991", "IRV"))):
        return set()
    q = tables[0x20]
    e = order(q)
    min2, max2, min1, max1, _ = struct.unpack_from(e + "5h", data, q + 4)
    width = max2 - min2 + 1
    found = set()
    for i in range(width * (max1 - min1 + 1)):
        glyph, = struct.unpack_from(e + "H", data, q + 14 + 2 * i)
        if glyph != 0xFFFF:
            found.add(((min1 + i // width) << 8) | (min2 + i % width))
    return found


def font_characters(path, index):
    if re.search(r"\.pcf(\.gz)?$", path):
        return pcf_characters(path)
    font = TTFont(path, fontNumber=index, lazy=True)
    return set(font.getBestCmap() or {})


def main():
    sets = reference_sets()
    cli = os.environ["TYPECASK_CLI"]
    report = json.loads(subprocess.run([cli, "coverage", "--json"], check=True, capture_output=True).stdout)
    assert report["version"] == 1
    faults = 0
    for s in report["sets"]:
        if len(sets[s["name"]]) != s["total"]:
            print("set %s: %d here, %d in typecask-cli" % (s["name"], len(sets[s["name"]]), s["total"]))
            faults += 1
    for family in report["families"]:
        chars = font_characters(family["file"], family["index"])
        ours = {name: len(sets[name] & chars) for name in family["covered"]}
        if ours != family["covered"]:
            diff = {k: (v, family["covered"][k]) for k, v in ours.items() if v != family["covered"][k]}
            print("%s (%s): reference, typecask-cli %s" % (family["family"], family["file"], diff))
            faults += 1
        else:
            print("%s: %s" % (family["family"], " ".join("%s %d" % kv for kv in ours.items())))
    print("%d families, %d sets, %d disagree" % (len(report["families"]), len(report["sets"]), faults))
    return 1 if faults or not report["families"] else 0


if __name__ == "__main__":
    sys.exit(main())
