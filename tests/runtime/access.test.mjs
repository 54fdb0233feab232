// Keyboard, screen readers and touch.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser, withMenu, item, submenu, css, shown, box } from './harness.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

const focused = (page) => page.evaluate(() => document.activeElement.textContent.trim());
async function keys(page, ...names) {
  for (const name of names) await page.keyboard.press(name);
}

test('roles and states tell screen readers what the menu is', () => withMenu(browser, {}, {}, async (page) => {
  const bar = page.getByRole('menubar', { name: 'Site Menu' });
  assert.equal(await bar.getAttribute('aria-orientation'), 'vertical');
  assert.equal(await item(page, 'Products').getAttribute('aria-haspopup'), 'menu');
  assert.equal(await item(page, 'Products').getAttribute('aria-expanded'), 'false');
  assert.equal(await item(page, 'Home').getAttribute('aria-haspopup'), null);
  assert.equal(await bar.getByRole('separator').count(), 1);
  await item(page, 'Products').focus();
  await keys(page, 'ArrowRight');
  assert.equal(await item(page, 'Products').getAttribute('aria-expanded'), 'true');
  assert.equal(await item(page, 'Products').getAttribute('aria-controls'), await submenu(page, 'Products').getAttribute('id'));
}));

test('Tab reaches the menu once and leaves it with the next Tab', () => withMenu(browser, {}, {}, async (page) => {
  await keys(page, 'Tab');
  assert.equal(await focused(page), 'Home');
  assert.equal(await css(item(page, 'Home'), 'outlineStyle'), 'dotted');
  await keys(page, 'ArrowDown', 'Tab');
  assert.equal(await page.evaluate(() => !!document.activeElement.closest('.tmz')), false);
  await keys(page, 'Shift+Tab');
  assert.equal(await focused(page), 'Products', 'the menu remembers its item');
}));

test('arrow keys, Home and End move through a menu, skipping separators and wrapping', () => withMenu(browser, {}, {}, async (page) => {
  await item(page, 'Home').focus();
  const seen = [];
  for (const key of ['ArrowDown', 'ArrowDown', 'ArrowUp', 'ArrowUp', 'ArrowUp', 'Home', 'End']) {
    await keys(page, key);
    seen.push(await focused(page));
  }
  assert.deepEqual(seen, ['Products', "Tom's page", 'Products', 'Home', 'Archive', 'Home', 'Archive']);
}));

test('right opens a submenu, Escape and left close it and return to the parent item', () => withMenu(browser, {}, {}, async (page) => {
  await item(page, 'Products').focus();
  await keys(page, 'ArrowRight');
  assert.equal(await focused(page), 'Widgets');
  await keys(page, 'ArrowDown');
  assert.equal(await css(item(page, 'Gadgets').locator('.tmz-o'), 'display'), 'block', 'a focused item shows the opened arrow');
  await keys(page, 'ArrowRight');
  assert.equal(await focused(page), 'Gizmo');
  await keys(page, 'Escape');
  assert.equal(await focused(page), 'Gadgets');
  assert.equal(await shown(submenu(page, 'Gadgets')), false);
  await keys(page, 'ArrowLeft');
  assert.equal(await focused(page), 'Products');
  assert.equal(await shown(submenu(page, 'Products')), false);
}));

// The focused item lies inside the visible part of its scrolling list.
async function inView(page, name, list) {
  const r = await box(item(page, name)), l = await box(list);
  return r.top >= l.top && r.bottom <= l.bottom;
}

test('the keyboard brings the focused item into view in a menu that scrolls its items', () =>
  withMenu(browser, { 5: '3' }, { viewport: { width: 800, height: 420 } }, async (page) => {
    await item(page, 'Archive').focus();
    await keys(page, 'ArrowRight', 'End');
    assert.equal(await focused(page), 'Year 1977');
    assert.ok(await inView(page, 'Year 1977', submenu(page, 'Archive')), 'the last year is shown');
    await keys(page, 'Home');
    assert.ok(await inView(page, 'Year 2006', submenu(page, 'Archive')), 'the first year is shown again');
    await keys(page, 'Escape');
    await page.setViewportSize({ width: 800, height: 150 });
    await page.waitForFunction(() => {
      const l = document.querySelector('[role=menubar]');
      return l.scrollHeight > l.clientHeight;
    });
    await keys(page, 'End');
    assert.equal(await focused(page), 'Archive');
    assert.ok(await inView(page, 'Archive', page.getByRole('menubar')), 'the last main item is shown');
    assert.equal(await page.evaluate(() => scrollY), 0, 'the page itself stays put');
  }));

test('Enter follows an item\'s link, or opens the submenu of an item without one', () => withMenu(browser, {}, {}, async (page) => {
  await item(page, 'About').focus();
  await keys(page, 'Enter');
  assert.equal(await focused(page), 'Team');
  // A status message with double quotes arrives intact, as the item's tip.
  assert.equal(await item(page, 'Team').getAttribute('title'), 'Say "hi" to us');
  await keys(page, 'Enter');
  await page.waitForURL(/team\.html$/);
}));

test('a tap opens a submenu, a second tap follows the link', () => withMenu(browser, {}, { hasTouch: true }, async (page) => {
  await item(page, 'Products').tap();
  assert.ok(await shown(submenu(page, 'Products')));
  assert.match(page.url(), /basic\.html$/);
  await item(page, 'Products').tap();
  await page.waitForURL(/products\.html$/);
}));

test('a tap outside the menu closes its submenus', () => withMenu(browser, {}, { hasTouch: true }, async (page) => {
  await item(page, 'About').tap();
  assert.ok(await item(page, 'Team').isVisible(), 'the tap opened the submenu');
  await page.touchscreen.tap(700, 500);
  assert.equal(await shown(submenu(page, 'About')), false);
}));

test('an item without a link closes its submenu on a second tap', () => withMenu(browser, {}, { hasTouch: true }, async (page) => {
  await item(page, 'About').tap();
  assert.ok(await shown(submenu(page, 'About')));
  await item(page, 'About').tap();
  assert.equal(await shown(submenu(page, 'About')), false);
}));

test('a submenu with nothing to focus opens from the keyboard and keeps focus on its item', () =>
  withMenu(browser, { items: { Team: { 23: '1' }, Contact: { 23: '1' } } }, {}, async (page) => {
    await item(page, 'About').focus();
    await keys(page, 'ArrowRight');
    assert.ok(await shown(submenu(page, 'About')));
    assert.equal(await focused(page), 'About');
    await keys(page, 'Escape');
    assert.equal(await shown(submenu(page, 'About')), false);
    assert.equal(await focused(page), 'About');
  }));
