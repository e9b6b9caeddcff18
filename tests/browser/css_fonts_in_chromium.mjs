// Compares typecask-cli check --css with what Debian's headless Chromium draws. For every text
// node of every page, the DevTools call CSS.getPlatformFontsForNode names the fonts Chromium drew
// it with and CSS.getComputedStyleForNode the family list its element got. The check reads the
// same page whole; a node agrees when the check has that list, charges it with the node's
// characters, and the fonts it says draw those characters are the ones Chromium used.
// Text Chromium draws in its default font (no list) is judged against the check's resolution of
// that default on a page of its own.
// Usage: node css_fonts_in_chromium.mjs MIN_PERCENT PAGE...
// Exit status: 0 agreement at least MIN_PERCENT, 1 below, 77 Chromium could not start at all.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchChromium } from './chromium.mjs';

const minPercent = Number(process.argv[2]);
const pages = process.argv.slice(3);
const cli = process.env.TYPECASK_CLI;
const maxNodesPerPage = Number(process.env.TYPECASK_MAX_NODES || 150);

// Every name of each family of the font set both sides see, so that "IPAゴシック" and
// "IPAGothic" count as one family.
const familyNames = new Map();
for (const line of execFileSync('fc-list', [':', 'family'], { encoding: 'utf8' }).split('\n')) {
  const names = line.split(',').map((n) => n.trim()).filter(Boolean);
  for (const n of names) {
    const key = n.toLowerCase();
    familyNames.set(key, new Set([...(familyNames.get(key) || []), ...names.map((x) => x.toLowerCase())]));
  }
}
const sameFamily = (a, b) =>
  a.toLowerCase() === b.toLowerCase() || (familyNames.get(a.toLowerCase()) || new Set()).has(b.toLowerCase());

// The characters a font must draw (white space, controls and invisible format characters need none).
const needsGlyph = (c) =>
  !(
    c <= 0x20 ||
    (c >= 0x7f && c <= 0xa0) ||
    c === 0xad ||
    (c >= 0x200b && c <= 0x200f) ||
    (c >= 0x2028 && c <= 0x202e) ||
    (c >= 0x2060 && c <= 0x206f) ||
    c === 0xfeff ||
    (c >= 0xfe00 && c <= 0xfe0f)
  );

const generics = new Set(['serif', 'sans-serif', 'monospace', 'cursive', 'fantasy', 'system-ui', 'ui-serif',
  'ui-sans-serif', 'ui-monospace', 'ui-rounded', 'emoji', 'math', 'fangsong']);
// A computed font-family as one key: quoted names and bare words apart, generics marked.
function computedKey(value) {
  const items = [];
  let cur = '', quote = null, quoted = false;
  for (let i = 0; i < value.length; i++) {
    const ch = value[i];
    if (quote) {
      if (ch === '\\') cur += value[++i];
      else if (ch === quote) quote = null;
      else cur += ch;
    } else if (ch === '"' || ch === "'") {
      quote = ch;
      quoted = true;
    } else if (ch === ',') {
      items.push({ name: cur.trim(), quoted });
      cur = '';
      quoted = false;
    } else cur += ch;
  }
  items.push({ name: cur.trim(), quoted });
  return items
    .map(({ name, quoted }) => {
      const n = quoted ? name : name.replace(/\s+/g, ' ');
      return (!quoted && generics.has(n.toLowerCase()) ? 'g:' : 'n:') + n.toLowerCase();
    })
    .join('|');
}
const listKey = (list) =>
  list.families.map((f) => (f.state === 'generic' ? 'g:' : 'n:') + f.name.toLowerCase()).join('|');

const scratch = mkdtempSync(join(tmpdir(), 'typecask-css-'));
function check(file) {
  let out;
  try {
    out = execFileSync(cli, ['check', '--css', '--json', file], { encoding: 'utf8' });
  } catch (e) {
    out = e.stdout; // exit status 1: a list that fails
  }
  return JSON.parse(out);
}
// A list's drawing: character -> the family that draws it.
function drawing(list) {
  const byChar = new Map();
  for (const d of list.drawnBy) for (const ch of d.characters) byChar.set(ch, d.family);
  return { list, byChar };
}
// The default font's drawing of some text, on a page of its own.
let pageNumber = 0;
const defaults = new Map();
const escapeHtml = (s) =>
  s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
function defaultDrawing(family, text) {
  if (defaults.has(text)) return defaults.get(text);
  const file = join(scratch, `d${pageNumber++}.html`);
  writeFileSync(file, `<!DOCTYPE html><meta charset="utf-8"><p style="font-family: ${escapeHtml(family)}">${escapeHtml(text)}</p>\n`);
  const list = check(file).lists[0];
  const r = list ? drawing(list) : null;
  defaults.set(text, r);
  return r;
}

const browser = await launchChromium();

const nodes = [];
let defaultKey = null;
try {
  const tab = await browser.newPage();
  // What Chromium's computed style says for text no rule styles.
  await tab.setContent('<p>x</p>');
  defaultKey = computedKey(await tab.evaluate(() => getComputedStyle(document.querySelector('p')).fontFamily));
  for (const page of pages) {
    try {
      await tab.goto(pathToFileURL(page).href, { waitUntil: 'load', timeout: 30000 });
    } catch (e) {
      console.log(`not loaded: ${page}: ${e.message.split('\n')[0]}`);
      continue;
    }
    const cdp = await tab.context().newCDPSession(tab);
    await cdp.send('DOM.enable');
    await cdp.send('CSS.enable');
    const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
    const texts = [];
    const walk = (n, hidden) => {
      const name = (n.nodeName || '').toLowerCase();
      const skip = hidden || ['head', 'script', 'style', 'title', 'noscript', 'template', 'textarea'].includes(name);
      if (n.nodeType === 3 && !skip && [...n.nodeValue].some((ch) => needsGlyph(ch.codePointAt(0)))) texts.push(n);
      for (const c of n.children || []) walk(c, skip);
      if (n.contentDocument) walk(n.contentDocument, skip);
    };
    walk(root, false);
    // Requests go out in batches: one round trip per node would make the manuals take minutes.
    const styleOf = new Map(); // parent node -> its computed font-family
    const familyOf = (parentId) => {
      if (!styleOf.has(parentId))
        styleOf.set(
          parentId,
          cdp
            .send('CSS.getComputedStyleForNode', { nodeId: parentId })
            .then(({ computedStyle }) => computedStyle.find((p) => p.name === 'font-family')?.value ?? '')
        );
      return styleOf.get(parentId);
    };
    const chosen = texts.slice(0, maxNodesPerPage);
    for (let i = 0; i < chosen.length; i += 100) {
      const batch = await Promise.all(
        chosen.slice(i, i + 100).map(async (t) => {
          try {
            const { fonts } = await cdp.send('CSS.getPlatformFontsForNode', { nodeId: t.nodeId });
            if (!fonts.length) return null; // not drawn (display: none ...)
            return { page, text: t.nodeValue, family: await familyOf(t.parentId), fonts };
          } catch {
            return null;
          }
        })
      );
      for (const n of batch) if (n) nodes.push(n);
    }
    await cdp.detach();
  }
} finally {
  await browser.close();
}

// The check over each page once.
const byPage = new Map();
for (const page of new Set(nodes.map((n) => n.page))) {
  const lists = new Map();
  for (const l of check(page).lists) lists.set(listKey(l), drawing(l));
  byPage.set(page, lists);
}

let agree = 0;
const disagreements = new Map();
for (const n of nodes) {
  const key = computedKey(n.family);
  const chars = [...n.text].filter((ch) => needsGlyph(ch.codePointAt(0)));
  let d = byPage.get(n.page).get(key);
  let why = '';
  if (!d && key === defaultKey) d = defaultDrawing(n.family, chars.join(''));
  if (!d) why = 'no such list';
  const used = n.fonts.filter((f) => f.glyphCount > 0).map((f) => f.familyName);
  const ours = [];
  if (d) {
    for (const ch of chars) {
      const f = d.byChar.get(ch);
      if (!f) {
        why = `"${ch}" not charged to the list`;
        break;
      }
      if (!ours.some((o) => sameFamily(o, f))) ours.push(f);
    }
  }
  if (!why) {
    const missing = ours.filter((o) => !used.some((u) => sameFamily(u, o)));
    // A space between runs of other fonts is drawn in the list's first font, which then
    // appears beside them; spaces are no character the check charges.
    const spaced = /\S\s+\S/.test(n.text);
    const extra = used.filter((u) => !ours.some((o) => sameFamily(u, o)) && !(spaced && sameFamily(u, d.list.resolved)));
    if (missing.length || extra.length) why = `check: ${ours.join(' + ')}`;
  }
  if (!why) {
    agree++;
  } else {
    const k = `${n.family} -> ${why}; Chromium: ${used.join(' + ')}`;
    const e = disagreements.get(k) || { count: 0, example: n.text.trim().slice(0, 40), page: n.page };
    e.count++;
    disagreements.set(k, e);
  }
}
rmSync(scratch, { recursive: true, force: true });

const percent = nodes.length ? (100 * agree) / nodes.length : 0;
console.log(`${process.env.LANG || 'no LANG'}: ${pages.length} pages, ${nodes.length} text nodes`);
for (const [key, d] of [...disagreements].sort((a, b) => b[1].count - a[1].count))
  console.log(`disagree ${d.count}x: ${key} (e.g. "${d.example}" in ${d.page})`);
console.log(`agreement under ${process.env.LANG || 'no LANG'}: ${agree}/${nodes.length} = ${percent.toFixed(1)}%`);
process.exit(nodes.length > 0 && percent >= minPercent ? 0 : 1);
