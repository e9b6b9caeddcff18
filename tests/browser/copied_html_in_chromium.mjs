// Loads each copied HTML fragment in Debian's headless Chromium and checks the computed
// font-weight and font-style of every element holding text against the style in the file's
// name (NAME-regular.html, NAME-bold.html, NAME-italic.html, NAME-bold-italic.html).
// Exit status: 0 all right, 1 a fragment wrong, 77 Chromium could not start at all.
import { readFileSync } from 'node:fs';
import { basename } from 'node:path';
import { launchChromium } from './chromium.mjs';

const browser = await launchChromium();

let failures = 0;
let checked = 0;
try {
  const tab = await browser.newPage();
  for (const file of process.argv.slice(2)) {
    const style = basename(file, '.html').replace(/^[a-z]+-/, '');
    const bold = style.startsWith('bold');
    const italic = style.endsWith('italic');
    await tab.setContent(`<!DOCTYPE html><meta charset="utf-8"><body>${readFileSync(file, 'utf8')}</body>`);
    const seen = await tab.$$eval('body *', (els) =>
      els
        .filter((e) => [...e.childNodes].some((n) => n.nodeType === Node.TEXT_NODE && n.textContent.trim()))
        .map((e) => {
          const s = getComputedStyle(e);
          return { text: e.textContent, weight: Number(s.fontWeight), style: s.fontStyle };
        }),
    );
    if (seen.length === 0) {
      console.log(`FAIL ${basename(file)}: no text`);
      failures++;
    }
    for (const s of seen) {
      const ok = (s.weight >= 700) === bold && (s.style === 'italic') === italic;
      console.log(`${ok ? 'ok  ' : 'FAIL'} ${basename(file)} "${s.text}": weight ${s.weight}, ${s.style}`);
      if (!ok) failures++;
      checked++;
    }
  }
  console.log(`${checked - failures} passed, ${failures} failed`);
} finally {
  await browser.close();
}
process.exit(failures ? 1 : 0);
