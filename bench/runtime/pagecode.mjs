// The two page codes on a slow connection: one article page served at
// 150 ms per request, without a menu, with the classic block (document.write
// of the scripts) and with the modern one (a hidden <nav> of links and
// deferred scripts). First contentful paint, and the moment the menu is
// drawn on screen and answers, medians, in headless Chromium:
//   node pagecode.mjs [--bin BUILD/bin] [--runs N] [--delay MS]
// Prints a Markdown table. Not a test: numbers depend on the machine.
import { mkdtempSync, readFileSync, writeFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { arg, median, tree, publishMenu, serve, launch } from './common.mjs';

const RUNS = Number(arg('--runs', 5)), DELAY = Number(arg('--delay', 150));
const items = tree([10, 9, 0]);
const blockOf = (page) => page.slice(page.indexOf('<!-- CODES BEGIN -->'), page.indexOf('<!-- CODES END -->') + 18);

const ARTICLE = '<main><h1>Notes from the harbour</h1>' + Array.from({ length: 12 }, (_, k) =>
  '<h2>Part ' + (k + 1) + '</h2><p>' + 'The boats came in with the evening tide, and the quay filled with people. '.repeat(8) + '</p>').join('') +
  '</main>';
const page = (block) => '<!DOCTYPE html>\r\n<html lang="en"><head><meta charset="utf-8"><title>Notes</title></head><body>\r\n' +
  block + '\r\n' + ARTICLE + '</body></html>\r\n';

// The same article three times: without a menu, and with each block as
// trellimenu-cli writes it (both use the same scripts, beside the pages).
function writePages(folder) {
  const block = (code) => {
    publishMenu(folder, code, items, '.', ['--page-code', code]);
    return blockOf(readFileSync(join(folder, code + '.html'), 'latin1'));
  };
  writeFileSync(join(folder, 'none.html'), page(''));
  writeFileSync(join(folder, 'classic-page.html'), page(block('classic')));
  writeFileSync(join(folder, 'modern-page.html'), page(block('modern')));
}

// The menu is usable once its items are laid out and the frame that shows
// them has been painted: the first task after the next animation frame.
const WATCH_USABLE = `new MutationObserver(function (list, observer) {
  var a = document.querySelector('.tmz-main a');
  if (!a || a.getBoundingClientRect().height === 0) return;
  observer.disconnect();
  requestAnimationFrame(function () {
    var channel = new MessageChannel();
    channel.port1.onmessage = function () { window.benchUsable = performance.now(); };
    channel.port2.postMessage(0);
  });
}).observe(document, { childList: true, subtree: true, attributes: true });`;

const VARIANTS = [['no menu', 'none.html'], ['classic block', 'classic-page.html'], ['modern block', 'modern-page.html']];

async function measureOnce(browser, origin, file, withMenu) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
  const tab = await context.newPage();
  await tab.addInitScript(WATCH_USABLE);
  await tab.goto(origin + '/' + file, { waitUntil: 'load' });
  await tab.waitForFunction(() => performance.getEntriesByName('first-contentful-paint').length > 0);
  if (withMenu) await tab.waitForFunction(() => window.benchUsable !== undefined);
  const t = await tab.evaluate(() => ({ fcp: performance.getEntriesByName('first-contentful-paint')[0].startTime,
    usable: window.benchUsable }));
  await context.close();
  return t;
}

const browser = await launch();
const scratch = mkdtempSync(join(tmpdir(), 'tmz-pagecode-'));
const results = VARIANTS.map(() => ({ fcp: [], usable: [] }));
try {
  writePages(scratch);
  const site = await serve(scratch, DELAY);
  // Runs alternate between the pages, so a busy moment of the machine falls on all alike.
  for (let run = 0; run < RUNS; run++) {
    for (const [k, [, file]] of VARIANTS.entries()) {
      const t = await measureOnce(browser, site.origin, file, k > 0);
      results[k].fcp.push(t.fcp);
      results[k].usable.push(t.usable);
    }
  }
  site.close();
} finally {
  await browser.close();
  rmSync(scratch, { recursive: true, force: true });
}

const fcp = results.map((r) => median(r.fcp)), usable = results.map((r) => median(r.usable));
console.log(`Median of ${RUNS} runs, ${items.length} top-level items (${DELAY} ms per request), headless Chromium, ${new Date().toISOString().slice(0, 10)}\n`);
console.log('| page | first contentful paint (ms) | menu usable (ms) |');
console.log('|---|---:|---:|');
VARIANTS.forEach(([name], k) => console.log(`| ${name} | ${fcp[k].toFixed(0)} | ${k ? usable[k].toFixed(0) : '-'} |`));
console.log(`\nModern block's first paint: ${(100 * (fcp[2] / fcp[0] - 1)).toFixed(1)} % over the page without a menu; ` +
  `menu usable ${(usable[1] - usable[2]).toFixed(0)} ms sooner than with the classic block.`);
