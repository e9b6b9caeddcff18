#!/usr/bin/python3
"""Writes fonts that users may install and the program must survive, with a fonts.conf that
lists them beside the test fonts:

  make_test_fonts.py hostile DIR   copies of a small test font, each with a family name that
                                   breaks naive writers (markup, CSS, RTF, line breaks, bidi
                                   controls, long names, characters code page 932 lacks);
                                   DIR/names.json lists the names
  make_test_fonts.py broken DIR    truncated files, tables overwritten or with flipped bytes, an
                                   empty file, a directory named like a font, an empty name table
"""
import json
import os
import random
import shutil
import struct
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
DATA = os.path.join(HERE, '..', 'data', 'fonts')

HOSTILE_NAMES = [
    'Zx Amp & "Dq" \'Sq\' <b>bold</b>',
    'Zx;}body{color:red}/*',
    'Zx Back\\slash {group} \\par',
    'Zx CR\r\nLF',
    'Zx New\nLine',
    'Zx Tab\there',
    '\ufeffZx Feff',
    'Zx \u202eevil\u202c RLO',
    'Zx Emoji \U0001F600 Yen \u00a5 Snow \u2603',
    'Zx Long ' + 'x' * 1198,
    'Zx' + '\u3042' * 1102,
]


def write_conf(folder, extra_dirs):
    dirs = ''.join(f'  <dir>{d}</dir>\n' for d in extra_dirs + [folder])
    with open(os.path.join(folder, 'fonts.conf'), 'w') as f:
        f.write('<?xml version="1.0"?>\n<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">\n'
                f'<fontconfig>\n{dirs}  <cachedir>{folder}/cache</cachedir>\n'
                '  <config><rescan><int>0</int></rescan></config>\n</fontconfig>\n')


def renamed(source, family, target):
    font = TTFont(source)
    name = font['name']
    name.names = []
    postscript = 'Zx-' + ''.join(c for c in family if c.isascii() and c.isalnum())[:40]
    for nid, text in ((1, family), (2, 'Regular'), (4, family), (6, postscript)):
        name.setName(text, nid, 3, 1, 0x409)
    font.save(target)


def hostile(folder):
    os.makedirs(folder, exist_ok=True)
    # Latin-1, enough for fontconfig to file the copies as Latin text fonts.
    source = os.path.join(folder, 'latin.ttf.in')
    options = subset.Options()
    options.name_IDs = ['*']
    font = TTFont('/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf')
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=list(range(0x20, 0x7F)) + list(range(0xA0, 0x100)))
    subsetter.subset(font)
    font.save(source)
    for i, family in enumerate(HOSTILE_NAMES):
        renamed(source, family, os.path.join(folder, f'hostile{i:02}.ttf'))
    os.remove(source)
    with open(os.path.join(folder, 'names.json'), 'w') as f:
        json.dump(HOSTILE_NAMES, f)
    write_conf(folder, ['/usr/share/fonts/truetype/dejavu', '/usr/share/fonts/opentype/ipafont-gothic'])


def table_range(data, tag):
    count = struct.unpack('>H', data[4:6])[0]
    for i in range(count):
        entry = data[12 + 16 * i:28 + 16 * i]
        if entry[:4] == tag:
            offset, length = struct.unpack('>II', entry[8:16])
            return offset, length
    return None


def broken(folder):
    os.makedirs(folder, exist_ok=True)
    rng = random.Random(28)
    sources = {
        'ipag': os.path.join(DATA, 'ipagothic-subset.ttf'),
        'dejavu': os.path.join(DATA, 'dejavu-sans-subset.ttf'),
        'nimbus': os.path.join(DATA, 'nimbus-sans-subset.otf'),
    }
    for key, path in sources.items():
        data = open(path, 'rb').read()
        suffix = os.path.splitext(path)[1]
        for cut in (12, 100, len(data) // 2, len(data) - 1):
            open(os.path.join(folder, f'{key}-cut{cut}{suffix}'), 'wb').write(data[:cut])
        for tag in (b'OS/2', b'name', b'cmap', b'head', b'hhea', b'GSUB', b'CFF '):
            where = table_range(data, tag)
            if not where:
                continue
            offset, length = where
            label = tag.decode().strip().replace('/', '')
            filled = bytearray(data)
            filled[offset:offset + length] = b'\xff' * min(length, len(data) - offset)
            open(os.path.join(folder, f'{key}-{label}-ff{suffix}'), 'wb').write(filled)
            for n in range(3):
                flipped = bytearray(data)
                for _ in range(max(1, length // 8)):
                    at = offset + rng.randrange(max(1, min(length, len(data) - offset)))
                    flipped[at] ^= 1 << rng.randrange(8)
                open(os.path.join(folder, f'{key}-{label}-flip{n}{suffix}'), 'wb').write(flipped)
        # A directory entry whose table lies past the end of the file.
        lying = bytearray(data)
        lying[12 + 8:12 + 16] = struct.pack('>II', 0x7FFFFFF0, 0x7FFFFFFF)
        open(os.path.join(folder, f'{key}-lying-directory{suffix}'), 'wb').write(lying)
    # A collection whose second face lies outside it, and a cut PCF and Type 1 font.
    ttc = open(os.path.join(DATA, 'dejavu-pair.ttc'), 'rb').read()
    bad = bytearray(ttc)
    bad[16:20] = struct.pack('>I', len(ttc) + 100)
    open(os.path.join(folder, 'pair-bad-offset.ttc'), 'wb').write(bad)
    open(os.path.join(folder, 'pair-cut.ttc'), 'wb').write(ttc[:len(ttc) // 3])
    pcf = open(os.path.join(DATA, 'micro.pcf'), 'rb').read()
    open(os.path.join(folder, 'micro-cut.pcf'), 'wb').write(pcf[:len(pcf) // 2])
    pfb = open(os.path.join(DATA, 'standard-symbols.pfb'), 'rb').read()
    open(os.path.join(folder, 'symbols-cut.pfb'), 'wb').write(pfb[:len(pfb) // 2])
    open(os.path.join(folder, 'empty.ttf'), 'wb').close()
    os.makedirs(os.path.join(folder, 'folder.ttf'), exist_ok=True)
    font = TTFont(sources['dejavu'])
    font['name'].names = []
    font.save(os.path.join(folder, 'no-names.ttf'))
    write_conf(folder, ['/usr/share/fonts/truetype/dejavu'])


if __name__ == '__main__':
    {'hostile': hostile, 'broken': broken}[sys.argv[1]](os.path.abspath(sys.argv[2]))
