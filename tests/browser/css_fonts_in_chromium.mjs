// Compares typecask-cli check --css with what Debian's headless Chromium draws. For every text
// node of every page, the DevTools call CSS.getPlatformFontsForNode names the fonts Chromium used;
// the check resolves the node's computed font-family on a page of its own. A node agrees when the
// resolved family draws it (unless none of its characters are covered) and other fonts appear
// exactly when the check says some of its characters are uncovered.
// Usage: node css_fonts_in_chromium.mjs MIN_PERCENT PAGE...
// Exit status: 0 agreement at least MIN_PERCENT, 1 below, 77 Chromium could not start at all.
import { execFileSync } from 'node:child_process';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const minPercent = Number(process.argv[2]);
const pages = process.argv.slice(3);
const cli = process.env.TYPECASK_CLI;
const executablePath = process.env.TYPECASK_CHROMIUM || '/usr/bin/chromium';
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

const scratch = mkdtempSync(join(tmpdir(), 'typecask-css-'));
const resolutions = new Map(); // computed font-family -> { resolved, uncovered:Set, exact }
const escapeHtml = (s) => s.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
let pageNumber = 0;
function resolve(fontFamily, text) {
  // One small page per distinct value: the node's text under the computed list.
  const key = fontFamily;
  if (resolutions.has(key)) return resolutions.get(key);
  const file = join(scratch, `p${pageNumber++}.html`);
  writeFileSync(file, `<!DOCTYPE html><meta charset="utf-8"><p style="font-family: ${escapeHtml(fontFamily)}">${escapeHtml(text)}</p>\n`);
  let out;
  try {
    out = execFileSync(cli, ['check', '--css', '--json', file], { encoding: 'utf8' });
  } catch (e) {
    out = e.stdout; // exit status 1: uncovered text or nothing installed named
  }
  const list = JSON.parse(out).lists[0];
  const r = list
    ? { resolved: list.resolved, uncovered: new Set(list.uncovered), exact: list.uncoveredCount <= list.uncovered.length }
    : null;
  resolutions.set(key, r);
  return r;
}

let browser;
try {
  browser = await chromium.launch({ executablePath, args: ['--no-sandbox'] });
} catch (e) {
  console.log(`SKIP: Chromium (${executablePath}) cannot start: ${e.message.split('\n')[0]}`);
  process.exit(77);
}

// First collect every drawn text node with its computed list and fonts; then resolve each
// distinct list once over the text of all its nodes.
const nodes = [];
try {
  const tab = await browser.newPage();
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

const textByFamily = new Map();
for (const n of nodes) textByFamily.set(n.family, (textByFamily.get(n.family) || '') + n.text);
for (const [family, text] of textByFamily) resolve(family, text);

let agree = 0;
const disagreements = new Map();
for (const n of nodes) {
  const r = resolutions.get(n.family);
  const used = n.fonts.map((f) => f.familyName);
  let ok = false;
  if (r) {
    const chars = [...n.text].filter((ch) => needsGlyph(ch.codePointAt(0)));
    const uncovered = chars.filter((ch) => r.uncovered.has(ch));
    const covered = chars.filter((ch) => !r.uncovered.has(ch));
    // Beyond the characters the report lists, a character's coverage is not known here.
    const unknown = !r.exact && covered.some((ch) => ch.codePointAt(0) > 0x7f);
    const drawsIt = covered.length === 0 || used.some((u) => sameFamily(u, r.resolved));
    const fallback = used.some((u) => !sameFamily(u, r.resolved));
    ok = drawsIt && (unknown || fallback === uncovered.length > 0);
  }
  if (ok) {
    agree++;
  } else {
    const key = `${n.family} -> check: ${r ? r.resolved : 'no list'}; Chromium: ${used.join(' + ')}`;
    const d = disagreements.get(key) || { count: 0, example: n.text.trim().slice(0, 40), page: n.page };
    d.count++;
    disagreements.set(key, d);
  }
}
rmSync(scratch, { recursive: true, force: true });

if (process.env.TYPECASK_VERBOSE) {
  const seen = new Map();
  for (const n of nodes) {
    const key = `${n.family} -> check: ${resolutions.get(n.family)?.resolved}; Chromium: ${n.fonts.map((f) => f.familyName).join(' + ')}`;
    seen.set(key, (seen.get(key) || 0) + 1);
  }
  for (const [k, c] of seen) console.log(`  ${c}x ${k}`);
}

const percent = nodes.length ? (100 * agree) / nodes.length : 0;
console.log(`${pages.length} pages, ${nodes.length} text nodes, ${textByFamily.size} distinct font-family values`);
for (const [key, d] of [...disagreements].sort((a, b) => b[1].count - a[1].count))
  console.log(`disagree ${d.count}x: ${key} (e.g. "${d.example}" in ${d.page})`);
console.log(`agreement: ${agree}/${nodes.length} = ${percent.toFixed(1)}%`);
process.exit(nodes.length > 0 && percent >= minPercent ? 0 : 1);
