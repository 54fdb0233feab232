// Bar and sidebar in a site's header, their phone form, right to left, the
// colour schemes, the current page, and two menus on one page.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { appendFileSync, readFileSync, writeFileSync, cpSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchBrowser, publish, serve, openPage, item, toggle, submenu, css, box, shown, pointTo, TEMPLATES, PHONE } from './harness.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

// The values newer than the generated calls, as tmzcfg.js carries them.
function extend(folder, pairs) {
  const args = Object.entries(pairs).flat().map((v) => JSON.stringify(String(v))).join(',');
  appendFileSync(join(folder, 'tmzcfg.js'), '\r\ncreateMenuExtendedParams(' + args + ');\r\n', 'latin1');
}

function block(folder, name, prefix = '') {
  const published = readFileSync(join(folder, name + '.html'), 'latin1'), end = '<!-- CODES END -->';
  return published.slice(published.indexOf('<!-- CODES BEGIN -->'), published.indexOf(end) + end.length)
    .replace(/src="('\+')?tmz/g, 'src="$1' + prefix + 'tmz');
}

// A site's page with the block(s) in its header, content after it.
// header: false pastes them right after <body>, as the block's own comment asks.
function headerPage(folder, file, blocks, { dir = 'ltr', header = true } = {}) {
  writeFileSync(join(folder, file), '<!DOCTYPE html>\n<html lang="en" dir="' + dir + '"><head><meta charset="utf-8">' +
    '<meta name="viewport" content="width=device-width, initial-scale=1"><title>A site</title></head><body>\n' +
    (header ? '<header>' : '') + '<p id="logo">Our site</p>\n' + blocks.join('\n') + (header ? '\n</header>' : '') +
    '<main><h1>Welcome</h1><p>' +
    'A line of the page\'s own text. '.repeat(400) + '</p></main></body></html>\n', 'latin1');
  return file;
}

// A page in a folder of its own holding the published folders given, each
// copied into its sub-folder, with their blocks in the header in the order
// given (a sub-folder may be pasted twice): [folder, template name, sub-folder].
async function foldersPage(file, blocks, options = {}) {
  const root = mkdtempSync(join(tmpdir(), 'tmz-folders-'));
  for (const [folder, , sub] of blocks) cpSync(folder, join(root, sub), { recursive: true });
  const page = headerPage(root, file, blocks.map(([folder, name, sub]) =>
    block(folder, name, sub + '/').replace(/href="tmzmenu/g, 'href="' + sub + '/tmzmenu')));
  const site = await serve(root);
  const opened = await openPage(browser, site, page, options);
  return { ...opened, close: async () => { await opened.close(); site.close(); rmSync(root, { recursive: true, force: true }); } };
}

// Publishes basic with the extended values and opens it in a header page.
async function barPage(pairs, options = {}) {
  const folder = publish('basic', options.values || {});
  extend(folder, pairs);
  const site = await serve(folder);
  const file = headerPage(folder, options.file || 'site.html', [block(folder, 'basic')], options);
  const opened = await openPage(browser, site, file, options);
  return { ...opened, close: async () => { await opened.close(); site.close(); } };
}

const inside = (r, w, h) => r.x >= 0 && r.right <= w && r.y >= 0 && r.bottom <= h;
const tops = (page) => page.locator('.tmz-main > li:not(.tmz-s)').evaluateAll((all) => all.map((li) => li.getBoundingClientRect().toJSON()));

test('a bar in the header at 1280 px: one row in the flow, the content below it, three levels inside the window', async () => {
  const menu = await barPage({ Layout: 'Bar', BarWidth: 'Fit', BarAlign: 'Right' }, { viewport: { width: 1280, height: 800 } });
  try {
    const { page } = menu;
    const row = await tops(page), nav = await box(page.locator('nav.tmz-nav'));
    assert.equal(new Set(row.map((r) => Math.round(r.top))).size, 1, 'one row');
    assert.ok(row.every((r, i) => i === 0 || r.x >= row[i - 1].right - 1), 'side by side');
    assert.ok(nav.y >= (await box(page.locator('#logo'))).bottom, 'where the block stands');
    assert.ok((await box(page.locator('main h1'))).y >= nav.bottom, 'the content follows the bar');
    const body = await box(page.locator('body'));
    assert.ok(body.right - row[row.length - 1].right < 10 && (await box(page.locator('.tmz'))).width < 800 && row[0].x > 400, 'aligned right, fitted to its items');
    await toggle(page, 'Products').click();
    const products = await box(item(page, 'Products')), second = await box(submenu(page, 'Products'));
    assert.ok(Math.abs(second.y - products.bottom) <= 6, 'the submenu drops below its item');
    await toggle(page, 'Gadgets').click();
    const third = await box(submenu(page, 'Gadgets'));
    assert.ok(await shown(item(page, 'Gizmo')));
    for (const r of [second, third]) assert.ok(inside(r, 1280, 800), JSON.stringify(r) + ' is inside the window');
    assert.ok(third.x >= second.right - 8 || third.right <= second.x + 8, 'the third level beside the second');
    assert.deepEqual(menu.errors, []);
  } finally {
    await menu.close();
  }
});

test('a sticky bar sets the page\'s scroll padding to its height', async () => {
  const menu = await barPage({ Layout: 'Bar', Sticky: '1' }, { viewport: { width: 1280, height: 800 }, header: false });
  try {
    const { page } = menu;
    assert.equal(await css(page.locator('nav.tmz-nav'), 'position'), 'sticky');
    const height = (await box(page.locator('nav.tmz-nav'))).height;
    assert.equal(await page.evaluate(() => document.documentElement.style.scrollPaddingTop), height + 'px');
    await page.evaluate(() => scrollTo(0, 2000));
    assert.ok(Math.abs((await box(page.locator('nav.tmz-nav'))).y) < 1, 'it stays at the top');
  } finally {
    await menu.close();
  }
});

test('a sidebar lies in the flow, its submenus open beside it', async () => {
  const menu = await barPage({ Layout: 'Sidebar' }, { viewport: { width: 1280, height: 800 } });
  try {
    const { page } = menu;
    const row = await tops(page), nav = await box(page.locator('nav.tmz-nav'));
    assert.ok(row.every((r, i) => i === 0 || (r.x === row[0].x && r.y > row[i - 1].y)), 'one above the other');
    assert.ok((await box(page.locator('main h1'))).y >= nav.bottom, 'the content follows it');
    await toggle(page, 'Products').click();
    assert.ok((await box(submenu(page, 'Products'))).x >= row[0].right, 'beside it');
  } finally {
    await menu.close();
  }
});

test('below the phone width a bar is a button and a panel that keeps focus and holds the page still', async () => {
  const menu = await barPage({ Layout: 'Bar', PhoneBelow: '400' }, PHONE);
  try {
    const { page } = menu;
    const button = page.locator('.tmz-b');
    assert.ok(await button.isVisible());
    assert.equal(await shown(item(page, 'Home')), false);
    await button.tap();
    assert.ok(await shown(item(page, 'Home')));
    for (const parent of ['Products', 'About']) {
      assert.ok((await box(item(page, parent))).width > 300, parent + ' spans the panel');
      assert.ok((await box(toggle(page, parent).locator('.tmz-n'))).x > 300, parent + '\'s arrow at its far end');
    }
    assert.equal(await page.evaluate(() => getComputedStyle(document.documentElement).overflow), 'hidden');
    await item(page, 'Archive').focus();
    await page.keyboard.press('Tab');
    assert.equal(await page.evaluate(() => document.activeElement.className), 'tmz-b', 'Tab goes round to the button');
    await page.keyboard.press('Shift+Tab');
    assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Archive');
    await page.keyboard.press('Escape');
    assert.equal(await shown(item(page, 'Home')), false);
    assert.equal(await page.evaluate(() => getComputedStyle(document.documentElement).overflow), 'visible');
    await page.setViewportSize({ width: 400, height: 844 });
    await page.waitForFunction(() => !document.querySelector('.tmz').hidden);
    assert.ok(await shown(item(page, 'Home')), 'at the phone width itself the bar shows');
    assert.equal(await button.isVisible(), false);
  } finally {
    await menu.close();
  }
});

test('right to left: the bar runs from the right, submenus open to the left, arrows mirror', async () => {
  const menu = await barPage({ Layout: 'Bar' }, { dir: 'rtl', viewport: { width: 1280, height: 800 },
    values: { 10: '0', items: { Widgets: { 28: 'Small parts, by size.' } } } });
  try {
    const { page } = menu;
    const row = await tops(page);
    assert.ok(row[0].right > 1200 && row.every((r, i) => i === 0 || r.right <= row[i - 1].x + 1), 'from the right');
    await toggle(page, 'Products').click();
    const products = await box(page.locator('.tmz-main > li').nth(1)), second = await box(submenu(page, 'Products'));
    assert.ok(Math.abs(second.right - products.right) <= 6, 'under its item, from its right edge');
    await toggle(page, 'Gadgets').click();
    assert.ok((await box(submenu(page, 'Gadgets'))).right <= second.x + 8, 'the third level opens to the left');
    assert.equal(await css(toggle(page, 'Gadgets').locator('.tmz-o'), 'transform'), 'matrix(-1, 0, 0, 1, 0, 0)');
    assert.equal(await css(item(page, 'Widgets'), 'direction'), 'rtl');
    // An English description keeps its full stop at its end, the right.
    await pointTo(page, item(page, 'Widgets'));
    const stop = await page.locator('.tmz-d').evaluate((d) => {
      const text = d.firstChild, at = (k) => { const r = document.createRange(); r.setStart(text, k); r.setEnd(text, k + 1); return r.getBoundingClientRect().x; };
      return { first: at(0), last: at(text.length - 1) };
    });
    assert.ok(stop.last > stop.first, JSON.stringify(stop));
  } finally {
    await menu.close();
  }
});

test('a floating menu on a right-to-left page opens its submenus to the left', async () => {
  const menu = await barPage({}, { dir: 'rtl', values: { 63: '600' } });
  try {
    const { page } = menu;
    await toggle(page, 'Products').click();
    assert.ok((await box(submenu(page, 'Products'))).right <= (await box(page.locator('.tmz-main'))).x);
  } finally {
    await menu.close();
  }
});

test('dark colours under a dark scheme, system colours with borders and focus under forced colours', async () => {
  const menu = await barPage({ Layout: 'Bar', DarkItemBGColor: '#1E1E1E', DarkItemFontColor: '#EEEEEE' },
    { viewport: { width: 1280, height: 800 } });
  try {
    const { page } = menu, home = item(page, 'Home');
    assert.equal(await css(home, 'color'), 'rgb(255, 255, 0)', 'the light set by default');
    await page.emulateMedia({ colorScheme: 'dark' });
    assert.equal(await css(home, 'color'), 'rgb(238, 238, 238)');
    assert.equal(await css(home, 'backgroundColor'), 'rgb(30, 30, 30)');
    await page.emulateMedia({ colorScheme: 'light', forcedColors: 'active' });
    assert.equal(await css(page.locator('.tmz-main'), 'borderTopStyle'), 'solid');
    assert.equal(await css(toggle(page, 'Products').locator('.tmz-n'), 'display'), 'none');
    assert.equal(await toggle(page, 'Products').evaluate((t) => getComputedStyle(t, '::after').borderRightStyle), 'solid',
      'the arrow drawn in the text colour');
    await home.focus();
    await page.keyboard.press('Tab');
    assert.equal(await css(item(page, 'Products'), 'outlineStyle'), 'solid');
  } finally {
    await menu.close();
  }
});

test('the current page\'s link and the toggles that lead to it are marked', async () => {
  const menu = await barPage({}, { file: 'gadgets.html' });
  try {
    const { page } = menu;
    assert.equal(await item(page, 'Home').getAttribute('aria-current'), null);
    assert.equal(await toggle(page, 'Products').getAttribute('aria-current'), 'true');
    assert.equal(await toggle(page, 'About').getAttribute('aria-current'), null);
    assert.notEqual(await css(item(page, 'Products'), 'boxShadow'), 'none', 'a visible mark');
    assert.equal(await css(item(page, 'Home'), 'boxShadow'), 'none');
    await toggle(page, 'Products').click();
    assert.equal(await item(page, 'Gadgets').getAttribute('aria-current'), 'page');
    assert.equal(await item(page, 'Widgets').getAttribute('aria-current'), null);
  } finally {
    await menu.close();
  }
});

test('a classic block pasted after a modern one leaves the modern block its own list', async () => {
  const modern = publish('basic', {}, { pageCode: 'modern' }), classic = publish('Ocean Teal', {}, { from: TEMPLATES });
  extend(modern, { Layout: 'Bar' });
  const opened = await foldersPage('mixed.html', [[modern, 'basic', 'a'], [classic, 'Ocean Teal', 'b']]);
  try {
    const navs = opened.page.locator('nav.tmz-nav');
    assert.equal(await navs.count(), 2);
    assert.equal(await css(navs.nth(0).locator('.tmz'), 'position'), 'relative', 'the modern list holds its bar');
    assert.notEqual(await css(navs.nth(1).locator('.tmz'), 'position'), 'relative', 'the classic menu floats');
    assert.deepEqual(opened.errors, []);
  } finally {
    await opened.close();
  }
});

test('two menus from two folders draw on one page each with its own look; the same block twice draws once', async () => {
  const first = publish('basic'), second = publish('Ocean Teal', {}, { from: TEMPLATES });
  extend(first, { Layout: 'Bar' });
  const opened = await foldersPage('both.html', [[first, 'basic', 'a'], [second, 'Ocean Teal', 'b'], [first, 'basic', 'a']]);
  try {
    const navs = opened.page.locator('nav.tmz-nav');
    assert.equal(await navs.count(), 2);
    assert.equal(await css(navs.nth(0).locator('.tmz'), 'position'), 'relative', 'the first is its bar');
    assert.notEqual(await css(navs.nth(1).locator('.tmz'), 'position'), 'relative', 'the second floats');
    const colour = (n) => css(navs.nth(n).locator('.tmz-i').first(), 'color');
    assert.equal(await colour(0), 'rgb(255, 255, 0)');
    assert.notEqual(await colour(1), await colour(0));
    assert.equal(opened.messages.filter((m) => /twice/.test(m)).length, 1);
    assert.deepEqual(opened.errors, []);
  } finally {
    await opened.close();
  }
});

test('two modern bars from two projects each show their own look before any script, as each does alone', async () => {
  const extended = { Layout: 'Bar' };
  const first = publish('basic', {}, { pageCode: 'modern', extended });
  const second = publish('Ocean Teal', {}, { from: TEMPLATES, pageCode: 'modern', extended });
  const looks = async (blocks) => {
    const opened = await foldersPage('looks.html', blocks, { javaScriptEnabled: false });
    try {
      return await opened.page.locator('nav.trellimenu > ul > li:first-child > a').evaluateAll((links) =>
        links.map((a) => [getComputedStyle(a).backgroundColor, getComputedStyle(a).color, a.getBoundingClientRect().height]));
    } finally {
      await opened.close();
    }
  };
  const [alone1] = await looks([[first, 'basic', 'a']]), [alone2] = await looks([[second, 'Ocean Teal', 'b']]);
  assert.notDeepEqual(alone1, alone2, 'two looks to tell apart');
  assert.deepEqual(await looks([[first, 'basic', 'a'], [second, 'Ocean Teal', 'b']]), [alone1, alone2]);
});

test('on a phone the open panel of one menu lies over the button of the next one', async () => {
  // The same project published into two folders: two menus of one z-index.
  const bar = publish('Ocean Teal', {}, { from: TEMPLATES });
  extend(bar, { Layout: 'Bar' });
  const opened = await foldersPage('phones.html', [[bar, 'Ocean Teal', 'a'], [bar, 'Ocean Teal', 'b']],
    { viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true });
  try {
    const buttons = opened.page.locator('.tmz-b');
    await buttons.nth(0).tap();
    const next = await box(buttons.nth(1));
    const onTop = await opened.page.evaluate(([x, y]) => !!document.elementFromPoint(x, y).closest('.tmz.tmz-p'),
      [next.x + next.width / 2, next.y + next.height / 2]);
    assert.ok(onTop, 'the first panel covers the second button');
  } finally {
    await opened.close();
  }
});

// Boxes that share no pixel.
const apart = (a, b) => a.right <= b.x || b.right <= a.x || a.bottom <= b.y || b.bottom <= a.y;

test('the pop-up box of a bar\'s item stands beside its dropdown, on the side with room, and a tap on it closes it', async () => {
  const values = { 10: '0', 12: '0', items: { Products: { 28: 'Everything we make, by family' }, About: { 28: 'Who we are' } } };
  for (const align of ['Left', 'Right']) {
    const menu = await barPage({ Layout: 'Bar', BarWidth: 'Fit', BarAlign: align }, { viewport: { width: 1280, height: 800 }, values, hasTouch: true });
    try {
      const { page } = menu, tip = page.getByRole('tooltip');
      for (const name of ['Products', 'About']) {
        await pointTo(page, item(page, name));
        await submenu(page, name).waitFor();
        const sub = await box(submenu(page, name)), t = await box(tip), it = await box(item(page, name));
        assert.ok(Math.abs(sub.y - it.bottom) < 10, align + ', ' + name + ': the dropdown below its item');
        assert.ok(apart(t, sub), align + ', ' + name + ': ' + JSON.stringify(t) + ' clear of the dropdown ' + JSON.stringify(sub));
        assert.ok(inside(t, 1280, 800), align + ', ' + name + ': inside the window');
        assert.ok(Math.abs(t.y - it.bottom) < 10, 'just below the bar');
      }
      const t = await box(tip);
      await page.touchscreen.tap(t.x + t.width / 2, t.y + t.height / 2);
      assert.equal(await shown(tip), false, 'a tap on the box closes it');
    } finally {
      await menu.close();
    }
  }
});
