// What the engine's benchmarks share: the generated menus, publishing them
// with trellimenu-cli, a loopback server, the browser, medians.
import { chromium } from 'playwright-core';
import { execFileSync } from 'node:child_process';
import { createServer } from 'node:http';
import { readFileSync, writeFileSync, existsSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, dirname, extname } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
export const arg = (name, fallback) => { const i = process.argv.indexOf(name); return i > 0 ? process.argv[i + 1] : fallback; };
export const binDir = arg('--bin', process.env.TRELLIMENU_BIN_DIR || join(here, '../../build/bin'));
export const median = (xs) => { const s = xs.filter(Number.isFinite).sort((a, b) => a - b); return s.length ? s[Math.floor(s.length / 2)] : NaN; };

// A menu of the shape [top-level items, children of each, grandchildren of each child].
export function tree([top, kids, grandkids]) {
  const node = (caption, children) => ({ caption, url: 'p/' + caption.replace(/\W/g, '') + '.html', children });
  return Array.from({ length: top }, (_, i) => node('Section ' + i, Array.from({ length: kids }, (_, j) =>
    node('Page ' + i + '.' + j, Array.from({ length: grandkids }, (_, k) => node('Topic ' + i + '.' + j + '.' + k, []))))));
}

const SEP = '#$@';
function projectText(items) {
  const applet = ['1000', '20', '10', '1', '1', '3', '0', '', '', '', '0', '2000', '10', '15', '', '', '', '', '', '1',
    'Center', '6B98E7', 'FFFFFF', 'Arial', '14', '1', '0', '', 'Hold your mouse to move!', 'Menu', '0', '', '0', '0',
    'C0C0C0', 'C0C0C0', 'C0C0C0', '939393', '939393', '000000', 'FFFFFF', 'FFFFFF', '868686', '868686', 'arrow_normal.gif',
    'arrow_over.gif', 'FFFFFF', '3879BA', '004080', 'FFFFFF', '', 'Arial', '12', '1', '0', '88B1DB', '000027', 'EAEA00',
    '000000', '', '180', '20', '', '20', '20', '2', 'ridge', 'FFFF00', '', '', '1', ''];
  const lines = ['<Product_Name>', 'Trellimenu 2006', '</Product_Name>', '<Product_Version>', '1.0', '</Product_Version>',
    '<Applet_Parameters>', applet.map((v) => v + SEP).join(''), '</Applet_Parameters>', '<Item_Parameters>'];
  const walk = (nodes, level) => nodes.forEach((n) => {
    const f = new Array(38).fill('');
    Object.assign(f, { 0: n.caption, 16: '150', 17: '4', 22: '170', 23: '0', 26: n.url, 27: '_self', 34: String(level), 36: '0', 37: '1' });
    lines.push(f.map((v) => v + SEP).join(''));
    walk(n.children, level + 1);
  });
  walk(items, 0);
  lines.push('</Item_Parameters>');
  return lines.map((l) => l + '\r\n').join('');
}

/**
 * Writes the menu as FOLDER/NAME.tmz and publishes it into FOLDER/OUT; extra:
 * more arguments for the tool; extended: the project's extended values ({ Layout: 'Bar' }).
 */
export function publishMenu(folder, name, items, out, extra = [], extended = {}) {
  const project = join(folder, name + '.tmz');
  const section = Object.entries(extended).map(([k, v]) => k + '=' + v + '\r\n').join('');
  writeFileSync(project, projectText(items) + (section ? '<Extended_Parameters>\r\n' + section + '</Extended_Parameters>\r\n' : ''));
  execFileSync(join(binDir, 'trellimenu-cli'), ['publish', project, '--out', join(folder, out), ...extra], { stdio: 'pipe' });
}

/** Serves a folder on 127.0.0.1, each answer after delayMs; what it lacks is an empty answer. */
export function serve(folder, delayMs = 0) {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.gif': 'image/gif' };
  const server = createServer((req, res) => setTimeout(() => {
    const file = join(folder, decodeURIComponent(new URL(req.url, 'http://x').pathname));
    if (existsSync(file) && extname(file)) {
      res.writeHead(200, { 'content-type': types[extname(file)] || 'application/octet-stream' });
      res.end(readFileSync(file));
    } else {
      res.writeHead(204);
      res.end();
    }
  }, delayMs));
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () =>
    resolve({ origin: 'http://127.0.0.1:' + server.address().port, close: () => server.close() })));
}

// The browser keeps its own files (crash reports, caches) in a folder of
// this run, never in the user's home.
function browserEnvironment() {
  const home = mkdtempSync(join(tmpdir(), 'tmz-browser-home-'));
  process.on('exit', () => rmSync(home, { recursive: true, force: true }));
  return { ...process.env, HOME: home, XDG_CONFIG_HOME: join(home, 'config'), XDG_CACHE_HOME: join(home, 'cache') };
}

export const launch = () => chromium.launch({
  executablePath: process.env.TRELLIMENU_CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update', '--no-first-run'],
  env: browserEnvironment()
});
