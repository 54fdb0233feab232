// The floating menu: dragging by the bar, snapping to the window's edges,
// the four scroll modes, and the author's page event handlers.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser, mainMenu, menuPage, withMenu, box } from './harness.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

const where = async (page) => { const r = await box(page.locator('.tmz')); return [r.x, r.y]; };
const frames = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));

async function drag(page, dx, dy) {
  const bar = await box(page.locator('.tmz-bar'));
  await page.mouse.move(bar.x + 10, bar.y + 5);
  await page.mouse.down();
  await page.mouse.move(bar.x + 10 + dx, bar.y + 5 + dy, { steps: 5 });
  await page.mouse.up();
}

async function scrollPage(page, x, y) {
  await page.evaluate(([sx, sy]) => {
    document.body.style.width = document.body.style.height = '5000px';
    scrollTo(sx, sy);
  }, [x, y]);
  await frames(page);
}

test('the menu follows the pointer while its bar is dragged', () => withMenu(browser, {}, {}, async (page) => {
  await drag(page, 200, 150);
  assert.deepEqual(await where(page), [320, 240]);
}));

test('a drag bar with an empty title is still one line high and moves the menu', () => withMenu(browser, { 29: '' }, {}, async (page) => {
  assert.ok((await box(page.locator('.tmz-bar'))).height >= 16 * 1.25, 'a line of the bar font');
  await drag(page, 200, 150);
  assert.deepEqual(await where(page), [320, 240]);
}));

test('a dragged menu snaps to each window edge within the snap distance', () => withMenu(browser, {}, {}, async (page) => {
  const size = await box(page.locator('.tmz'));
  const cases = [
    ['left', -110, 0, (r) => r.x === 0],
    ['top', 0, -80, (r) => r.y === 0],
    ['right', 800 - size.right - 15, 0, (r) => r.right === 800],
    ['bottom', 0, 600 - size.bottom - 12, (r) => r.bottom === 600]
  ];
  for (const [edge, dx, dy, touches] of cases) {
    await page.evaluate(() => scrollTo(0, 0));
    const start = await box(page.locator('.tmz'));
    await drag(page, dx + size.x - start.x, dy + size.y - start.y);
    assert.ok(touches(await box(page.locator('.tmz'))), 'snapped to the ' + edge + ' edge');
  }
}));

test('without snapping the menu stays where it was dropped', () => withMenu(browser, { 4: '0' }, {}, async (page) => {
  await drag(page, -110, 0);
  assert.deepEqual(await where(page), [10, 90]);
}));

test('only an edge within the snap distance pulls the menu', () => withMenu(browser, { 13: '5' }, {}, async (page) => {
  await drag(page, -110, 0);
  assert.deepEqual(await where(page), [10, 90]);
  await drag(page, -6, 0);
  assert.deepEqual(await where(page), [0, 90]);
}));

test('the menu snaps when the window is resized towards it', () => withMenu(browser, { 63: '620' }, {}, async (page) => {
  const r = await box(page.locator('.tmz'));
  await page.setViewportSize({ width: Math.round(r.right + 12), height: 600 });
  await frames(page);
  assert.equal((await box(page.locator('.tmz'))).right, Math.round(r.right + 12));
}));

test('a menu scrolled near the window top snaps to it, and scrolls on past it', () => withMenu(browser, {}, {}, async (page) => {
  await scrollPage(page, 0, 80);
  assert.equal((await where(page))[1], 0);
  await scrollPage(page, 0, 200);
  assert.equal((await where(page))[1], -120);
}));

// Scroll type: where the menu appears in the window after scrolling by (300, 500).
const SCROLL_MODES = [['0', 'no scroll', [-180, -410]], ['1', 'horizontal only', [120, -410]],
  ['2', 'vertical only', [-180, 90]], ['3', 'both', [120, 90]]];
for (const [mode, name, expected] of SCROLL_MODES) {
  test('scroll mode ' + name + ' keeps the menu in its place in the window along its axes', () =>
    withMenu(browser, { 5: mode, 4: '0' }, {}, async (page) => {
      await scrollPage(page, 300, 500);
      assert.deepEqual(await where(page), expected);
    }));
}

test('a menu fixed in the window that is taller than the room below its top scrolls its items', () =>
  withMenu(browser, { 5: '3' }, { viewport: { width: 800, height: 200 } }, async (page) => {
    const frame = await box(page.locator('.tmz'));
    assert.ok(frame.bottom <= 200, 'the menu ends inside the window');
    const list = mainMenu(page);
    assert.ok(await list.evaluate((l) => l.scrollHeight > l.clientHeight), 'its items scroll');
  }));

test('the page event handlers run on resize, mouse move, mouse up and click', () => withMenu(browser, {}, {}, async (page) => {
  await page.mouse.move(600, 400);
  await page.mouse.move(610, 410);
  assert.ok(await page.evaluate(() => window.tmzMoves >= 1));
  await page.mouse.down();
  await page.mouse.up();
  assert.equal(await page.locator('body').getAttribute('data-up'), 'yes');
  assert.equal(await page.locator('body').getAttribute('data-clicked'), 'click');
  await page.setViewportSize({ width: 700, height: 500 });
  await page.waitForFunction(() => document.title === 'resized 700');
}));

test('a handler that does not compile is reported and the menu still works', async () => {
  const menu = await menuPage(browser, 'basic', { 18: 'if (' });
  await menu.page.mouse.move(500, 500);
  assert.ok(await menu.page.locator('.tmz-i', { hasText: 'Home' }).isVisible());
  await menu.page.waitForFunction(() => true);
  assert.equal(menu.errors.length, 1);
  assert.match(menu.errors[0], /SyntaxError|Unexpected/);
  await menu.close();
});
