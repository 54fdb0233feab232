// Photographs each shipped template as a visitor sees it: published by the
// command-line tool, pasted into a page, with the pointer on the first item
// of the first submenu (its submenu slides open too), cropped to the menu.
// Uses the browser driver of the run-time tests.
// Usage: node packaging/screenshot-templates.js BUILD_BIN_DIR OUT_DIR
const path = require('path');
const fs = require('fs');
const os = require('os');
const { execFileSync } = require('child_process');
const { chromium } = require(path.join(__dirname, '..', 'tests', 'runtime', 'node_modules', 'playwright-core'));

const templates = path.join(__dirname, '..', 'data', 'templates');
const slug = (name) => name.toLowerCase().replace(/[^a-z0-9]+/g, '-');

function page(work, name) {
  const project = path.join(work, 'menu.tmz');
  fs.copyFileSync(path.join(templates, name + '.tmz'), project);
  execFileSync(path.join(process.argv[2], 'trellimenu-cli'), ['publish', project], { stdio: 'pipe' });
  const published = fs.readFileSync(path.join(work, 'menu.html'), 'latin1');
  const end = '<!-- CODES END -->';
  const block = published.slice(published.indexOf('<!-- CODES BEGIN -->'), published.indexOf(end) + end.length);
  const file = path.join(work, 'shot.html');
  fs.writeFileSync(file, '<!DOCTYPE html><html lang="en"><head><title>' + name + '</title></head>' +
    '<body style="margin:0;background:#fff">' + block + '</body></html>', 'latin1');
  return file;
}

(async () => {
  const [, , , out] = process.argv;
  const browser = await chromium.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', args: ['--no-sandbox'] });
  const work = fs.mkdtempSync(path.join(os.tmpdir(), 'tmz-shots-'));
  try {
    for (const name of fs.readdirSync(templates).filter((f) => f.endsWith('.tmz')).map((f) => f.slice(0, -4)).sort()) {
      const tab = await browser.newPage({ viewport: { width: 800, height: 320 } });
      await tab.goto('file://' + page(work, name));
      const parent = tab.locator('.tmz-main > li .tmz-t').first();
      await parent.hover();
      await tab.waitForTimeout(600);
      await tab.locator('#' + await parent.getAttribute('aria-controls') + ' > li:not(.tmz-own) .tmz-i').first().hover();
      await tab.waitForTimeout(900);
      const r = await tab.evaluate(() => {
        const boxes = [...document.querySelectorAll('.tmz, .tmz-sub:not([hidden])')].map((e) => e.getBoundingClientRect());
        return { x: Math.min(...boxes.map((b) => b.left)), y: Math.min(...boxes.map((b) => b.top)),
          right: Math.max(...boxes.map((b) => b.right)), bottom: Math.max(...boxes.map((b) => b.bottom)) };
      });
      const m = 8, x = Math.max(0, r.x - m), y = Math.max(0, r.y - m);
      await tab.screenshot({ path: path.join(out, 'template-' + slug(name) + '.png'),
        clip: { x, y, width: r.right + m - x, height: r.bottom + m - y } });
      await tab.close();
    }
  } finally {
    await browser.close();
    fs.rmSync(work, { recursive: true, force: true });
  }
})().catch((e) => { console.error(e); process.exit(1); });
