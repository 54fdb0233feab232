// Keyboard, screen readers and touch.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { launchBrowser, mainMenu, withMenu, item, toggle, submenu, css, shown, box } from './harness.mjs';

const require = createRequire(import.meta.url);
let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

async function keys(page, ...names) {
  for (const name of names) await page.keyboard.press(name);
}

// The names of the focused element: its own label, else its text.
const focused = (page) => page.evaluate(() => document.activeElement.getAttribute('aria-label') ||
  document.activeElement.textContent.trim());

/** Runs axe-core on the page; resolves to the violations' ids. */
export async function axeViolations(page) {
  await page.addScriptTag({ path: require.resolve('axe-core/axe.min.js') });
  return page.evaluate(async () => (await window.axe.run({ include: [['.tmz-nav']] }, { resultTypes: ['violations'] })).violations
    .map((v) => v.id + ': ' + v.nodes.map((n) => n.target.join(' ')).join(', ')));
}

test('links stay links and each submenu has a toggle button; no menu roles, and axe finds nothing', () =>
  withMenu(browser, {}, {}, async (page) => {
    const nav = page.getByRole('navigation', { name: 'Site Menu' });
    assert.equal(await page.locator('[role=menu],[role=menubar],[role=menuitem],[role=none]').count(), 0);
    assert.equal(await nav.getByRole('link', { name: 'Products', exact: true }).getAttribute('href'), 'products.html');
    const products = nav.getByRole('button', { name: 'Products submenu', exact: true });
    assert.equal(await products.getAttribute('aria-expanded'), 'false');
    assert.equal(await products.getAttribute('aria-controls'), await submenu(page, 'Products').getAttribute('id'));
    assert.equal(await nav.getByRole('button', { name: 'About', exact: true }).getAttribute('aria-expanded'), 'false');
    assert.equal(await nav.getByRole('link', { name: 'Home' }).getAttribute('aria-expanded'), null);
    assert.deepEqual(await axeViolations(page), []);
    await products.click();
    assert.equal(await products.getAttribute('aria-expanded'), 'true');
    assert.ok(await shown(submenu(page, 'Products')));
    assert.deepEqual(await axeViolations(page), []);
  }));

test('Tab goes through links and toggles in order, Enter and Space open, Escape closes and returns to the toggle', () =>
  withMenu(browser, {}, {}, async (page) => {
    const seen = [];
    const step = async (...names) => {
      await keys(page, ...names);
      seen.push(await focused(page));
    };
    await step('Tab');
    await step('Tab');
    await step('Tab');
    await keys(page, 'Enter');
    assert.ok(await shown(submenu(page, 'Products')), 'Enter opened the submenu');
    assert.equal(await focused(page), 'Products submenu', 'focus stays on the toggle');
    for (let i = 0; i < 5; i++) await step('Tab');
    assert.equal(await shown(submenu(page, 'Products')), false, 'Tab past the submenu closed it');
    await step('Tab');
    await keys(page, 'Space');
    await step('Tab');
    await step('Escape');
    assert.equal(await shown(submenu(page, 'About')), false);
    await step('Shift+Tab');
    assert.deepEqual(seen, ['Home', 'Products', 'Products submenu', 'Widgets', 'Gadgets', 'Gadgets submenu', 'Tools',
      "Tom's page", 'About', 'Team', 'About', "Tom's page"]);
    assert.equal(await css(item(page, "Tom's page"), 'outlineStyle'), 'dotted');
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

test('right opens a submenu, Escape and left close it and return to its toggle', () => withMenu(browser, {}, {}, async (page) => {
  await item(page, 'Products').focus();
  await keys(page, 'ArrowRight');
  assert.equal(await focused(page), 'Widgets');
  await keys(page, 'ArrowDown');
  assert.equal(await css(toggle(page, 'Gadgets').locator('.tmz-o'), 'display'), 'block', 'a focused item shows the opened arrow');
  await keys(page, 'ArrowRight');
  assert.equal(await focused(page), 'Gizmo');
  await keys(page, 'Escape');
  assert.equal(await focused(page), 'Gadgets submenu');
  assert.equal(await shown(submenu(page, 'Gadgets')), false);
  await keys(page, 'ArrowLeft');
  assert.equal(await focused(page), 'Products submenu');
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
      const l = document.querySelector('.tmz-main');
      return l.scrollHeight > l.clientHeight;
    });
    await keys(page, 'End');
    assert.equal(await focused(page), 'Archive');
    assert.ok(await inView(page, 'Archive', mainMenu(page)), 'the last main item is shown');
    assert.equal(await page.evaluate(() => scrollY), 0, 'the page itself stays put');
  }));

test('Enter follows an item\'s link, or opens the submenu of an item without one', () => withMenu(browser, {}, {}, async (page) => {
  await item(page, 'About').focus();
  await keys(page, 'Enter', 'Tab');
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
