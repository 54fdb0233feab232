// One smoke test in Firefox (Debian's firefox-esr, driven over WebDriver
// BiDi by puppeteer-core): a bar in a site's header at 1280 px draws in one
// row, a toggle opens its submenu with Enter, and nothing carries a menu role.
// Without Firefox the file says why and ends with code 77, which CTest
// reports as skipped.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, readFileSync, writeFileSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { publish, serve } from './harness.mjs';

const FIREFOX = process.env.TRELLIMENU_FIREFOX || '/usr/bin/firefox-esr';
if (!existsSync(FIREFOX)) {
  console.log('SKIPPED: no Firefox at ' + FIREFOX + ' (install firefox-esr, or set TRELLIMENU_FIREFOX)');
  process.exit(77);
}
const { default: puppeteer } = await import('puppeteer-core');

// Firefox keeps its profile and caches in a folder of this run.
const home = mkdtempSync(join(tmpdir(), 'tmz-firefox-home-'));
after(() => rmSync(home, { recursive: true, force: true }));

test('Firefox: a bar in the page\'s header draws in one row, Enter on a toggle opens its submenu, no menu roles', async () => {
  const folder = publish('basic', {}, { extended: { Layout: 'Bar' } });
  const published = readFileSync(join(folder, 'basic.html'), 'latin1'), end = '<!-- CODES END -->';
  const block = published.slice(published.indexOf('<!-- CODES BEGIN -->'), published.indexOf(end) + end.length);
  writeFileSync(join(folder, 'site.html'), '<!DOCTYPE html>\n<html lang="en"><head><meta charset="utf-8">' +
    '<meta name="viewport" content="width=device-width, initial-scale=1"><title>A site</title></head><body>\n' + block +
    '\n<header><h1>Our site</h1></header><main><p>' + 'A line of the page\'s own text. '.repeat(200) + '</p></main></body></html>\n', 'latin1');
  const site = await serve(folder);
  const browser = await puppeteer.launch({ browser: 'firefox', executablePath: FIREFOX, headless: true,
    env: { ...process.env, HOME: home, XDG_CACHE_HOME: join(home, 'cache') } });
  try {
    const page = await browser.newPage();
    const errors = [];
    page.on('pageerror', (e) => errors.push(e.message));
    await page.setViewport({ width: 1280, height: 800 });
    await page.goto(site.origin + '/site.html');
    await page.waitForSelector('.tmz-main .tmz-i');
    const tops = await page.$$eval('.tmz-main > li:not(.tmz-s)', (all) => all.map((li) => li.getBoundingClientRect().top));
    assert.ok(tops.length >= 5);
    assert.equal(new Set(tops.map(Math.round)).size, 1, 'one row: ' + tops);
    const roles = await page.$$eval('[role]', (all) => all.map((e) => e.getAttribute('role')));
    assert.deepEqual(roles.filter((r) => /^menu/.test(r)), [], 'no menu, menubar or menuitem roles');
    const products = await page.$('button[aria-label="Products submenu"]');
    assert.equal(await products.evaluate((t) => t.getAttribute('aria-expanded')), 'false');
    await products.focus();
    await page.keyboard.press('Enter');
    await page.waitForFunction((t) => t.getAttribute('aria-expanded') === 'true', {}, products);
    const list = await products.evaluate((t) => {
      const r = document.getElementById(t.getAttribute('aria-controls')).getBoundingClientRect();
      return { top: r.top, height: r.height, bar: t.closest('.tmz-main').getBoundingClientRect().bottom };
    });
    assert.ok(list.height > 0 && list.top >= list.bar - 6, 'the submenu shows below the bar: ' + JSON.stringify(list));
    assert.deepEqual(errors, []);
  } finally {
    await browser.close();
    site.close();
  }
});
