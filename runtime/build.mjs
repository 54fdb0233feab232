// Builds the run-time scripts that published menus load:
//   node build.mjs --out DIR
// tmzparams.js records the generated calls; tmzie.js, tmzmo.js and tmzop.js
// are one engine (the page picks a file by browser; today they all get the
// same code). Minified with terser when it is installed (npm ci here).
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const ENGINE_PARTS = ['values.js', 'look.js', 'menus.js', 'input.js', 'float.js', 'phone.js', 'main.js'];
const ENGINE_FILES = ['tmzie.js', 'tmzmo.js', 'tmzop.js'];
const BANNER = '/* Trellimenu */\n';

const outIndex = process.argv.indexOf('--out');
if (outIndex < 0 || !process.argv[outIndex + 1]) {
  console.error('usage: node build.mjs --out DIR');
  process.exit(2);
}
const out = process.argv[outIndex + 1];
const read = (name) => readFileSync(join(here, 'src', name), 'utf8');

async function loadMinifier() {
  try {
    return (await import('terser')).minify;
  } catch {
    console.warn('build.mjs: terser is not installed (run npm ci in runtime/); writing unminified scripts');
    return null;
  }
}

// The engine's own objects' property names (never the DOM's, the options
// read by name, nor the records tmzparams.js shares) are shortened too: the
// menus' and items' fields, and every option (main.js and values.js).
const OWN = ['caption', 'arrowX', 'arrowY', 'sep', 'url', 'desc', 'status', 'textDesc', 'current', 'group', 'menu', 'owner',
  'side', 'timer', 'list', 'frame', 'sub', 'panel', 'main', 'isOpen', 'build', 'closeAll', 'innermost', 'showDesc',
  'hideDesc', 'tmzItem', 'tmzGroup', 'tmzCurrent', 'own', 'stand', 'fit', 'update', 't', 'open', 'close'];
const OPTIONS = ['zIndex', 'slideStep', 'slideSpeed', 'autoClose', 'snap', 'scrollType', 'slide', 'openDelay',
  'closeDelay', 'descDelay', 'snapDistance', 'onResize', 'onMouseMove', 'onMouseUp', 'onClick', 'bar', 'barAlign',
  'barBg', 'barColor', 'barFont', 'barSize', 'barBold', 'barItalic', 'barCursor', 'barTip', 'barTitle', 'base', 'base2',
  'base3', 'darkest1', 'darkest2', 'fixed', 'light1', 'light2', 'dark1', 'dark2', 'arrowNormal', 'arrowOver',
  'itemColor', 'itemBg', 'overColor', 'overBg', 'itemFont', 'itemSize', 'itemBold', 'itemItalic', 'sepColor',
  'sepShadow', 'descBg', 'descColor', 'descWidth', 'paddingLeft', 'descBorderWidth', 'descBorderStyle',
  'descBorderColor', 'layout', 'phoneBelow', 'align', 'sticky', 'dark', 'rtl'];
const OWN_PROPERTIES = new RegExp('^(' + OWN.concat(OPTIONS).join('|') + ')$');

async function shrink(minify, code, topLevel) {
  if (!minify) return code;
  const result = await minify(code, {
    ecma: 2017,
    compress: { passes: 3, toplevel: topLevel, unsafe_arrows: true, unsafe_methods: true, unsafe: true, unsafe_comps: true, pure_getters: true },
    mangle: { toplevel: topLevel, properties: topLevel && { regex: OWN_PROPERTIES, builtins: true } },
    format: { comments: false }
  });
  return result.code;
}

const minify = await loadMinifier();
const engineSource = "(function () {\n'use strict';\n" + ENGINE_PARTS.map(read).join('\n') + '\n})();\n';
// The recorder's globals must keep their names; inside the engine every name is private.
const params = BANNER + await shrink(minify, read('params.js'), false) + '\n';
const engine = BANNER + await shrink(minify, engineSource, true) + '\n';

mkdirSync(out, { recursive: true });
writeFileSync(join(out, 'tmzparams.js'), params);
for (const name of ENGINE_FILES) writeFileSync(join(out, name), engine);
