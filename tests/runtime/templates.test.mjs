// Every shipped template, on a desktop and on a phone: text readable against
// its colours, the menu inside a landmark, the roles screen readers expect,
// and every item within reach of a finger.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { readdirSync } from 'node:fs';
import { launchBrowser, mainMenu, menuPage, PHONE, TEMPLATES, box } from './harness.mjs';

const AXE = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
const RULES = ['color-contrast', 'region', 'aria-required-children', 'aria-required-parent', 'nested-interactive'];
const NAMES = readdirSync(TEMPLATES).filter((f) => f.endsWith('.tmz')).map((f) => f.slice(0, -4)).sort();

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

async function violations(page) {
  if (!(await page.evaluate(() => !!window.axe))) await page.addScriptTag({ path: AXE });
  const result = await page.evaluate((values) => window.axe.run(document, { runOnly: { type: 'rule', values } }), RULES);
  return result.violations.flatMap((v) => v.nodes.map((n) => v.id + ' at ' + n.target.join(' ') + ': ' + n.failureSummary));
}

// The items with a submenu directly in a menu.
const parents = (menu) => menu.locator(':scope > li > .tmz-t, :scope > li > .tmz-r > .tmz-t');

// Opens the first submenu of each level from the keyboard, as deep as the
// menu goes: open parents and the focused item show the mouse-over colours.
async function openFirstPath(page) {
  let menu = mainMenu(page);
  while (await parents(menu).count()) {
    const parent = parents(menu).first();
    await parent.focus();
    await page.keyboard.press('ArrowRight');
    menu = page.locator('#' + await parent.getAttribute('aria-controls'));
  }
}

// Taps open every submenu in turn; every item must show inside the screen as
// a full touch target. Returns how many items (the parents' own links aside) it saw.
async function tapThrough(page, menu) {
  let seen = 0;
  for (const link of await menu.locator(':scope > li:not(.tmz-own) > .tmz-i, :scope > li:not(.tmz-own) > .tmz-r > .tmz-i').all()) {
    const r = await box(link);
    assert.ok(r.x >= 0 && r.right <= 390 && r.height >= 44, await link.textContent() + ' is within reach');
    seen++;
  }
  for (const parent of await parents(menu).all()) {
    await parent.tap();
    seen += await tapThrough(page, page.locator('#' + await parent.getAttribute('aria-controls')));
  }
  return seen;
}

for (const name of NAMES) {
  test(name + ': readable, in a landmark, with sound roles, on a desktop and on a phone', async () => {
    const desktop = await menuPage(browser, name, {}, { from: TEMPLATES, viewport: { width: 1000, height: 700 } });
    try {
      await openFirstPath(desktop.page);
      assert.deepEqual(await violations(desktop.page), []);
      assert.deepEqual(desktop.errors, []);
    } finally {
      await desktop.close();
    }
    const phone = await menuPage(browser, name, {}, { from: TEMPLATES, ...PHONE });
    try {
      const page = phone.page;
      assert.deepEqual(await violations(page), [], 'the closed button');
      await page.locator('.tmz-b').tap();
      const items = await page.evaluate(() => window.Trellimenu.menus[0].items.filter((a) => String(a[23]) !== '1').length);
      assert.equal(await tapThrough(page, mainMenu(page)), items, 'every item was reached');
      await page.locator('.tmz-b').tap();
      await page.locator('.tmz-b').tap();
      await parents(mainMenu(page)).first().tap();
      assert.deepEqual(await violations(page), [], 'the open panel');
      assert.deepEqual(phone.errors, []);
    } finally {
      await phone.close();
    }
  });
}

// --- Arrows against their item, read from the screen ---------------------------
import { inflateSync } from 'node:zlib';

// The pixels of a PNG screenshot (8-bit RGB or RGBA, not interlaced) as
// rows of [r, g, b].
function pixels(png) {
  const width = png.readUInt32BE(16), height = png.readUInt32BE(20), bpp = png[25] === 6 ? 4 : 3, data = [];
  for (let at = 8; at < png.length; at += 12 + png.readUInt32BE(at)) {
    if (png.toString('latin1', at + 4, at + 8) === 'IDAT') data.push(png.subarray(at + 8, at + 8 + png.readUInt32BE(at)));
  }
  const raw = inflateSync(Buffer.concat(data)), stride = width * bpp, rows = [];
  let previous = Buffer.alloc(stride);
  for (let y = 0; y < height; y++) {
    const filter = raw[y * (stride + 1)], line = Buffer.from(raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1)));
    for (let i = 0; i < stride; i++) {
      const left = i >= bpp ? line[i - bpp] : 0, up = previous[i], corner = i >= bpp ? previous[i - bpp] : 0;
      const p = left + up - corner, pa = Math.abs(p - left), pb = Math.abs(p - up), pc = Math.abs(p - corner);
      const paeth = pa <= pb && pa <= pc ? left : pb <= pc ? up : corner;
      line[i] = (line[i] + [0, left, up, (left + up) >> 1, paeth][filter]) & 255;
    }
    rows.push(Array.from({ length: width }, (_, x) => [...line.subarray(x * bpp, x * bpp + 3)]));
    previous = line;
  }
  return rows;
}

// WCAG 2 relative luminance and contrast ratio.
const luminance = (rgb) => {
  const [r, g, b] = rgb.map((v) => { const c = v / 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4; });
  return 0.2126 * r + 0.7152 * g + 0.0722 * b;
};
const contrast = (a, b) => { const [hi, lo] = [luminance(a), luminance(b)].sort((x, y) => y - x); return (hi + 0.05) / (lo + 0.05); };

test('the worked examples of the contrast formula', () => {
  assert.equal(contrast([255, 255, 255], [0, 0, 0]), 21);
  assert.equal(contrast([119, 119, 119], [255, 255, 255]).toFixed(2), '4.48');
});

// The arrow's pixel that stands out most from the item round it (the blank
// corner of the arrow's box), closed and under the pointer.
test('in every template the submenu arrows contrast 3:1 with their item, closed and under the pointer', async () => {
  const ratios = [];
  for (const name of NAMES) {
    const menu = await menuPage(browser, name, {}, { from: TEMPLATES, viewport: { width: 1280, height: 800 }, site: true });
    try {
      const { page } = menu;
      const parent = mainMenu(page).locator(':scope > li.tmz-h').first();
      for (const [state, arrow] of [['closed', '.tmz-n'], ['under the pointer', '.tmz-o']]) {
        if (state !== 'closed') await parent.locator('.tmz-i').hover();
        const r = await box(parent.locator(arrow));
        const clip = { x: Math.floor(r.x), y: Math.floor(r.y), width: Math.ceil(r.width) + 1, height: Math.ceil(r.height) + 1 };
        const shot = pixels(await page.screenshot({ clip })), ground = shot[0][0];
        const ink = shot.flat().reduce((best, p) => contrast(p, ground) > contrast(best, ground) ? p : best, ground);
        const ratio = contrast(ink, ground);
        ratios.push(name + ' ' + state + ': ' + ratio.toFixed(2));
        assert.ok(ratio >= 3, name + ', ' + state + ': ' + ratio.toFixed(2) + ':1 between ' + ink + ' and ' + ground);
      }
    } finally {
      await menu.close();
    }
  }
  console.log(ratios.join('\n'));
});
