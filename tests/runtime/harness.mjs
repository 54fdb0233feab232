// Shared by the browser tests: one headless Chromium per test file, a
// loopback HTTP server per published page set, and menus published by
// trellimenu-cli from the projects in projects/ (optionally with some
// menu-wide values changed, to try each setting on the same menu).
import { chromium } from 'playwright-core';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { createServer } from 'node:http';
import { mkdtempSync, readFileSync, writeFileSync, existsSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, extname, normalize, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const binDir = process.env.TRELLIMENU_BIN_DIR || join(here, '../../build/bin');
const SEP = '#$@';
const CLOCK_START = Date.UTC(2026, 0, 1);

// The browser keeps its own files (crash reports, caches) in a folder of
// this run, never in the user's home.
function browserEnvironment() {
  const home = mkdtempSync(join(tmpdir(), 'tmz-browser-home-'));
  process.on('exit', () => rmSync(home, { recursive: true, force: true }));
  return { ...process.env, HOME: home, XDG_CONFIG_HOME: join(home, 'config'), XDG_CACHE_HOME: join(home, 'cache') };
}

// scrollbars: classic scroll bars that take room, as on most desktops
// (headless Chromium hides them unless told otherwise).
export function launchBrowser({ scrollbars = false } = {}) {
  return chromium.launch({
    executablePath: process.env.TRELLIMENU_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    ignoreDefaultArgs: scrollbars ? ['--hide-scrollbars'] : [],
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking',
      '--disable-component-update', '--no-first-run'],
    env: browserEnvironment()
  });
}

// The project's text with menu-wide values replaced, by record index;
// values.items changes item fields: { caption: { field index: value } }.
function withValues(text, values) {
  const { items = {}, ...menuWide } = values;
  const lines = text.split('\r\n');
  const at = lines.indexOf('<Applet_Parameters>') + 1;
  const fields = lines[at].split(SEP);
  for (const [index, value] of Object.entries(menuWide)) fields[index] = value;
  lines[at] = fields.join(SEP);
  for (const [caption, changes] of Object.entries(items)) {
    const line = lines.findIndex((l, i) => i > at && l.split(SEP)[0] === caption);
    assert.ok(line > at, 'the project has an item ' + caption);
    const itemFields = lines[line].split(SEP);
    for (const [index, value] of Object.entries(changes)) itemFields[index] = value;
    lines[line] = itemFields.join(SEP);
  }
  return lines.join('\r\n');
}

export const PROJECTS = join(here, 'projects');

// Callers that are done early remove their folder themselves; this catches
// the rest, including a test that failed before its own clean-up.
const publishedFolders = [];
process.on('exit', () => publishedFolders.forEach((folder) => rmSync(folder, { recursive: true, force: true })));
export const TEMPLATES = join(here, '../../data/templates');

// The project's text with the named extended values ({ Layout: 'Bar' }) in
// their section after the items.
function withExtended(text, extended) {
  const lines = Object.entries(extended).map(([name, value]) => name + '=' + value + '\r\n').join('');
  return lines ? text.replace('</Item_Parameters>\r\n', '</Item_Parameters>\r\n<Extended_Parameters>\r\n' + lines +
    '</Extended_Parameters>\r\n') : text;
}

/**
 * Publishes <from>/<name>.tmz (from: projects/ unless given) into a fresh
 * folder, with the classic page code unless pageCode says 'modern', and the
 * extended values given; returns the folder.
 */
export function publish(name, values = {}, { from = PROJECTS, pageCode = 'classic', extended = {} } = {}) {
  const folder = mkdtempSync(join(tmpdir(), 'tmz-runtime-'));
  publishedFolders.push(folder);
  const project = join(folder, name + '.tmz.in');
  const text = withExtended(withValues(readFileSync(join(from, name + '.tmz'), 'latin1'), values), extended);
  writeFileSync(project.replace('.in', ''), text, 'latin1');
  rmSync(project, { force: true });
  const out = join(folder, 'site');
  execFileSync(join(binDir, 'trellimenu-cli'), ['publish', join(folder, name + '.tmz'), '--out', out, '--page-code', pageCode],
    { stdio: 'pipe' });
  return out;
}

/**
 * Pastes the published block after the <body> tag of a page such as a site
 * ready for phones has (a doctype, the viewport set to the device's width,
 * its own content in <main>); returns the page's name. extra: markup for
 * the page's head.
 */
export function sitePage(folder, name, extra = '') {
  const published = readFileSync(join(folder, name + '.html'), 'latin1');
  const end = '<!-- CODES END -->';
  const block = published.slice(published.indexOf('<!-- CODES BEGIN -->'), published.indexOf(end) + end.length);
  writeFileSync(join(folder, 'site.html'), '<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8">' +
    '<meta name="viewport" content="width=device-width, initial-scale=1"><title>A site</title>' + extra +
    '</head><body>\n' + block + '\n<main><h1>Welcome</h1><p>' + 'A line of the page\'s own text. '.repeat(60) +
    '</p></main></body></html>\n', 'latin1');
  return 'site.html';
}

/** A phone in portrait, touch only; opens the site page (sitePage). */
export const PHONE = { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 2, site: true };

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.gif': 'image/gif' };

/**
 * Serves a folder on 127.0.0.1; pages it lacks answer with a stub, so links
 * can be followed. headers: sent with every answer (a Content-Security-Policy).
 */
export function serve(folder, headers = {}) {
  const server = createServer((req, res) => {
    const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname)).replace(/^(\.\.[/\\])+/, '');
    const file = join(folder, path);
    if (existsSync(file) && extname(file)) {
      res.writeHead(200, { ...headers, 'content-type': TYPES[extname(file)] || 'application/octet-stream' });
      res.end(readFileSync(file));
    } else if (path.endsWith('.html')) {
      res.writeHead(200, { ...headers, 'content-type': 'text/html' });
      res.end('<!doctype html><title>stub</title><p>' + path);
    } else {
      res.writeHead(204);
      res.end();
    }
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => {
    resolve({ origin: 'http://127.0.0.1:' + server.address().port, close: () => server.close() });
  }));
}

/**
 * Opens a published page in a fresh context. options: viewport, hasTouch,
 * isMobile, deviceScaleFactor, reducedMotion, javaScriptEnabled, drawn
 * (false: do not wait for the menu), clock (install fake timers before the page loads), before
 * (a script run before the page's own, e.g. to make the page scrollable).
 * errors collects console errors and uncaught exceptions, messages every
 * console message as "type: text".
 */
export async function openPage(browser, site, page, options = {}) {
  const context = await browser.newContext({
    viewport: options.viewport || { width: 800, height: 600 },
    userAgent: options.userAgent,
    hasTouch: !!options.hasTouch,
    isMobile: !!options.isMobile,
    javaScriptEnabled: options.javaScriptEnabled !== false,
    deviceScaleFactor: options.deviceScaleFactor,
    reducedMotion: options.reducedMotion || 'no-preference'
  });
  const tab = await context.newPage();
  const errors = [], messages = [];
  tab.on('console', (m) => {
    messages.push(m.type() + ': ' + m.text());
    if (m.type() === 'error') errors.push(m.text());
  });
  tab.on('pageerror', (e) => errors.push(e.message));
  if (options.clock) await tab.clock.install({ time: CLOCK_START });
  if (options.before) await tab.addInitScript(options.before);
  await tab.goto(site.origin + '/' + page);
  // Attached, not shown: on a narrow window the menu waits behind its button.
  if (options.javaScriptEnabled !== false && options.drawn !== false) {
    await tab.waitForSelector('.tmz-main .tmz-i', { state: 'attached' });
  }
  // From here on time moves only when a test says so (clock.runFor).
  if (options.clock) await tab.clock.pauseAt(CLOCK_START + 60000);
  return { page: tab, errors, messages, close: () => context.close() };
}

/**
 * Publishes, serves and opens in one step (the site page with options.site,
 * a project of options.from, the page code options.pageCode); close() undoes
 * all three.
 */
export async function menuPage(browser, name, values, options = {}) {
  const folder = publish(name, values, options);
  const site = await serve(folder);
  const opened = await openPage(browser, site, options.site ? sitePage(folder, name, options.head) : name + '.html', options);
  return {
    ...opened,
    site,
    close: async () => { await opened.close(); site.close(); rmSync(dirname(folder), { recursive: true, force: true }); }
  };
}

/**
 * Runs body(page, wait) on the sample project with some menu-wide values
 * changed (record index: value), then checks that the console stayed clean.
 * wait(ms) moves the paused clock when options.clock is set.
 */
export async function withMenu(browser, values, options, body) {
  const menu = await menuPage(browser, 'basic', values, options);
  try {
    await body(menu.page, (ms) => menu.page.clock.runFor(ms));
    assert.deepEqual(menu.errors, []);
  } finally {
    await menu.close();
  }
}

const exactly = (text) => new RegExp('^' + text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&') + '$');
/** The named item: its link, or the button of an item with a submenu and no link. */
export const item = (page, name) => page.locator('.tmz li:not(.tmz-own)>.tmz-i,.tmz li:not(.tmz-own)>.tmz-r>.tmz-i')
  .filter({ hasText: exactly(name) });
/** The toggle that opens the named item's submenu (the item itself when it has no link). */
export const toggle = (page, name) => page.locator('.tmz .tmz-i.tmz-t').filter({ hasText: exactly(name) })
  .or(page.getByRole('button', { name: name + ' submenu', exact: true }));
/** The submenu opened by the named item, shown or not. */
export const submenu = (page, name) => page.getByRole('list', { name, exact: true, includeHidden: true });
/** The main list of links. */
export const mainMenu = (page) => page.locator('.tmz-main');
export const css = (locator, property) => locator.evaluate((e, p) => getComputedStyle(e)[p], property);
export const box = (locator) => locator.evaluate((e) => e.getBoundingClientRect().toJSON());

/** Moves the mouse to the middle of an element (no waiting on animations, so it works with a paused clock). */
export async function pointTo(page, locator, dx = 0, dy = 0) {
  const r = await box(locator);
  await page.mouse.move(r.x + r.width / 2 + dx, r.y + r.height / 2 + dy);
}
export const shown = async (locator) => (await locator.count()) > 0 &&
  locator.evaluate((e) => !!e.getClientRects().length && getComputedStyle(e).visibility !== 'hidden');
