// Timings of the run-time menu engine beside SmartMenus 1.2 (jQuery) and a
// static nested list with CSS-only hover submenus, on the same menus of 100,
// 1,000 and 5,000 items, in headless Chromium; then our menu on a phone
// (its button and panel form) beside the floating form on a desktop:
//   node bench.mjs [--bin BUILD/bin] [--runs N] [--rtt MS] [--keep DIR]
// --rtt answers each request MS later, as a network's round trip would: on
// loopback, a page's extra files cost only the machine's time to serve them.
// --keep writes the pages into DIR and leaves them there, to look at by hand.
// Prints a Markdown table. Not a test: numbers depend on the machine.
import { mkdtempSync, mkdirSync, readFileSync, writeFileSync, appendFileSync, copyFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';
import { arg, median, tree, publishMenu, serve, launch } from './common.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const RUNS = Number(arg('--runs', 7));
const RTT = Number(arg('--rtt', 0));
const modules = join(here, 'node_modules');

// Menu shapes: top-level items, children of each, grandchildren of each child.
const SIZES = [[100, [10, 9, 0]], [1000, [10, 9, 10]], [5000, [10, 20, 24]]].filter(([n]) => !process.env.BENCH_ONLY || String(n) === process.env.BENCH_ONLY);

// --- Our engine: a project file published by trellimenu-cli -----------------
function publishOurs(folder, items) {
  publishMenu(folder, 'ours', items, 'ours');
  // The same page set to the phone's width, as a site made for phones is.
  const page = readFileSync(join(folder, 'ours/ours.html'), 'latin1');
  writeFileSync(join(folder, 'ours/phone.html'), page.replace('<HTML>',
    '<HTML><HEAD><meta name="viewport" content="width=device-width, initial-scale=1"></HEAD>'), 'latin1');
}

// The same menu as a bar in a site's header: the block where it stands, the
// page's content after it.
function publishBar(folder, items) {
  publishMenu(folder, 'bar', items, 'bar');
  appendFileSync(join(folder, 'bar/tmzcfg.js'), '\r\ncreateMenuExtendedParams("Layout","Bar");\r\n');
  const page = readFileSync(join(folder, 'bar/bar.html'), 'latin1'), end = '<!-- CODES END -->';
  const block = page.slice(page.indexOf('<!-- CODES BEGIN -->'), page.indexOf(end) + end.length);
  writeFileSync(join(folder, 'bar/site.html'), '<!DOCTYPE html><html><head><title>bar</title></head><body><header>' +
    block + '</header><main><h1>Page</h1></main></body></html>', 'latin1');
}

// The bar in the modern page code: drawn by tmzmenu.css before the deferred
// engine takes it over.
function publishModernBar(folder, items) {
  publishMenu(folder, 'modern', items, 'modern', ['--page-code', 'modern'], { Layout: 'Bar' });
  const page = readFileSync(join(folder, 'modern/modern.html'), 'latin1'), end = '<!-- CODES END -->';
  const block = page.slice(page.indexOf('<!-- CODES BEGIN -->'), page.indexOf(end) + end.length);
  writeFileSync(join(folder, 'modern/site.html'), '<!DOCTYPE html><html><head><title>bar</title></head><body><header>' +
    block + '</header><main><h1>Page</h1></main></body></html>', 'latin1');
}

// --- The same menu as a nested list ------------------------------------------
const listHtml = (nodes) => nodes.length
  ? '<ul>' + nodes.map((n) => '<li><a href="' + n.url + '">' + n.caption + '</a>' + listHtml(n.children) + '</li>').join('') + '</ul>'
  : '';
const DRAWN = 'document.querySelector("#m a").getBoundingClientRect();window.benchDrawn=performance.now();';

function writeSmartMenus(folder, items) {
  const dist = join(modules, 'smartmenus/dist');
  copyFileSync(join(modules, 'jquery/dist/jquery.min.js'), join(folder, 'jquery.min.js'));
  copyFileSync(join(dist, 'jquery.smartmenus.min.js'), join(folder, 'jquery.smartmenus.min.js'));
  const css = readFileSync(join(dist, 'css/sm-core-css.css'), 'utf8') + readFileSync(join(dist, 'css/sm-clean/sm-clean.css'), 'utf8');
  writeFileSync(join(folder, 'sm.css'), css);
  writeFileSync(join(folder, 'smartmenus.html'), '<!DOCTYPE html><html><head><link rel="stylesheet" href="sm.css">' +
    '<style>#m{width:200px}</style></head><body>' + listHtml(items).replace('<ul>', '<ul id="m" class="sm sm-vertical sm-clean">') +
    '<script src="jquery.min.js"></script><script src="jquery.smartmenus.min.js"></script><script>' +
    '$("#m").smartmenus({showTimeout:0,hideTimeout:0,showDuration:0,hideDuration:0,showFunction:null,hideFunction:null});' +
    DRAWN + '</script></body></html>');
}

// The same list behind one empty external script: what loading any script
// file costs before it runs, the floor for every menu that ships one.
function writeStatic(folder, items) {
  const css = '#m,#m ul{list-style:none;margin:0;padding:0;width:200px;background:#3879BA}#m li{position:relative}' +
    '#m a{display:block;padding:4px 8px;color:#fff;font:bold 12px Arial}#m li:hover>a{background:#fff;color:#004080}' +
    '#m ul{display:none;position:absolute;left:100%;top:0}#m li:hover>ul{display:block}';
  const page = (head) => '<!DOCTYPE html><html><head>' + head + '<style>' + css + '</style></head><body>' +
    listHtml(items).replace('<ul>', '<ul id="m">') + '<script>' + DRAWN + '</script></body></html>';
  writeFileSync(join(folder, 'static.html'), page(''));
  writeFileSync(join(folder, 'empty.js'), '\n');
  writeFileSync(join(folder, 'static-script.html'), page('<script src="empty.js"></script>'));
  // A CSS-only dropdown bar: top items side by side, submenus below, deeper ones beside.
  const bar = css.replace('width:200px;', '') + '#m{display:flex;flex-wrap:wrap;width:auto}#m ul{width:200px}' +
    '#m>li>ul{left:0;top:100%}';
  // The same bar as most sites ship it: its rules in a style sheet file of the site, linked in the head.
  const barPage = (head) => '<!DOCTYPE html><html><head>' + head + '</head><body><header>' +
    listHtml(items).replace('<ul>', '<ul id="m">') + '</header><main><h1>Page</h1></main><script>' + DRAWN +
    '</script></body></html>';
  writeFileSync(join(folder, 'static-bar.html'), barPage('<style>' + bar + '</style>'));
  writeFileSync(join(folder, 'bar.css'), bar);
  writeFileSync(join(folder, 'static-bar-file.html'), barPage('<link rel="stylesheet" href="bar.css">'));
}

// --- Measuring ------------------------------------------------------------------
// Our engine draws from its own script: a watcher notes when the main menu's
// items are in the page and laid out, the same moment the others mark.
const WATCH_OURS = `new MutationObserver(function (list, observer) {
  var m = document.querySelector('.tmz-main a');
  if (m) { m.getBoundingClientRect(); window.benchDrawn = performance.now(); observer.disconnect(); }
}).observe(document, { childList: true, subtree: true });`;

// The first frame that shows a bar: from the first animation frame on, each
// looks whether check() finds the bar's first link laid out. Every bar is
// timed so, whatever draws it (a style sheet or a script).
const FRAME = (check) => `requestAnimationFrame(function frame() {
  if ((${check})()) window.benchFrame = performance.now(); else requestAnimationFrame(frame);
});`;
const laidOut = (selector) => `function () { var a = document.querySelector('${selector}'); return !!a && a.getBoundingClientRect().height > 0; }`;
// The modern bar: its static list in the bar's form (tmzmenu.css applied),
// or already the engine's; the engine is in place once its own list is.
// Its deferred engine runs after parsing, so the watcher starts then: one
// that saw every element the parser adds would slow the very first frame
// timed here, which the CSS-only bars are spared.
const WATCH_MODERN = FRAME(`function () { var a = document.querySelector('nav.trellimenu > ul > li > a');
  return !!document.querySelector('.tmz-main a') || !!a && getComputedStyle(a.parentNode.parentNode).display === 'flex'; }`) + `
document.addEventListener('readystatechange', function () {
  if (document.readyState !== 'interactive') return;
  new MutationObserver(function (list, observer) {
    var m = document.querySelector('.tmz-main a');
    if (m) { m.getBoundingClientRect(); window.benchDrawn = window.benchReady = performance.now(); observer.disconnect(); }
  }).observe(document, { childList: true, subtree: true });
});`;
const WATCH_SHIFTS = `window.benchShift = 0;
new PerformanceObserver(function (l) { l.getEntries().forEach(function (e) { window.benchShift += e.value; }); })
  .observe({ type: 'layout-shift', buffered: true });`;

// In the page: from the pointer's arrival over the item to the submenu on
// screen. Menus that change the page are caught by a mutation observer right
// after their handlers; a CSS-only menu by a check in the next task.
const HOVER_PROBE = `window.benchHover = function (submenuOf) {
  window.benchResult = new Promise(function (resolve) {
    addEventListener('pointerover', function start() {
      removeEventListener('pointerover', start, true);
      var t0 = performance.now(), done = false, observer = new MutationObserver(check);
      function check() {
        if (done) return;
        var sub = submenuOf(), style = sub && getComputedStyle(sub);
        if (sub && sub.getBoundingClientRect().width > 0 && style.display !== 'none' && style.visibility !== 'hidden') {
          done = true;
          observer.disconnect();
          resolve(performance.now() - t0);
        } else {
          setTimeout(check, 1);
        }
      }
      observer.observe(document, { subtree: true, childList: true, attributes: true });
      setTimeout(check, 0);
    }, true);
  });
};`;

const CONTENDERS = [
  { name: 'Trellimenu', page: 'ours/ours.html', watch: WATCH_OURS, item: (i) => `.tmz-main > li:nth-child(${i + 1}) .tmz-i`,
    submenu: (i) => `() => document.getElementById(document.querySelector('.tmz-main > li:nth-child(${i + 1}) .tmz-t').getAttribute('aria-controls'))` },
  { name: 'Trellimenu Bar', page: 'bar/site.html', watch: WATCH_OURS + FRAME(laidOut('.tmz-main a')), item: (i) => `.tmz-main > li:nth-child(${i + 1}) .tmz-i`,
    submenu: (i) => `() => document.getElementById(document.querySelector('.tmz-main > li:nth-child(${i + 1}) .tmz-t').getAttribute('aria-controls'))` },
  { name: 'Trellimenu Bar, modern page code', page: 'modern/site.html', watch: WATCH_MODERN, item: (i) => `.tmz-main > li:nth-child(${i + 1}) .tmz-i`,
    submenu: (i) => `() => document.getElementById(document.querySelector('.tmz-main > li:nth-child(${i + 1}) .tmz-t').getAttribute('aria-controls'))` },
  { name: 'CSS-only bar', page: 'static-bar.html', watch: FRAME(laidOut('#m > li > a')), item: (i) => `#m > li:nth-child(${i + 1}) > a`,
    submenu: (i) => `() => document.querySelector('#m > li:nth-child(${i + 1}) > ul')` },
  { name: 'CSS-only bar, style sheet file', page: 'static-bar-file.html', watch: FRAME(laidOut('#m > li > a')), item: (i) => `#m > li:nth-child(${i + 1}) > a`,
    submenu: (i) => `() => document.querySelector('#m > li:nth-child(${i + 1}) > ul')` },
  { name: 'SmartMenus 1.2', page: 'smartmenus.html', item: (i) => `#m > li:nth-child(${i + 1}) > a`,
    submenu: (i) => `() => document.querySelector('#m > li:nth-child(${i + 1}) > ul')` },
  { name: 'Static CSS list', page: 'static.html', item: (i) => `#m > li:nth-child(${i + 1}) > a`,
    submenu: (i) => `() => document.querySelector('#m > li:nth-child(${i + 1}) > ul')` },
  { name: 'Static CSS list + one empty script file', page: 'static-script.html', item: (i) => `#m > li:nth-child(${i + 1}) > a`,
    submenu: (i) => `() => document.querySelector('#m > li:nth-child(${i + 1}) > ul')` }
];

// On a phone: when the menu's button is laid out, and from the tap's click
// to the panel's items laid out (the engine opens it within the click).
const WATCH_BUTTON = `new MutationObserver(function (list, observer) {
  var b = document.querySelector('.tmz-b');
  if (b && b.getBoundingClientRect().width > 0) { window.benchDrawn = performance.now(); observer.disconnect(); }
}).observe(document, { childList: true, subtree: true, attributes: true });
window.benchPanel = new Promise(function (resolve) {
  addEventListener('click', function start() {
    removeEventListener('click', start, true);
    var t0 = performance.now();
    new MutationObserver(function (list, observer) {
      var item = document.querySelector('.tmz-main a');
      if (item && item.getBoundingClientRect().height > 0) { observer.disconnect(); resolve(performance.now() - t0); }
    }).observe(document, { subtree: true, attributes: true });
  }, true);
});`;

async function measurePhoneOnce(browser, origin) {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true });
  const page = await context.newPage();
  await page.addInitScript(WATCH_BUTTON);
  await page.goto(origin + '/ours/phone.html', { waitUntil: 'load' });
  await page.waitForFunction(() => window.benchDrawn !== undefined);
  const drawn = await page.evaluate(() => window.benchDrawn);
  await page.tap('.tmz-b');
  const open = await page.evaluate(() => window.benchPanel);
  await context.close();
  return { drawn, open };
}

async function measureOnce(browser, origin, contender, run) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 900 } });
  const page = await context.newPage();
  await page.addInitScript(HOVER_PROBE + WATCH_SHIFTS + (contender.watch || ''));
  await page.goto(origin + '/' + contender.page, { waitUntil: 'load' });
  await page.waitForFunction(() => window.benchDrawn !== undefined);
  // A menu that a script takes over is hovered once it has.
  await page.waitForFunction(() => !document.querySelector('nav.trellimenu:not(.tmz-nav)'));
  const { drawn, ready, frame } = await page.evaluate(() => ({ drawn: window.benchDrawn, ready: window.benchReady, frame: window.benchFrame }));
  // Each run hovers another section, so every timing is a first opening.
  // Two small moves first: SmartMenus takes them as the sign of a mouse.
  const i = run % 10;
  await page.mouse.move(900, 800);
  await page.mouse.move(902, 802);
  await page.mouse.move(903, 803);
  const target = await page.locator(contender.item(i)).boundingBox();
  await page.evaluate(`window.benchHover(${contender.submenu(i)})`);
  await page.mouse.move(target.x + 10, target.y + target.height / 2);
  const hover = await Promise.race([page.evaluate(() => window.benchResult),
    new Promise((resolve) => setTimeout(() => resolve(NaN), 5000))]);
  const shift = await page.evaluate(() => window.benchShift);
  await context.close();
  return { drawn, hover, ready, shift, frame };
}

// Runs alternate between the menus (and our phone form), so a busy moment
// of the machine falls on all alike.
async function measure(browser, origin) {
  const results = CONTENDERS.map(() => ({ drawn: [], hover: [], ready: [], shift: [], frame: [] })), phone = { drawn: [], open: [] };
  for (let run = 0; run < RUNS; run++) {
    for (const [k, contender] of CONTENDERS.entries()) {
      const t = await measureOnce(browser, origin, contender, run);
      for (const key of ['drawn', 'hover', 'ready', 'shift', 'frame']) results[k][key].push(t[key]);
    }
    const t = await measurePhoneOnce(browser, origin);
    phone.drawn.push(t.drawn);
    phone.open.push(t.open);
  }
  return { menus: results.map((r) => ({ drawn: median(r.drawn), hover: median(r.hover), ready: median(r.ready), frame: median(r.frame), shift: Math.max(...r.shift) })),
    phone: { drawn: median(phone.drawn), open: median(phone.open) } };
}

const size = (files) => {
  const data = Buffer.concat(files.map((f) => readFileSync(f)));
  return data.length ? `${(data.length / 1024).toFixed(1)} KB / ${(gzipSync(data, { level: 9 }).length / 1024).toFixed(1)} KB` : '0';
};

const browser = await launch();
const rows = [], phoneRows = [];
const keep = arg('--keep', '');
const scratch = keep || mkdtempSync(join(tmpdir(), 'tmz-bench-'));
try {
  for (const [count, shape] of SIZES) {
    const folder = join(scratch, String(count));
    mkdirSync(folder, { recursive: true });
    const items = tree(shape);
    publishOurs(folder, items);
    publishBar(folder, items);
    publishModernBar(folder, items);
    writeSmartMenus(folder, items);
    writeStatic(folder, items);
    const site = await serve(folder, RTT);
    const scripts = {
      Trellimenu: [['ours/tmzparams.js', 'ours/tmzmo.js'], ['ours/tmzcfg.js']],
      'Trellimenu Bar': [['bar/tmzparams.js', 'bar/tmzmo.js'], ['bar/tmzcfg.js']],
      'Trellimenu Bar, modern page code': [['modern/tmzparams.js', 'modern/tmzmo.js'], ['modern/tmzcfg.js', 'modern/tmzmenu.css']],
      'CSS-only bar': [[], []],
      'CSS-only bar, style sheet file': [[], ['bar.css']],
      'SmartMenus 1.2': [['jquery.min.js', 'jquery.smartmenus.min.js'], []],
      'Static CSS list': [[], []],
      'Static CSS list + one empty script file': [['empty.js'], []]
    };
    const { menus: timings, phone } = await measure(browser, site.origin);
    phoneRows.push([count, timings[0].drawn.toFixed(1), phone.drawn.toFixed(1), phone.open.toFixed(2)]);
    for (const [k, contender] of CONTENDERS.entries()) {
      const t = timings[k];
      const [engine, data] = scripts[contender.name];
      const fixed = (v, n) => Number.isFinite(v) ? v.toFixed(n) : '';
      rows.push([count, contender.name, t.drawn.toFixed(1), fixed(t.frame, 1), fixed(t.ready, 1), t.hover.toFixed(2),
        t.shift.toFixed(4), size(engine.map((f) => join(folder, f))), size(data.map((f) => join(folder, f)))]);
    }
    site.close();
  }
} finally {
  await browser.close();
  if (!keep) rmSync(scratch, { recursive: true, force: true });
}

console.log(`Median of ${RUNS} runs, headless Chromium, ${RTT ? RTT + ' ms round trips' : 'loopback'}, ${new Date().toISOString().slice(0, 10)}\n`);
console.log('| items | menu | navigation start to top level drawn (ms) | first frame showing the bar (ms) | engine in place (ms) | hover to submenu drawn (ms) | layout shift (worst run) | engine script raw / gzip | menu data raw / gzip |');
console.log('|---:|---|---:|---:|---:|---:|---:|---:|---:|');
for (const r of rows) console.log('| ' + r.join(' | ') + ' |');
console.log('\nOur menu on a phone (390 x 844, touch) beside its floating form on the desktop above:\n');
console.log('| items | desktop: navigation start to floating menu drawn (ms) | phone: navigation start to button drawn (ms) | phone: tap to panel drawn (ms) |');
console.log('|---:|---:|---:|---:|');
for (const r of phoneRows) console.log('| ' + r.join(' | ') + ' |');
