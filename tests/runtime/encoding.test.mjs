// Text in every language reaches the visitor as the author wrote it, whatever
// the encoding of the page the code is pasted into, and tmzcfg.js is plain
// ASCII whose strings are exactly the author's texts.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import vm from 'node:vm';
import { launchBrowser, publish, serve, openPage } from './harness.mjs';

const CAFE = 'Über uns Café €';
const SMILE = 'Grüße 😀';

// publish() writes the project byte for byte from a Latin-1 string; these
// give it the bytes of each encoding.
const utf8Bytes = (text) => Buffer.from(text, 'utf8').toString('latin1');
const windows1252Bytes = (text) => text.replace('€', '\x80');

// The published block pasted into a page that declares `charset`.
function pageIn(folder, charset, encoding) {
  const published = readFileSync(join(folder, 'basic.html'), 'latin1');
  const end = '<!-- CODES END -->';
  const block = published.slice(published.indexOf('<!-- CODES BEGIN -->'), published.indexOf(end) + end.length);
  const name = 'in-' + charset + '.html';
  const own = 'Seite: Grüße';
  writeFileSync(join(folder, name), Buffer.concat([
    Buffer.from('<!DOCTYPE html><html><head><meta charset="' + charset + '"><title>x</title></head><body>\n' + block),
    Buffer.from('<p id="own">', 'latin1'), Buffer.from(own, encoding), Buffer.from('</p></body></html>\n', 'latin1')]));
  return name;
}

let browser;
before(async () => { browser = await launchBrowser(); });
after(async () => { await browser.close(); });

test('tmzcfg.js is ASCII and its strings evaluate to the exact texts', () => {
  const folder = publish('basic', { items: { Products: { 0: utf8Bytes(CAFE) }, Widgets: { 0: utf8Bytes(SMILE), 28: utf8Bytes('日本語') } } });
  const bytes = readFileSync(join(folder, 'tmzcfg.js'));
  assert.ok(bytes.every((b) => b < 0x80), 'only ASCII bytes');
  const items = [];
  vm.runInNewContext(bytes.toString('latin1'), { createMenuGlobalParams() {}, createItem: (...args) => items.push(args) });
  const captions = items.map((args) => args[0]);
  assert.ok(captions.includes(CAFE));
  assert.ok(captions.includes(SMILE));
  assert.equal(items.find((args) => args[0] === SMILE)[28], '日本語');  // the pop-up text
});

for (const [kind, bytesOf] of [['UTF-8 project', utf8Bytes], ['Windows-1252 project', windows1252Bytes]]) {
  test('a visitor reads the captions of a ' + kind + ' exactly in every kind of page', async () => {
    const captions = { Products: bytesOf(CAFE) };
    if (kind.startsWith('UTF-8')) captions.Widgets = bytesOf(SMILE);
    const items = Object.fromEntries(Object.entries(captions).map(([k, v]) => [k, { 0: v }]));
    const folder = publish('basic', { items });
    const site = await serve(folder);
    try {
      for (const page of ['basic.html', pageIn(folder, 'utf-8', 'utf8'), pageIn(folder, 'windows-1252', 'latin1')]) {
        const opened = await openPage(browser, site, page);
        try {
          const texts = await opened.page.locator('.tmz-i').allTextContents();
          assert.ok(texts.includes(CAFE), page + ': ' + texts.join(' | '));
          if (captions.Widgets) {
            await opened.page.locator('.tmz-i', { hasText: CAFE }).hover();
            await opened.page.locator('.tmz-i', { hasText: SMILE }).waitFor();
          }
          assert.deepEqual(opened.errors, []);
        } finally {
          await opened.close();
        }
      }
    } finally {
      site.close();
    }
  });
}
