// What a visitor sees when the page has loaded: place, colours, fonts, the
// bevelled border, the drag bar, separators, arrows and real links.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { launchBrowser, mainMenu, menuPage, withMenu, item, toggle, css, box } from './harness.mjs';

let browser, menu, page;
before(async () => {
  browser = await launchBrowser();
  menu = await menuPage(browser, 'basic');
  page = menu.page;
});
after(async () => {
  await menu.close();
  await browser.close();
});

const frame = () => page.locator('.tmz');

test('the menu stands at its initial position above the page, in its stacking order', async () => {
  const r = await box(frame());
  assert.deepEqual([r.x, r.y], [120, 90]);
  assert.equal(await css(frame(), 'zIndex'), '4321');
});

test('items show their caption HTML in the item colours and font', async () => {
  const home = item(page, 'Home');
  assert.equal(await css(home, 'color'), 'rgb(255, 255, 0)');
  assert.equal(await css(home, 'backgroundColor'), 'rgb(32, 48, 64)');
  assert.match(await css(home, 'fontFamily'), /^Verdana/);
  assert.equal(await css(home, 'fontSize'), '13px');
  assert.equal(await css(home, 'fontWeight'), '700');
  assert.equal(await css(home, 'fontStyle'), 'normal');
  assert.equal(await css(home, 'paddingLeft'), '25px');
  assert.equal(await item(page, "Tom's page").locator('i').textContent(), "Tom's");
});

test('an item under the pointer takes the mouse-over colours', async () => {
  await item(page, 'Home').hover();
  assert.equal(await css(item(page, 'Home'), 'color'), 'rgb(64, 0, 0)');
  assert.equal(await css(item(page, 'Home'), 'backgroundColor'), 'rgb(192, 255, 192)');
  await page.mouse.move(600, 500);
});

test('an item with an empty caption is as high as the others', () =>
  withMenu(browser, { items: { Home: { 0: '' } } }, {}, async (other) => {
    const empty = await box(mainMenu(other).locator('.tmz-i').first());
    assert.equal(empty.height, (await box(item(other, 'Products'))).height);
  }));

test('the main menu is as wide as its first item says', async () => {
  assert.equal((await box(mainMenu(page))).width, 150);
});

test('the drag bar shows its title in its own colours, font and alignment, with the tip', async () => {
  const bar = page.locator('.tmz-bar');
  assert.equal(await bar.textContent(), 'Site Menu');
  assert.equal(await bar.getAttribute('title'), 'Drag me');
  assert.equal(await css(bar, 'backgroundColor'), 'rgb(17, 34, 51)');
  assert.equal(await css(bar, 'color'), 'rgb(238, 221, 204)');
  assert.match(await css(bar, 'fontFamily'), /^"?Courier New/);
  assert.equal(await css(bar, 'fontSize'), '16px');
  assert.equal(await css(bar, 'fontWeight'), '400');
  assert.equal(await css(bar, 'fontStyle'), 'italic');
  assert.equal(await css(bar, 'textAlign'), 'right');
  assert.equal(await css(bar, 'cursor'), 'move');
  const barBox = await box(bar), listBox = await box(mainMenu(page));
  assert.ok(barBox.bottom <= listBox.top, 'the bar is above the items');
});

test('a menu without the drag bar starts with its items', () =>
  withMenu(browser, { 19: '0' }, {}, async (other) => {
    assert.equal(await other.locator('.tmz-bar').count(), 0);
    const frameBox = await box(other.locator('.tmz')), first = await box(item(other, 'Home'));
    assert.deepEqual([frameBox.x, frameBox.y], [120, 90]);
    assert.ok(first.y - frameBox.y < 10, 'the first item is at the top');
  }));

test('the border is drawn from all ten border colours', async () => {
  const used = await frame().evaluate((f) => {
    const s = getComputedStyle(f), l = getComputedStyle(f.querySelector('ul'));
    return [s.borderTopColor, s.borderBottomColor, s.backgroundColor, s.boxShadow, l.borderTopColor, l.borderBottomColor, l.boxShadow].join(' ');
  });
  const wanted = ['A0A0A0', 'A1A1A1', 'A2A2A2', '303030', '313131', '000000', 'F0F0F0', 'F1F1F1', '606060', '616161'];
  for (const hex of wanted) {
    const [r, g, b] = hex.match(/../g).map((h) => parseInt(h, 16));
    assert.ok(used.includes(`rgb(${r}, ${g}, ${b})`), hex + ' is drawn');
  }
});

test('an empty colour falls back: the outer dark edge to the darkest shade, others to the defaults', () =>
  withMenu(browser, { 39: '', 47: '' }, {}, async (other) => {
    assert.equal(await css(other.locator('.tmz'), 'borderBottomColor'), 'rgb(49, 49, 49)');
    assert.equal(await css(item(other, 'Home'), 'backgroundColor'), 'rgb(56, 121, 186)');
  }));

test('separators are drawn in the separator colours and are no menu items', async () => {
  const sep = mainMenu(page).locator('.tmz-s');
  assert.equal(await sep.count(), 1);
  assert.equal(await css(sep, 'borderTopColor'), 'rgb(136, 177, 219)');
  assert.equal(await css(sep, 'borderBottomColor'), 'rgb(0, 0, 39)');
  assert.equal(await sep.locator('a, .tmz-i').count(), 0);
  const names = await mainMenu(page).locator('.tmz-i').allTextContents();
  assert.deepEqual(names, ['Home', 'Products', "Tom's page", 'About', 'Archive']);
});

// Styles that pages carry for their own links and lists.
const PAGE_STYLE = "document.addEventListener('DOMContentLoaded', () => document.head.insertAdjacentHTML('beforeend'," +
  " '<style>li { float: left } a:link, a:visited { color: #00E; text-decoration: underline; background: #FFF }" +
  " a:link:hover, a:visited:hover { color: #E00; background: #EEE }</style>'))";

test('the page\'s own styles for links and lists leave the menu\'s look alone', () =>
  withMenu(browser, {}, { before: PAGE_STYLE }, async (other) => {
    const home = item(other, 'Home'), products = item(other, 'Products');
    assert.equal(await css(home, 'color'), 'rgb(255, 255, 0)');
    assert.equal(await css(home, 'backgroundColor'), 'rgb(32, 48, 64)');
    assert.equal(await css(home, 'textDecorationLine'), 'none');
    const a = await box(home), b = await box(products);
    assert.ok(b.y > a.y && b.x === a.x, 'items stand one below the other');
    await home.hover();
    assert.equal(await css(home, 'color'), 'rgb(64, 0, 0)');
    assert.equal(await css(home, 'backgroundColor'), 'rgb(192, 255, 192)');
  }));

// Text properties a site may set for its body and its links.
const PAGE_TEXT = "document.addEventListener('DOMContentLoaded', () => document.head.insertAdjacentHTML('beforeend'," +
  " '<style>body, nav, div, ul, li { text-transform: uppercase; letter-spacing: 3px; word-spacing: 20px; line-height: 3;" +
  " text-align: center; white-space: pre; direction: rtl; text-decoration: underline; text-indent: 40px }" +
  " a, a:link, a:visited { text-transform: lowercase; letter-spacing: 5px; text-decoration: overline; line-height: 5 }</style>'))";
const TEXT_LOOK = ['textTransform', 'letterSpacing', 'wordSpacing', 'lineHeight', 'textAlign', 'whiteSpace', 'direction',
  'textDecorationLine', 'textIndent'];
const textLook = (page) => Promise.all([item(page, 'Home'), item(page, "Tom's page"), page.locator('.tmz-bar')].map(async (e) =>
  ({ box: await box(e), css: await e.evaluate((el, names) => names.map((n) => getComputedStyle(el)[n]), TEXT_LOOK) })));

test('the text properties of the page\'s body and links leave captions and the bar as they were', async () => {
  const plain = await textLook(page);
  await withMenu(browser, {}, { before: PAGE_TEXT }, async (other) => {
    assert.equal(await other.evaluate(() => getComputedStyle(document.body).textTransform), 'uppercase');
    assert.deepEqual(await textLook(other), plain);
  });
});

test('the menu is a navigation landmark named by the bar\'s title, else "Site menu"', async () => {
  const nav = page.getByRole('navigation', { name: 'Site Menu' });
  assert.equal(await mainMenu(nav).count(), 1);
  await withMenu(browser, { 29: ' <b>Our</b>\t pages ' }, {}, async (other) => {
    assert.equal(await other.getByRole('navigation').getAttribute('aria-label'), 'Our pages');
  });
  await withMenu(browser, { 29: '', 19: '0' }, {}, async (other) => {
    assert.equal(await other.getByRole('navigation').getAttribute('aria-label'), 'Site menu');
  });
});

const heights = (page) => mainMenu(page).locator('.tmz-i').evaluateAll((all) => all.map((a) => a.offsetHeight));

test('items are at least 24 px tall, and 44 px where the pointer is a finger', async () => {
  for (const h of await heights(page)) assert.ok(h >= 24, h + ' px');
  await withMenu(browser, {}, { hasTouch: true }, async (other) => {
    assert.ok(await other.evaluate(() => matchMedia('(pointer: coarse)').matches));
    for (const h of await heights(other)) assert.ok(h >= 44, h + ' px');
    const products = item(other, 'Products'), r = await box(products), a = await box(toggle(other, 'Products').locator('.tmz-n'));
    assert.ok(a.y - r.y > (r.height - a.height) / 2 - 6, 'the arrow moves down with the caption');
  });
});

test('separators and the pop-up box take the author\'s colours, not the usual ones', () =>
  withMenu(browser, { 55: '123456', 56: '654321', 57: 'ABCDEF', 58: '102030', 12: '0' }, {}, async (other) => {
    const sep = mainMenu(other).locator('.tmz-s');
    assert.equal(await css(sep, 'borderTopColor'), 'rgb(18, 52, 86)');
    assert.equal(await css(sep, 'borderBottomColor'), 'rgb(101, 67, 33)');
    await item(other, 'Home').hover();
    const tip = other.locator('[role=tooltip]');
    assert.equal(await css(tip, 'backgroundColor'), 'rgb(171, 205, 239)');
    assert.equal(await css(tip, 'color'), 'rgb(16, 32, 48)');
  }));

// Where an arrow stands in its item, less what the item's padding grew by
// above the author's 3 px to make the item tall enough: arrows move down
// with the caption.
async function arrowAt(menuItem, arrow) {
  const a = await box(arrow), it = await box(menuItem);
  const grown = parseFloat(await css(menuItem, 'paddingTop')) - 3;
  return [a.x - it.x, Math.round((a.y - it.y - grown) * 100) / 100];
}

test('arrows stand only on items with a submenu, at the item\'s image position', async () => {
  for (const name of ['Products', 'About', 'Archive']) {
    const arrow = toggle(page, name).locator('.tmz-n');
    assert.deepEqual(await arrowAt(item(page, name), arrow), [105, 4]);
  }
  for (const name of ['Home', "Tom's page"]) assert.equal(await item(page, name).locator('.tmz-a').count(), 0);
});

test('each item places its arrow where its own image position says, closed and opened', () =>
  withMenu(browser, { items: { Archive: { 16: '90', 17: '7' } } }, {}, async (other) => {
    const archive = item(other, 'Archive');
    for (const cls of ['tmz-n', 'tmz-o']) {
      const arrow = archive.locator('.' + cls);
      await archive.evaluate((a, c) => a.querySelector('.' + c).style.display = 'block', cls);
      assert.deepEqual(await arrowAt(archive, arrow), [90, 7]);
    }
    const products = item(other, 'Products');
    assert.deepEqual(await arrowAt(products, toggle(other, 'Products').locator('.tmz-n')), [105, 4]);
  }));

test('the program\'s own arrows are drawn, not fetched; an author\'s own picture is', async () => {
  const pictures = (p) => p.evaluate(() => performance.getEntriesByType('resource').map((r) => r.name).filter((n) => /\.gif$/.test(n)));
  assert.equal(await page.locator('.tmz img').count(), 0);
  assert.deepEqual(await pictures(page), []);
  await withMenu(browser, { 44: 'pictures/down.gif', 45: '' }, {}, async (other) => {
    const arrows = toggle(other, 'Products').locator('img.tmz-a');
    assert.deepEqual(await arrows.evaluateAll((all) => all.map((i) => i.getAttribute('src'))), ['pictures/down.gif', 'pictures/down.gif']);
    assert.ok((await pictures(other)).some((n) => n.endsWith('/pictures/down.gif')));
  });
});

test('the opened arrow replaces the closed one while the pointer is on the item', async () => {
  const products = toggle(page, 'Products');
  assert.equal(await css(products.locator('.tmz-o'), 'display'), 'none');
  await item(page, 'Products').hover();
  assert.equal(await css(products.locator('.tmz-n'), 'display'), 'none');
  assert.equal(await css(products.locator('.tmz-o'), 'display'), 'block');
  await page.mouse.move(600, 500);
});

test('items are real links with their targets; items without a link have none', async () => {
  assert.equal(await item(page, 'Home').getAttribute('href'), 'home.html');
  assert.equal(await item(page, 'Home').getAttribute('target'), '_self');
  assert.equal(await item(page, "Tom's page").getAttribute('target'), '_top');
  assert.equal(await item(page, 'About').getAttribute('href'), null);
});

test('a link is followed when its item is clicked', async () => {
  const other = await menuPage(browser, 'basic');
  await item(other.page, "Tom's page").click();
  await other.page.waitForURL(/toms\.html$/);
  await other.close();
});

test('submenus are not made before they are first needed', async () => {
  assert.equal(await page.locator('.tmz-i', { hasText: 'Year 1990' }).count(), 0);
});

test('the status message is told to assistive technology when it is not the link', async () => {
  assert.equal(await item(page, 'Products').getAttribute('aria-description'), null);
  assert.equal(await item(page, 'Home').getAttribute('aria-description'), 'Start here and read on');
});

test('bold and italic also read the words older menus stored', () =>
  withMenu(browser, { 53: 'normal', 54: 'italic', 25: 'bold' }, {}, async (other) => {
    assert.equal(await css(item(other, 'Home'), 'fontWeight'), '400');
    assert.equal(await css(item(other, 'Home'), 'fontStyle'), 'italic');
    assert.equal(await css(other.locator('.tmz-bar'), 'fontWeight'), '700');
  }));

// The page picks tmzop.js for Opera, tmzie.js where document.all is true, else tmzmo.js.
const BROWSER_CASES = [
  [{ userAgent: 'Opera/9.80 (Windows NT 6.1) Presto/2.12.388 Version/12.18' }, /tmzop\.js$/],
  [{ before: "Object.defineProperty(document, 'all', { value: [] })" }, /tmzie\.js$/],
  [{}, /tmzmo\.js$/]
];

test('whichever engine file the page picks, the menu is the same', async () => {
  for (const [options, file] of BROWSER_CASES) {
    await withMenu(browser, {}, options, async (other) => {
      const engine = await other.evaluate(() => [...document.scripts].map((s) => s.src).find((s) => /tmz(ie|op|mo)\.js$/.test(s)));
      assert.match(engine, file);
      assert.equal(await mainMenu(other).locator('.tmz-i').count(), 5);
    });
  }
});

test('the scripts add no global names but the recording functions and the namespace', () =>
  withMenu(browser, {}, { before: 'window.namesBefore = Object.getOwnPropertyNames(window)' }, async (other) => {
    const added = await other.evaluate(() => Object.getOwnPropertyNames(window)
      .filter((n) => !window.namesBefore.includes(n) && n !== 'namesBefore'));
    assert.deepEqual(added.sort(), ['Trellimenu', 'createItem', 'createMenuExtendedParams', 'createMenuGlobalParams']);
  }));

test('nothing goes wrong in the console', async () => {
  assert.deepEqual(menu.errors, []);
});
