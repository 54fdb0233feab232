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
