// The menu on a phone and in any window too narrow for it: one button at
// the menu's place that opens the whole menu as a panel across the window,
// with submenus opening in place under their items.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { writeFileSync, rmSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { launchBrowser, mainMenu, menuPage, publish, serve, openPage, item, toggle, submenu, css, box, shown, PHONE } from './harness.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

async function onPage(values, options, body) {
  const menu = await menuPage(browser, 'basic', values, options);
  try {
    await body(menu.page);
    assert.deepEqual(menu.errors, []);
  } finally {
    await menu.close();
  }
}
const onPhone = (values, body) => onPage(values, PHONE, body);

// On the panel a parent's own link, of the same name, follows it.
const parent = (page, name) => item(page, name).first();
// Resizing takes effect with the next frames.
async function resize(page, width, height) {
  await page.setViewportSize({ width, height });
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
}
const button = (page) => page.getByRole('button', { name: 'Site Menu' });
const panel = (page) => page.locator('.tmz');
const focused = (page) => page.evaluate(() => document.activeElement.textContent.trim());
const shownItems = (page) => page.locator('.tmz .tmz-i').evaluateAll((all) =>
  all.filter((a) => a.getClientRects().length).map((a) => ({ name: a.textContent, ...a.getBoundingClientRect().toJSON() })));
// The angle an element is turned by, in degrees.
const turned = (locator) => locator.evaluate((e) => {
  const m = new DOMMatrix(getComputedStyle(e).transform);
  return Math.round(Math.atan2(m.b, m.a) * 180 / Math.PI);
});

test('a phone shows one button at the menu\'s place, in the menu\'s look, inside the landmark', () => onPhone({}, async (page) => {
  const b = button(page);
  assert.ok(await b.isVisible());
  assert.equal(await b.getAttribute('aria-expanded'), 'false');
  assert.equal(await page.getByRole('navigation', { name: 'Site Menu' }).getByRole('button').count(), 1);
  const r = await box(b);
  assert.deepEqual([r.x, r.y], [120, 90]);
  assert.ok(r.height >= 44 && r.width >= 44, 'a full touch target');
  assert.equal(await css(b, 'color'), 'rgb(255, 255, 0)');
  assert.equal(await css(b, 'backgroundColor'), 'rgb(32, 48, 64)');
  assert.match(await css(b, 'fontFamily'), /^Verdana/);
  assert.equal(await shown(panel(page)), false, 'the floating menu does not cover the page');
}));

test('the button opens the whole menu as a panel across the window, with items 44 px tall', () => onPhone({}, async (page) => {
  await button(page).tap();
  assert.equal(await button(page).getAttribute('aria-expanded'), 'true');
  const p = await box(panel(page)), b = await box(button(page));
  assert.ok(p.x >= 0 && p.right <= 390 && p.width >= 390 - 16, 'as wide as the window less a margin');
  assert.ok(p.y >= b.bottom && p.bottom <= 844, 'below the button, inside the window');
  const items = await shownItems(page);
  assert.deepEqual(items.map((i) => i.name), ['Home', 'Products', "Tom's page", 'About', 'Archive']);
  for (const i of items) assert.ok(i.height >= 44 && i.x >= p.x && i.right <= p.right, i.name + ' is a full touch target');
}));

test('a long panel scrolls inside the window, not past it', () => onPhone({}, async (page) => {
  await resize(page, 390, 420);
  await button(page).tap();
  await item(page, 'Archive').tap();
  const p = await box(panel(page));
  assert.ok(p.bottom <= 420, 'the panel ends inside the window');
  assert.ok(await panel(page).evaluate((e) => e.scrollHeight > e.clientHeight && e.scrollTop > 0),
    'it scrolls, and has scrolled to the opened submenu');
  assert.ok((await box(item(page, 'Year 2006'))).y < 420, 'the first year shows');
}));

test('the open panel stays inside the window while the page scrolls under it', () =>
  onPage({}, { ...PHONE, head: '<style>main { min-height: 4000px }</style>' }, async (page) => {
    await button(page).tap();
    for (const y of [300, 2000]) {
      await page.evaluate((to) => scrollTo(0, to), y);
      await page.evaluate(() => new Promise((r) => requestAnimationFrame(r)));
      const p = await box(panel(page));
      assert.ok(p.y >= 0 && p.bottom <= 844 && p.height > 200, 'scrolled to ' + y + ': ' + JSON.stringify(p));
    }
  }));

test('submenus open in place under their items, and a second tap closes them', () => onPhone({}, async (page) => {
  await button(page).tap();
  await parent(page, 'Products').tap();
  const products = await box(parent(page, 'Products')), sub = await box(submenu(page, 'Products'));
  assert.ok(sub.y >= products.bottom - 1 && sub.x >= products.x && sub.right <= 390, 'under its item, in the window');
  assert.ok((await box(item(page, "Tom's page"))).y >= sub.bottom, 'the items below make room');
  assert.equal(await turned(toggle(page, 'Products').locator('.tmz-o')), 90, 'the arrow points down');
  await parent(page, 'Gadgets').tap();
  const gadgets = await box(parent(page, 'Gadgets')), third = await box(submenu(page, 'Gadgets'));
  assert.ok(third.y >= gadgets.bottom - 1 && third.x >= gadgets.x && third.right <= 390, 'the third level too');
  for (const i of await shownItems(page)) assert.ok(i.height >= 44 && i.right <= 390, i.name);
  await parent(page, 'Products').tap();
  assert.equal(await shown(submenu(page, 'Products')), false);
  assert.equal(await shown(submenu(page, 'Gadgets')), false);
  assert.equal(await toggle(page, 'Products').getAttribute('aria-expanded'), 'false');
  assert.match(page.url(), /site\.html$/, 'no link was followed');
}));

test('a parent\'s own link leads its submenu on the panel, and only there', () => onPhone({}, async (page) => {
  await button(page).tap();
  await parent(page, 'Products').tap();
  const own = submenu(page, 'Products').locator('.tmz-i').first();
  assert.equal(await own.textContent(), 'Products');
  assert.equal(await own.getAttribute('href'), 'products.html');
  await resize(page, 800, 600);
  await parent(page, 'Products').focus();
  await page.keyboard.press('ArrowRight');
  assert.equal(await focused(page), 'Widgets', 'the floating submenu starts with its first item');
  assert.equal(await submenu(page, 'Products').locator('.tmz-i:visible').first().textContent(), 'Widgets');
  await resize(page, 390, 844);
  await button(page).tap();
  await parent(page, 'Products').tap();
  await own.tap();
  await page.waitForURL(/products\.html$/);
}));

test('following a link closes the panel and gives focus back to the button', () => onPhone({}, async (page) => {
  await button(page).tap();
  await parent(page, 'Products').tap();
  const opened = page.context().waitForEvent('page');
  await item(page, 'Widgets').tap();
  assert.match((await opened).url(), /widgets\.html$/);
  assert.equal(await shown(panel(page)), false);
  assert.equal(await button(page).getAttribute('aria-expanded'), 'false');
  assert.equal(await focused(page), 'Site Menu');
}));

test('Escape closes the panel and gives focus back to the button', () => onPhone({}, async (page) => {
  await button(page).focus();
  await page.keyboard.press('Enter');
  assert.ok(await shown(panel(page)));
  await page.keyboard.press('Tab');
  assert.equal(await focused(page), 'Home', 'Tab leads from the button into the panel');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowRight');
  assert.equal(await focused(page), 'Products', 'the parent\'s own link comes first');
  await page.keyboard.press('Escape');
  assert.equal(await shown(panel(page)), false);
  assert.equal(await focused(page), 'Site Menu');
}));

test('a tap outside the panel closes it and gives focus back to the button', () => onPhone({}, async (page) => {
  await button(page).tap();
  await item(page, 'About').tap();
  await page.touchscreen.tap(300, 40);
  assert.equal(await shown(panel(page)), false);
  assert.equal(await button(page).getAttribute('aria-expanded'), 'false');
  assert.equal(await focused(page), 'Site Menu');
}));

test('turning the phone switches to the floating menu and back, without reloading', () => onPhone({}, async (page) => {
  await page.evaluate(() => { window.sameDocument = true; });
  await button(page).tap();
  await resize(page, 844, 390);
  assert.ok(await mainMenu(page).isVisible(), 'the floating menu');
  assert.equal(await button(page).isVisible(), false);
  const r = await box(panel(page));
  assert.deepEqual([r.x, r.y], [120, 90]);
  await parent(page, 'Products').tap();
  assert.ok((await box(submenu(page, 'Products'))).x >= (await box(mainMenu(page))).right, 'beside its menu again');
  await resize(page, 390, 844);
  assert.ok(await button(page).isVisible());
  assert.equal(await button(page).getAttribute('aria-expanded'), 'false');
  assert.equal(await shown(panel(page)), false);
  assert.ok(await page.evaluate(() => window.sameDocument));
}));

test('a narrowed window keeps the dragged menu\'s place for when it widens again', () =>
  onPage({}, { viewport: { width: 800, height: 600 }, site: true }, async (page) => {
    const bar = await box(page.locator('.tmz-bar'));
    await page.mouse.move(bar.x + 10, bar.y + 5);
    await page.mouse.down();
    await page.mouse.move(bar.x + 310, bar.y + 105, { steps: 5 });
    await page.mouse.up();
    await resize(page, 390, 600);
    const b = await box(button(page));
    assert.ok(b.right <= 390 && b.y === 190, 'the button stays inside the window');
    await resize(page, 800, 600);
    const r = await box(panel(page));
    assert.deepEqual([r.x, r.y], [420, 190]);
  }));

test('a window too narrow for the main menu and a submenu side by side shows the button', async () => {
  // The main menu is 560 px wide here, its widest submenu 130 px.
  await onPage({ items: { Home: { 22: '560' } } }, { viewport: { width: 700, height: 600 } }, async (page) => {
    assert.ok(await button(page).isVisible());
    await resize(page, 720, 600);
    assert.ok(await mainMenu(page).isVisible());
  });
});

// The published page in a 460 px frame, as a samples page shows it.
async function inFrame(options, body) {
  const folder = publish('basic');
  writeFileSync(join(folder, 'frame.html'), '<!DOCTYPE html><meta name="viewport" content="width=device-width">' +
    '<title>Frame</title><iframe src="basic.html" title="menu" style="width:460px;height:380px"></iframe>');
  const site = await serve(folder);
  const opened = await openPage(browser, site, 'frame.html', { ...options, drawn: false });
  try {
    const frame = opened.page.frameLocator('iframe');
    await frame.locator('.tmz-main .tmz-i').first().waitFor({ state: 'attached' });
    await body(frame);
  } finally {
    await opened.close();
    site.close();
    rmSync(dirname(folder), { recursive: true, force: true });
  }
}

test('in a frame narrower than 640 px a desktop still shows the floating menu, a phone its button', async () => {
  await inFrame({ viewport: { width: 1000, height: 600 } }, async (frame) => {
    assert.ok(await mainMenu(frame).isVisible());
    assert.equal(await frame.locator('.tmz-b').isVisible(), false);
  });
  await inFrame(PHONE, async (frame) => {
    assert.ok(await frame.getByRole('button', { name: 'Site Menu' }).isVisible());
  });
});
