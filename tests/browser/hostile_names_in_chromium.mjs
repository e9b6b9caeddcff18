// Loads HTML written for fonts with hostile names in Debian's headless Chromium and checks that
// the markup is what the writer meant: only the expected elements, each with only its expected
// attributes, every style attribute with only its own declarations, and every FACE and
// font-family naming exactly the font. Input: a JSON file of { file, kind, name } (kind "copy"
// for a copied fragment, "page" for a list page, whose names are those of names.json).
// Exit status: 0 all right, 1 something injected or lost, 77 Chromium could not start at all.
import { readFileSync } from 'node:fs';
import { basename } from 'node:path';
import { launchChromium } from './chromium.mjs';

const [casesFile] = process.argv.slice(2);
const cases = JSON.parse(readFileSync(casesFile, 'utf8'));
const browser = await launchChromium();

const allowed = {
  copy: { FONT: ['size', 'color', 'face'], SPAN: ['style'], B: [], I: [] },
  page: {
    HTML: [], HEAD: [], TITLE: [], BODY: ['bgcolor'], CENTER: [], TABLE: ['cellspacing', 'border', 'width'],
    TBODY: [], TR: [], TD: [], FONT: ['size', 'color', 'face'], B: [], I: [], A: ['href'],
  },
};

// A font-family value as Chromium serialises it, back to the one family name it holds.
function familyName(value) {
  if (!value.startsWith('"')) return value;
  let out = '';
  for (let i = 1; i < value.length - 1; i++) {
    if (value[i] !== '\\') {
      out += value[i];
      continue;
    }
    const hex = /^[0-9a-fA-F]{1,6} ?/.exec(value.slice(i + 1));
    if (hex) {
      out += String.fromCodePoint(parseInt(hex[0], 16));
      i += hex[0].length;
    } else {
      out += value[++i];
    }
  }
  return out;
}

let failures = 0;
try {
  const tab = await browser.newPage();
  for (const c of cases) {
    const html = readFileSync(c.file, 'utf8');
    if (c.kind === 'copy')
      await tab.setContent(`<!DOCTYPE html><meta charset="utf-8"><body>${html}</body>`);
    else
      await tab.goto(`file://${c.file}`);
    const found = await tab.evaluate((copy) => {
      const root = copy ? document.body : document.documentElement;
      const elements = [...root.querySelectorAll('*')].filter((e) => !(copy && e.tagName === 'META'));
      if (!copy) elements.unshift(document.documentElement);
      return elements.map((e) => ({
        tag: e.tagName,
        attributes: [...e.attributes].map((a) => a.name),
        face: e.getAttribute('face'),
        declarations: e.style ? [...e.style] : [],
        family: e.style ? e.style.fontFamily : '',
      }));
    }, c.kind === 'copy');
    const problems = [];
    const faces = [];
    for (const e of found) {
      const attributes = allowed[c.kind][e.tag];
      if (!attributes) {
        problems.push(`element ${e.tag}`);
        continue;
      }
      for (const a of e.attributes) if (!attributes.includes(a)) problems.push(`${e.tag} attribute ${a}`);
      if (e.face !== null) faces.push(e.face);
      if (e.tag === 'SPAN') {
        const extra = e.declarations.filter((d) => !['color', 'font-size', 'font-family', 'font-weight'].includes(d));
        if (extra.length) problems.push(`declarations ${extra.join(', ')}`);
        if (c.family && familyName(e.family) !== c.name)
          problems.push(`font-family ${JSON.stringify(e.family).slice(0, 60)}`);
      }
    }
    const expected = c.kind === 'copy' ? [c.name] : c.names;
    for (const name of expected)
      if (!faces.includes(name)) problems.push(`no FACE ${JSON.stringify(name).slice(0, 60)}`);
    for (const face of faces)
      if (!expected.includes(face)) problems.push(`FACE ${JSON.stringify(face).slice(0, 60)}`);
    console.log(`${problems.length ? 'FAIL' : 'ok  '} ${basename(c.file)} ${problems.join('; ')}`);
    failures += problems.length ? 1 : 0;
  }
  console.log(`${cases.length - failures} passed, ${failures} failed`);
} finally {
  await browser.close();
}
process.exit(failures ? 1 : 0);
