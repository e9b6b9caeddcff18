// Loads the HTML copy of an "@" family in Debian's headless Chromium and checks that the text
// stands in a column (taller than wide, one character wide) in the family without its "@".
// Usage: vertical_html_in_chromium.mjs FILE FAMILY [SCREENSHOT.png]
// Exit status: 0 all right, 1 wrong, 77 Chromium could not start at all.
import { readFileSync } from 'node:fs';
import { launchChromium } from './chromium.mjs';

const [file, family, shot] = process.argv.slice(2);
const browser = await launchChromium();
let failures = 0;
try {
  const tab = await browser.newPage({ viewport: { width: 400, height: 900 } });
  await tab.setContent(`<!DOCTYPE html><meta charset="utf-8"><body>${readFileSync(file, 'utf8')}</body>`);
  const span = await tab.$eval('span', (e) => {
    const s = getComputedStyle(e);
    const r = e.getBoundingClientRect();
    return { mode: s.writingMode, family: s.fontFamily, width: r.width, height: r.height, size: parseFloat(s.fontSize) };
  });
  const check = (ok, what) => {
    console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}`);
    if (!ok) failures++;
  };
  check(span.mode === 'vertical-rl', `writing-mode ${span.mode}`);
  check(span.family.replace(/"/g, '') === family, `font-family ${span.family}`);
  check(span.height > span.width && span.width < 2 * span.size, `box ${span.width}x${span.height}`);
  if (shot) await tab.screenshot({ path: shot });
} finally {
  await browser.close();
}
console.log(`${failures === 0 ? 1 : 0} passed, ${failures === 0 ? 0 : 1} failed`);
process.exit(failures === 0 ? 0 : 1);
