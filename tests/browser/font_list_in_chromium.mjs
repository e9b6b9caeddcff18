// Opens a font list page in Debian's headless Chromium and checks, through the DevTools call
// CSS.getPlatformFontsForNode, that every sample cell is drawn in its row's family and that
// every name cell reads as that family's name.
// Usage: node font_list_in_chromium.mjs PAGE NAMES (NAMES: the families the page was made of,
// one a line, in its order)
// Exit status: 0 all rows right, 1 a row wrong, 77 Chromium could not start at all.
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { pathToFileURL } from 'node:url';
import { launchChromium } from './chromium.mjs';

const page = process.argv[2];
const written = readFileSync(process.argv[3], 'utf8').split('\n').filter(Boolean);

// Every name of each family of the font set Chromium sees (FONTCONFIG_FILE), so that a row
// named "IPAゴシック" accepts the face Chromium reports as "IPAGothic".
const familyNames = new Map();
for (const line of execFileSync('fc-list', [':', 'family'], { encoding: 'utf8' }).split('\n')) {
  const names = line.split(',').map((n) => n.trim()).filter(Boolean);
  for (const n of names) familyNames.set(n, new Set([...(familyNames.get(n) || []), ...names]));
}

const browser = await launchChromium();

let failures = 0;
let skipped = 0;
try {
  const tab = await browser.newPage();
  await tab.goto(pathToFileURL(page).href);
  const cdp = await tab.context().newCDPSession(tab);
  await cdp.send('DOM.enable');
  await cdp.send('CSS.enable');
  const { root } = await cdp.send('DOM.getDocument', { depth: -1 });
  const { nodeIds: rows } = await cdp.send('DOM.querySelectorAll', { nodeId: root.nodeId, selector: 'tr' });
  if (rows.length === 0) {
    console.log('no rows in the page');
    failures++;
  }
  const shownNames = await tab.$$eval('tr', (trs) => trs.map((tr) => tr.cells[0].textContent));
  if (rows.length !== written.length) {
    console.log(`${rows.length} rows for ${written.length} families`);
    failures++;
  }
  for (let i = 0; i < rows.length; i++) {
    const name = written[i];
    const { nodeId: sample } = await cdp.send('DOM.querySelector', {
      nodeId: rows[i],
      selector: 'td:nth-child(2) font',
    });
    const { attributes } = await cdp.send('DOM.getAttributes', { nodeId: sample });
    const face = attributes[attributes.indexOf('face') + 1] ?? attributes[attributes.indexOf('FACE') + 1];
    const { fonts } = await cdp.send('CSS.getPlatformFontsForNode', { nodeId: sample });
    const used = fonts.map((f) => f.familyName);
    const accepted = familyNames.get(face) || new Set([face]);
    // Browsers draw TrueType and OpenType faces only: a family that fontconfig answers with
    // its Type 1 face (URW's Nimbus Sans Narrow ships both) cannot be drawn in any page.
    const format = execFileSync('fc-match', ['-f', '%{fontformat}', name], { encoding: 'utf8' });
    if (format !== 'TrueType' && format !== 'CFF') {
      console.log(`skip ${name}: fontconfig gives its ${format} face, which Chromium does not draw`);
      skipped++;
      continue;
    }
    const ok = shownNames[i] === name && face === name && fonts.length === 1 && accepted.has(used[0]);
    console.log(`${ok ? 'ok  ' : 'FAIL'} ${name}: reads "${shownNames[i]}", drawn in ${used.join(', ') || 'nothing'}`);
    if (!ok) failures++;
  }
  if (skipped * 2 > rows.length) {
    console.log('most families could not be checked');
    failures++;
  }
  console.log(`${rows.length - failures - skipped} passed, ${failures} failed, ${skipped} skipped`);
} finally {
  await browser.close();
}
process.exit(failures ? 1 : 0);
