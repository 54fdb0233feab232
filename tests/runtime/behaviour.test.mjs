// Opening and closing submenus with the pointer, the delays, the pop-up box,
// the slide, and where a submenu goes when the window is short of room.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser, mainMenu, withMenu, item, toggle, submenu, css, box, pointTo, shown } from './harness.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

const away = (page) => page.mouse.move(700, 560);

test('a submenu opens after the open delay and not before', () => withMenu(browser, {}, { clock: true }, async (page, wait) => {
  await pointTo(page, item(page, 'Products'));
  await wait(250);
  assert.equal(await shown(submenu(page, 'Products')), false);
  assert.equal(await toggle(page, 'Products').getAttribute('aria-expanded'), 'false');
  await wait(100);
  assert.ok(await shown(submenu(page, 'Products')));
  assert.equal(await toggle(page, 'Products').getAttribute('aria-expanded'), 'true');
}));

test('an open submenu closes after the close delay once the pointer has left the menu', () => withMenu(browser, {}, { clock: true }, async (page, wait) => {
  await pointTo(page, item(page, 'Products'));
  await wait(350);
  await pointTo(page, item(page, 'Widgets'));
  await away(page);
  await wait(700);
  assert.ok(await shown(submenu(page, 'Products')));
  await wait(150);
  assert.equal(await shown(submenu(page, 'Products')), false);
  assert.equal(await toggle(page, 'Products').getAttribute('aria-expanded'), 'false');
}));

test('coming back before the close delay keeps the submenu open', () => withMenu(browser, {}, { clock: true }, async (page, wait) => {
  await pointTo(page, item(page, 'Products'));
  await wait(350);
  await away(page);
  await wait(500);
  await pointTo(page, item(page, 'Widgets'));
  await wait(2000);
  assert.ok(await shown(submenu(page, 'Products')));
}));

test('with auto close off a submenu stays open until a click elsewhere', () => withMenu(browser, { 3: '0' }, { clock: true }, async (page, wait) => {
  await pointTo(page, item(page, 'Products'));
  await wait(350);
  await away(page);
  await wait(5000);
  assert.ok(await shown(submenu(page, 'Products')));
  await page.mouse.click(700, 560);
  assert.equal(await shown(submenu(page, 'Products')), false);
}));

test('nested submenus open in turn, and a sibling replaces an open submenu', () => withMenu(browser, {}, { clock: true }, async (page, wait) => {
  await pointTo(page, item(page, 'Products'));
  await wait(350);
  await pointTo(page, item(page, 'Gadgets'));
  await wait(350);
  assert.ok(await shown(submenu(page, 'Gadgets')));
  const gadgets = await box(item(page, 'Gadgets')), gizmo = await box(item(page, 'Gizmo'));
  assert.equal(gizmo.y, gadgets.y, 'the submenu starts level with its item');
  assert.ok(gizmo.x > gadgets.right, 'to the right of its parent menu');
  await pointTo(page, item(page, 'Tools'));
  await wait(350);
  assert.equal(await shown(submenu(page, 'Gadgets')), false);
  assert.ok(await shown(submenu(page, 'Products')));
  await pointTo(page, item(page, 'About'));
  await wait(350);
  assert.equal(await shown(submenu(page, 'Products')), false);
  assert.ok(await shown(submenu(page, 'About')));
}));

test('a submenu is as wide as its first item says', () => withMenu(browser, {}, { clock: true }, async (page, wait) => {
  await pointTo(page, item(page, 'Products'));
  await wait(350);
  assert.equal((await box(submenu(page, 'Products'))).width, 130);
}));

test('the pop-up box shows the item\'s text after its delay, near the item, in its look', () => withMenu(browser, {}, { clock: true }, async (page, wait) => {
  const tip = page.locator('[role=tooltip]');
  await pointTo(page, item(page, 'Home'));
  await wait(350);
  assert.equal(await shown(tip), false);
  await wait(100);
  assert.ok(await shown(tip));
  assert.equal(await tip.innerText(), 'Start here and read on');
  assert.equal(await tip.locator('b').textContent(), 'here');
  const t = await box(tip), home = await box(item(page, 'Home'));
  assert.ok(Math.abs(t.y - home.bottom) < 10 && Math.abs(t.x - home.x) < 40, 'beside the item');
  assert.equal(t.width, 150);
  assert.equal(await css(tip, 'backgroundColor'), 'rgb(234, 234, 0)');
  assert.equal(await css(tip, 'color'), 'rgb(0, 0, 0)');
  assert.equal(await css(tip, 'borderTopStyle'), 'dashed');
  assert.equal(await css(tip, 'borderTopWidth'), '3px');
  assert.equal(await css(tip, 'borderTopColor'), 'rgb(255, 0, 0)');
  await away(page);
  assert.equal(await shown(tip), false);
}));

test('the pop-up box of an item with a submenu leaves the submenu\'s items uncovered', () =>
  withMenu(browser, { 10: '0', 12: '0', items: { Products: { 28: 'All we make' } } }, {}, async (page) => {
    await pointTo(page, item(page, 'Products'));
    const tip = page.locator('[role=tooltip]');
    assert.ok(await shown(tip));
    assert.ok(await shown(submenu(page, 'Products')));
    const t = await box(tip), sub = await box(submenu(page, 'Products').locator('..'));
    const products = await box(item(page, 'Products'));
    assert.ok(t.right <= sub.x, 'left of the submenu');
    assert.ok(Math.abs(t.y - products.bottom) < 10, 'just below the item');
  }));

test('a long pop-up text wraps inside the box width', () => withMenu(browser, { 60: '60' }, { clock: true }, async (page, wait) => {
  await pointTo(page, item(page, 'Home'));
  await wait(450);
  const t = await box(page.locator('[role=tooltip]'));
  assert.equal(t.width, 60);
  assert.ok(t.height > 40, 'several lines');
}));

test('a pointer heading for the open submenu does not open the sibling it crosses', () => withMenu(browser, { 10: '0' }, { clock: true }, async (page, wait) => {
  const from = await box(item(page, 'Products'));
  await page.mouse.move(from.x + 20, from.y + from.height / 2);
  assert.ok(await shown(submenu(page, 'Products')));
  const to = await box(item(page, 'Tools'));
  await page.mouse.move(to.x + 20, to.y + to.height / 2, { steps: 12 });
  await wait(1000);
  assert.ok(await shown(submenu(page, 'Products')));
  assert.equal(await toggle(page, 'Products').getAttribute('aria-expanded'), 'true');
}));

test('heading for a submenu that opened on the left also crosses siblings without opening them', () =>
  withMenu(browser, { 10: '0', 63: '620' }, { clock: true }, async (page, wait) => {
    const from = await box(item(page, 'Products'));
    await page.mouse.move(from.right - 20, from.y + from.height / 2);
    assert.ok((await box(submenu(page, 'Products'))).right <= from.x, 'the submenu is on the left');
    const to = await box(item(page, 'Tools'));
    await page.mouse.move(to.right - 20, to.y + to.height / 2, { steps: 12 });
    await wait(1000);
    assert.ok(await shown(submenu(page, 'Products')));
    assert.equal(await toggle(page, 'Products').getAttribute('aria-expanded'), 'true');
  }));

test('a pointer that stops on a sibling does open it', () => withMenu(browser, { 10: '0' }, { clock: true }, async (page, wait) => {
  const from = await box(item(page, 'Products'));
  await page.mouse.move(from.x + 20, from.y + from.height / 2);
  const about = await box(item(page, 'About'));
  await page.mouse.move(about.x + 20, about.y + about.height / 2, { steps: 6 });
  await wait(500);
  assert.equal(await shown(submenu(page, 'Products')), false);
  assert.ok(await shown(submenu(page, 'About')));
}));

test('with the slide on a submenu is revealed in the given steps and speed', () => withMenu(browser, { 6: '1', 1: '4', 2: '50' }, { clock: true }, async (page, wait) => {
  await pointTo(page, item(page, 'Products'));
  await wait(300);
  const frame = page.locator('.tmz-sub').first();
  assert.equal(await css(frame, 'clipPath'), 'inset(0px 75% 0px 0px)');
  await wait(50);
  assert.equal(await css(frame, 'clipPath'), 'inset(0px 50% 0px 0px)');
  await wait(100);
  assert.equal(await css(frame, 'clipPath'), 'none');
}));

test('with the slide off a submenu appears whole at once', () => withMenu(browser, { 6: '0', 1: '4', 2: '50' }, { clock: true }, async (page, wait) => {
  await pointTo(page, item(page, 'Products'));
  await wait(300);
  assert.ok(await shown(submenu(page, 'Products')));
  assert.equal(await css(page.locator('.tmz-sub').first(), 'clipPath'), 'none');
}));

test('visitors who ask for reduced motion get no slide', () => withMenu(browser, { 6: '1', 1: '4', 2: '50' }, { clock: true, reducedMotion: 'reduce' }, async (page, wait) => {
  await pointTo(page, item(page, 'Products'));
  await wait(300);
  assert.equal(await css(page.locator('.tmz-sub').first(), 'clipPath'), 'none');
}));

test('a submenu that would leave the window opens on the other side', () => withMenu(browser, { 63: '620' }, { clock: true }, async (page, wait) => {
  await pointTo(page, item(page, 'Products'));
  await wait(350);
  const sub = await box(submenu(page, 'Products')), main = await box(mainMenu(page));
  assert.ok(sub.right <= main.x, 'left of the main menu');
  assert.ok(sub.x >= 0);
}));

test('a submenu taller than the window fits it and scrolls', () => withMenu(browser, {}, { clock: true, viewport: { width: 800, height: 420 } }, async (page, wait) => {
  await pointTo(page, item(page, 'Archive'));
  await wait(350);
  const list = submenu(page, 'Archive');
  const r = await box(list.locator('..'));
  assert.ok(r.y >= 0 && r.bottom <= 420, 'inside the window');
  assert.ok(await list.evaluate((l) => l.scrollHeight > l.clientHeight), 'scrolls');
  await list.evaluate((l) => { l.scrollTop = l.scrollHeight; });
  assert.ok(await shown(item(page, 'Year 1977')));
}));

test('a pop-up text or status message copied from the link shows as the link\'s text, not as HTML', () =>
  withMenu(browser, { 12: '0', items: { Home: { 26: 'search.php?q=menu&copy=1', 36: '1', 37: '1' } } }, {}, async (page) => {
    const home = mainMenu(page).locator('.tmz-i').first();
    await pointTo(page, home);
    assert.equal(await page.locator('[role=tooltip]').innerText(), 'search.php?q=menu&copy=1');
    assert.equal(await home.getAttribute('aria-description'), 'search.php?q=menu&copy=1');
  }));

test('a typed status message copied as the pop-up text stays text too', () =>
  withMenu(browser, { 12: '0', items: { Home: { 33: 'Fish & <b>chips</b>', 36: '1' } } }, {}, async (page) => {
    await pointTo(page, item(page, 'Home'));
    const tip = page.locator('[role=tooltip]');
    assert.equal(await tip.innerText(), 'Fish & <b>chips</b>');
    assert.equal(await tip.locator('b').count(), 0);
    assert.equal(await item(page, 'Home').getAttribute('title'), null, 'the pop-up box shows it, so no tip');
  }));

test('in a 700 px window three levels of menus stay inside it, flipped or moved back to its edge', () =>
  withMenu(browser, { 63: '250', items: { Widgets: { 22: '300' }, Gizmo: { 22: '420' } } }, { viewport: { width: 700, height: 300 } }, async (page) => {
    await item(page, 'Products').focus();
    for (const key of ['ArrowRight', 'ArrowDown', 'ArrowRight']) await page.keyboard.press(key);
    assert.ok(await shown(submenu(page, 'Gadgets')));
    const frames = [page.locator('.tmz'), submenu(page, 'Products').locator('..'), submenu(page, 'Gadgets').locator('..')];
    for (const frame of frames) {
      const r = await box(frame);
      assert.ok(r.x >= 0 && r.right <= 700 && r.y >= 0 && r.bottom <= 300, JSON.stringify(r) + ' is inside the window');
    }
  }));

test('Escape anywhere closes the submenus and the pop-up box that hovering opened', () =>
  withMenu(browser, { 10: '0', 12: '0' }, {}, async (page) => {
    await pointTo(page, item(page, 'Products'));
    await pointTo(page, item(page, 'Gadgets'));
    assert.ok(await shown(submenu(page, 'Gadgets')));
    await page.keyboard.press('Escape');
    assert.equal(await shown(submenu(page, 'Products')), false);
    assert.equal(await shown(submenu(page, 'Gadgets')), false);
    assert.equal(await toggle(page, 'Products').getAttribute('aria-expanded'), 'false');
    const tip = page.locator('[role=tooltip]');
    await pointTo(page, item(page, 'Home'));
    assert.ok(await shown(tip));
    await page.keyboard.press('Escape');
    assert.equal(await shown(tip), false);
    await pointTo(page, item(page, 'Home'), 5, 2);
    assert.equal(await shown(tip), false, 'it stays closed while the pointer rests on the item');
  }));

test('Escape from the keyboard inside the menu gives focus back to the item whose submenu closed', () =>
  withMenu(browser, { 10: '0' }, {}, async (page) => {
    await pointTo(page, item(page, 'About'));
    await item(page, 'Team').focus();
    await page.keyboard.press('Escape');
    assert.equal(await shown(submenu(page, 'About')), false);
    assert.equal(await page.evaluate(() => document.activeElement.textContent), 'About');
  }));

test('the pop-up box can be hovered without opening the item under it; Escape or a tap elsewhere dismisses it', () =>
  withMenu(browser, { 10: '0', 12: '0' }, { hasTouch: true }, async (page) => {
    const tip = page.locator('[role=tooltip]');
    await pointTo(page, item(page, 'Home'));
    const r = await box(tip);
    assert.ok(r.y < (await box(item(page, 'Products'))).bottom, 'the box lies over the next item');
    await page.mouse.move(r.x + r.width - 4, r.y + r.height - 3);
    assert.ok(await shown(tip), 'it stays while the pointer is on it');
    assert.equal(await shown(submenu(page, 'Products')), false, 'the item under it does not open');
    await page.keyboard.press('Escape');
    assert.equal(await shown(tip), false);
    await away(page);
    await item(page, 'Home').focus();
    assert.ok(await shown(tip));
    await page.touchscreen.tap(700, 500);
    assert.equal(await shown(tip), false, 'the next tap closes it');
  }));
