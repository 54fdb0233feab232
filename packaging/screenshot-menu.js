// Photographs a published menu with a submenu open, the pointer resting on
// items as a visitor's would. Uses the browser driver of the run-time tests.
// Usage: node packaging/screenshot-menu.js PAGE.html OUT.png [WIDTHxHEIGHT]
const path = require('path');
const { chromium } = require(path.join(__dirname, '..', 'tests', 'runtime', 'node_modules', 'playwright-core'));

(async () => {
  const [page, out, size = '860x240'] = process.argv.slice(2);
  const [width, height] = size.split('x').map(Number);
  const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: ['--no-sandbox'] });
  const tab = await browser.newPage({ viewport: { width, height } });
  await tab.goto('file://' + path.resolve(page));
  for (const caption of ['Products', 'Software']) {
    await tab.locator('.tmz-i').getByText(caption, { exact: true }).hover();
    await tab.waitForTimeout(700);
  }
  await tab.screenshot({ path: out });
  await browser.close();
})().catch((e) => { console.error(e); process.exit(1); });
