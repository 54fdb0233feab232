// The modern page code, for sites with a strict Content-Security-Policy: a
// hidden <nav> of real links that the engine turns into the menu in place,
// deferred scripts, no inline script or style; without script the links
// show as a plain list.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { rmSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { launchBrowser, mainMenu, publish, sitePage, serve, openPage, item, submenu, css, box, pointTo, shown, PHONE } from './harness.mjs';

const STRICT = { 'content-security-policy': "default-src 'self'" };
const NO_HANDLERS = { 15: '', 16: '', 17: '', 18: '' };
// Every violation the page reports, as "directive blocked-address".
const WATCH = "window.violations = []; document.addEventListener('securitypolicyviolation'," +
  " (e) => window.violations.push(e.violatedDirective + ' ' + e.blockedURI));";

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

// The sample project published with the modern page code (the page, and
// tmzmenu.css that shows its list when scripts are off), served under the
// strict policy: the published page itself, or with options.site the block
// pasted into a page made for phones; options.lose: a file to take away.
async function withModern(values, options, body) {
  const folder = publish('basic', values, { pageCode: 'modern', extended: options.extended });
  const page = options.site ? sitePage(folder, 'basic') : 'basic.html';
  if (options.lose) rmSync(join(folder, options.lose));
  const site = await serve(folder, STRICT);
  const opened = await openPage(browser, site, page, { before: WATCH, drawn: !options.lose, ...options });
  try {
    await body(opened.page, opened);
  } finally {
    await opened.close();
    site.close();
    rmSync(dirname(folder), { recursive: true, force: true });
  }
}
const violations = (page) => page.evaluate(() => window.violations);

test('under a strict policy the menu draws in the page\'s own nav, opens and follows links, with no violation', () =>
  withModern(NO_HANDLERS, { viewport: { width: 800, height: 600 } }, async (page, opened) => {
    const nav = page.getByRole('navigation');
    assert.equal(await nav.count(), 1, 'the page\'s nav is the landmark');
    assert.equal(await nav.getAttribute('aria-label'), 'Site Menu');
    assert.match(await nav.getAttribute('class'), /^trellimenu tmz-nav tmz-k\d+$/);
    assert.equal(await nav.getAttribute('hidden'), null);
    assert.equal(await nav.locator(':scope > ul').count(), 0, 'the plain list is gone');
    assert.equal(await page.locator('style').count(), 0, 'no style element');
    assert.equal(await mainMenu(nav).locator('.tmz-i').count(), 5);
    assert.equal(await css(item(page, 'Home'), 'color'), 'rgb(255, 255, 0)', 'in the menu\'s own look');
    const r = await box(page.locator('.tmz'));
    assert.deepEqual([r.x, r.y], [120, 90]);
    await pointTo(page, item(page, 'Products'));
    await page.waitForTimeout(350);
    await pointTo(page, item(page, 'Gadgets'));
    await page.waitForTimeout(350);
    assert.ok(await shown(submenu(page, 'Gadgets')));
    await item(page, 'Gizmo').click();
    await page.waitForURL(/gizmo\.html$/);
    assert.deepEqual(await violations(page), []);
    assert.deepEqual(opened.errors, []);
  }));

test('on a phone under the strict policy the menu is the same button and panel', () =>
  withModern(NO_HANDLERS, PHONE, async (page, opened) => {
    const button = page.getByRole('navigation', { name: 'Site Menu' }).getByRole('button', { name: 'Site Menu' });
    await button.tap();
    await item(page, 'About').tap();
    assert.ok(await shown(submenu(page, 'About')));
    assert.ok((await box(page.locator('.tmz'))).right <= 390);
    assert.deepEqual(await violations(page), []);
    assert.deepEqual(opened.errors, []);
  }));

test('event handlers given as text cannot be compiled under the policy: the menu works and says so once', () =>
  withModern({}, {}, async (page, opened) => {
    await pointTo(page, item(page, 'Products'));
    await page.waitForTimeout(350);
    assert.ok(await shown(submenu(page, 'Products')));
    const ours = opened.messages.filter((m) => m.includes('Trellimenu'));
    assert.equal(ours.length, 1);
    assert.match(ours[0], /^warning: .*Content-Security-Policy/);
    assert.equal((await violations(page)).length, 1, 'one try, not one per handler');
  }));

test('the plain list stays hidden until the menu has been built in its place', () =>
  withModern(NO_HANDLERS, {
    before: WATCH + "window.navRecords = []; new MutationObserver((records) => { for (const r of records) window.navRecords.push(" +
      "r.type === 'attributes' ? r.attributeName + (r.target.hasAttribute(r.attributeName) ? ' set' : ' removed') : 'children');" +
      " }).observe(document, { subtree: true, childList: true, attributes: true, attributeFilter: ['hidden', 'class'] });"
  }, async (page) => {
    const seen = await page.evaluate(() => window.navRecords);
    const shownAt = seen.indexOf('hidden removed');
    assert.ok(shownAt > 0, 'the nav is shown in the end');
    assert.ok(seen.lastIndexOf('children') < shownAt, 'after everything was built: ' + seen.join(', '));
  }));

test('without JavaScript every item\'s link is in the page and reachable by Tab', () =>
  withModern(NO_HANDLERS, { javaScriptEnabled: false }, async (page) => {
    const nav = page.getByRole('navigation', { name: 'Site Menu' });
    const links = await nav.locator('a[href]').evaluateAll((all) => all.map((a) => a.getAttribute('href')));
    const years = Array.from({ length: 30 }, (_, k) => 'y' + (2006 - k) + '.html');
    assert.deepEqual(links, ['home.html', 'products.html', 'widgets.html', 'gadgets.html', 'gizmo.html', 'doohickey.html',
      'tools.html', 'toms.html', 'team.html', 'contact.html', ...years]);
    const reached = [];
    for (let k = 0; k < links.length; k++) {
      await page.keyboard.press('Tab');
      reached.push(await page.evaluate(() => document.activeElement.getAttribute('href')));
    }
    assert.deepEqual(reached, links);
    assert.ok(await nav.getByText('About', { exact: true }).isVisible(), 'an item without a link shows its caption');
  }));

test('when the menu\'s settings do not load, the plain list of links shows instead, on a phone a bar\'s too', async () => {
  for (const options of [{}, { ...PHONE, extended: { Layout: 'Bar' } }]) {
    await withModern(NO_HANDLERS, { lose: 'tmzcfg.js', ...options }, async (page) => {
      await page.waitForLoadState('load');
      const nav = page.getByRole('navigation', { name: 'Site Menu' });
      assert.ok(await nav.getByRole('link', { name: 'Home' }).isVisible());
      assert.equal(await nav.evaluate((e) => getComputedStyle(e, '::before').content), 'none', 'no button that opens nothing');
      assert.equal(await mainMenu(page).count(), 0);
    });
  }
});

// Every layout shift of the page, as Chromium reports them.
const SHIFTS = "window.shifts = []; new PerformanceObserver((l) => l.getEntries().forEach((e) => window.shifts.push(e.value)))" +
  ".observe({ type: 'layout-shift', buffered: true });";

// A bar or a sidebar in the modern page code, with the engine held back
// until the page has been painted from tmzmenu.css: its nav's box then and
// once drawn, and the layout shifts in between.
async function boxesAcrossTheEngine(extended, viewport, within = browser) {
  const folder = publish('basic', NO_HANDLERS, { pageCode: 'modern', extended });
  const site = await serve(folder, STRICT);
  const context = await within.newContext({ viewport, hasTouch: viewport.width < 500 });
  let release;
  const held = new Promise((resolve) => { release = resolve; });
  try {
    const page = await context.newPage();
    await page.route('**/tmzmo.js', async (route) => { await held; await route.continue(); });
    await page.addInitScript(SHIFTS);
    // The site's own rules for lists and links do not reach the menu, before the engine or after.
    writeFileSync(join(folder, 'site.css'), 'ul{margin:2em;padding:1em}li{float:left;margin:4px;padding:3px}' +
      'a{text-transform:uppercase;letter-spacing:2px;border-bottom:3px solid;text-indent:1em}');
    await page.goto(site.origin + '/' + sitePage(folder, 'basic', '<link rel="stylesheet" href="site.css">'), { waitUntil: 'commit' });
    const nav = page.locator('nav.trellimenu');
    await page.locator('main h1').waitFor();
    await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
    const before = await box(nav);
    release();
    await page.waitForSelector('nav.tmz-nav');
    await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
    return { before, after: await box(nav), drawn: await page.locator('.tmz-f').count(), shifts: await page.evaluate(() => window.shifts) };
  } finally {
    await context.close();
    site.close();
  }
}

test('a bar or a sidebar in the modern page code has its final size and place before the engine starts: no layout shift', async () => {
  const cases = [[{ Layout: 'Bar' }, { width: 1280, height: 800 }], [{ Layout: 'Bar', BarWidth: 'Fit', BarAlign: 'Center', Sticky: 1 }, { width: 1280, height: 800 }],
    [{ Layout: 'Bar' }, { width: 500, height: 800 }], [{ Layout: 'Sidebar' }, { width: 1280, height: 800 }],
    [{ Layout: 'Bar' }, { width: 390, height: 844 }]];
  for (const [extended, viewport] of cases) {
    const name = JSON.stringify(extended) + ' at ' + viewport.width;
    const { before, after, drawn, shifts } = await boxesAcrossTheEngine(extended, viewport);
    assert.ok(drawn > 0, name + ': the engine drew the menu');
    assert.ok(before.height > 20, name + ': the nav shows before the engine');
    assert.deepEqual([after.x, after.y, after.width, after.height], [before.x, before.y, before.width, before.height], name);
    assert.deepEqual(shifts, [], name + ': no layout shift');
  }
});

test('with a desktop\'s scroll bar, a bar just wider than its phone width stays a bar when the engine starts', async () => {
  const desktop = await launchBrowser({ scrollbars: true });
  try {
    for (const width of [645, 635]) {
      const { before, after, shifts } = await boxesAcrossTheEngine({ Layout: 'Bar' }, { width, height: 300 }, desktop);
      assert.equal(before.height === 44, width < 640, width + ': a bar above 640 px, the phone form\'s button below');
      assert.deepEqual([after.width, after.height], [before.width, before.height], width + ' px');
      assert.deepEqual(shifts, [], width + ': no layout shift');
    }
  } finally {
    await desktop.close();
  }
});
