// Debian's headless Chromium as every browser test starts it: TYPECASK_CHROMIUM or
// /usr/bin/chromium, without the sandbox (CI runs as root). A Chromium that cannot start at all
// ends the test as skipped (exit status 77).
import { chromium } from 'playwright-core';

export async function launchChromium() {
  const executablePath = process.env.TYPECASK_CHROMIUM || '/usr/bin/chromium';
  try {
    return await chromium.launch({ executablePath, args: ['--no-sandbox'] });
  } catch (e) {
    console.log(`SKIP: Chromium (${executablePath}) cannot start: ${e.message.split('\n')[0]}`);
    process.exit(77);
  }
}
