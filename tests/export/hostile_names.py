#!/usr/bin/python3
"""Fonts with hostile family names, installed in a private fontconfig configuration, through
every writer and reader of names: typecask-cli's rows (one name one field of one line), details
and the name copy, the RTF copy in LibreOffice (one document, the name in its font table), and
the HTML copy, both colour makers and the list pages in Chromium (hostile_names_in_chromium.mjs:
no element, attribute or declaration injected, every FACE and font-family exactly the name).
Exit status 77 when fontTools or Chromium is missing."""
import json
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
TESTS = os.path.dirname(HERE)
CLI = os.environ['TYPECASK_CLI']
failures = []


def check(ok, what):
    print(('ok   ' if ok else 'FAIL ') + what[:160].encode('unicode_escape').decode())
    if not ok:
        failures.append(what)


def cli(*args):
    return subprocess.run([CLI, *args], capture_output=True, timeout=120)


def field(text):
    """A name back from typecask-cli's escaped row field."""
    return re.sub(r'\\(\\|t|r|n|x[0-9a-f]{2})',
                  lambda m: {'\\': '\\', 't': '\t', 'r': '\r', 'n': '\n'}.get(m[1]) or chr(int(m[1][1:], 16)),
                  text)


def main():
    try:
        import fontTools  # noqa: F401
    except ImportError:
        print('SKIP: python3-fonttools is missing (scripts/install-deps.sh installs it)')
        return 77
    work = tempfile.mkdtemp(prefix='typecask-hostile-')
    fonts = os.path.join(work, 'fonts')
    subprocess.run(['/usr/bin/python3', os.path.join(TESTS, 'fonts', 'make_test_fonts.py'), 'hostile', fonts],
                   check=True)
    os.environ['FONTCONFIG_FILE'] = os.path.join(fonts, 'fonts.conf')
    names = json.load(open(os.path.join(fonts, 'names.json')))

    # Rows: every name one field of one line, and back exactly.
    r = cli('fonts', '--details')
    rows = r.stdout.decode().split('\n')[:-1]
    check(r.returncode == 0 and all(len(row.split('\t')) == 8 for row in rows),
          f'fonts --details: {len(rows)} rows of 8 fields')
    listed = {field(row.split('\t')[1]) for row in rows}
    check(set(names) <= listed, 'fonts --details: every hostile name, exactly')
    plain = cli('fonts', '--categories', 'jwso', '--vertical').stdout.decode().split('\n')[:-1]
    check(set(names) <= {field(n) for n in plain} and len(plain) == len(rows), 'fonts: one line a family')
    found = cli('search', 'Zx').stdout.decode().split('\n')[:-1]
    check(sorted(field(n) for n in found) == sorted(names), f'search Zx: {len(found)} names, exactly')

    out = os.path.join(work, 'out')
    os.makedirs(out)
    cases = []
    colours = ','.join(['FF0000'] * 16)
    style = ['--style-sheet', '--font-family', '--bold']
    for i, name in enumerate(names):
        r = cli('details', name)
        check(r.returncode == 0 and r.stdout.decode().startswith(f'name: {name}\n') and
              'charset: ???' not in r.stdout.decode(), f'details finds {name}')
        check(cli('name', '--form', '0', name).stdout.decode() == name, f'name --form 0 is {name}')
        with open(os.path.join(out, f'copy{i:02}.rtf'), 'wb') as f:
            f.write(cli('rtf', '--font', name, 'Ab').stdout)
        for kind, args in (('html', ['html', *style]),
                           ('gradient', ['gradient', '--start', 'FF0000', '--end', '0000FF', *style]),
                           ('random', ['random-colours', '--colours', colours, *style])):
            path = os.path.join(out, f'{kind}{i:02}.html')
            with open(path, 'wb') as f:
                f.write(cli(*args, '--font', name, '--', 'Ab').stdout)
            cases.append({'file': path, 'kind': 'copy', 'name': name, 'family': True})

    # The RTF copies in LibreOffice: one document each, its text only "Ab", the name in its font table.
    profile = os.path.join(work, 'profile')
    r = subprocess.run(['soffice', f'-env:UserInstallation=file://{profile}', '--headless', '--convert-to', 'fodt',
                        '--outdir', os.path.join(work, 'lo')] +
                       [os.path.join(out, f'copy{i:02}.rtf') for i in range(len(names))],
                       capture_output=True, timeout=600, env={**os.environ, 'HOME': work})
    check(r.returncode == 0, 'LibreOffice converted the RTF copies')
    ns = {'style': 'urn:oasis:names:tc:opendocument:xmlns:style:1.0',
          'svg': 'urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0',
          'office': 'urn:oasis:names:tc:opendocument:xmlns:office:1.0',
          'text': 'urn:oasis:names:tc:opendocument:xmlns:text:1.0'}
    for i, name in enumerate(names):
        path = os.path.join(work, 'lo', f'copy{i:02}.fodt')
        if not os.path.exists(path):
            check(False, f'LibreOffice read the RTF copy of {name}')
            continue
        doc = ET.parse(path).getroot()
        # LibreOffice drops line breaks from font names and keeps a name with ";" as a list of
        # alternatives, which it writes separated by ", ".
        families = [';'.join(part.strip("'") for part in e.get(f'{{{ns["svg"]}}}font-family', '').split(', '))
                    for e in doc.iter(f'{{{ns["style"]}}}font-face')]
        paragraphs = [''.join(p.itertext()) for p in doc.find('office:body', ns).iter(f'{{{ns["text"]}}}p')]
        check(paragraphs == ['Ab'], f'RTF of {name}: one paragraph, Ab ({paragraphs[:3]!r})')
        check(re.sub('[\r\n]', '', name) in families, f'RTF of {name}: in the font table')

    # The list pages of every family on one page.
    pages = os.path.join(work, 'pages')
    check(cli('fontlist', '--out', pages).returncode == 0, 'fontlist wrote the pages')
    cases.append({'file': os.path.join(pages, 'FontList1.Html'), 'kind': 'page',
                  'names': sorted(field(n) for n in cli('fonts').stdout.decode().split('\n')[:-1])})
    with open(os.path.join(work, 'cases.json'), 'w') as f:
        json.dump(cases, f)
    r = subprocess.run(['node', os.path.join(TESTS, 'browser', 'hostile_names_in_chromium.mjs'),
                        os.path.join(work, 'cases.json')])
    if r.returncode == 77:
        return 77
    check(r.returncode == 0, 'Chromium: the HTML keeps its markup')
    print(f'{len(failures)} failed')
    if not failures:
        subprocess.run(['rm', '-rf', work])
    else:
        print(f'files kept in {work}')
    return 1 if failures else 0


sys.exit(main())
