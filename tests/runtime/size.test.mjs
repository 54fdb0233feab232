// What a visitor downloads before any menu draws: tmzparams.js and the
// engine, each compressed as a server would (zlib, level 9), stay under 9 KB
// together. The engine is one file for every layout.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';
import { gzipSync } from 'node:zlib';

const binDir = process.env.TRELLIMENU_BIN_DIR || join(dirname(fileURLToPath(import.meta.url)), '../../build/bin');
const BUDGET = 9 * 1024;

// Not met yet (9,452 B with today's engine): reported as a TODO with its
// figure until the engine is under the budget, then this mark goes.
test('tmzparams.js and tmzmo.js together stay under 9 KB gzipped', { todo: 'the engine is still over the budget' }, () => {
  const sizes = ['tmzparams.js', 'tmzmo.js'].map((name) => gzipSync(readFileSync(join(binDir, name)), { level: 9 }).length);
  const total = sizes[0] + sizes[1];
  console.log('gzipped: tmzparams.js ' + sizes[0] + ' B + tmzmo.js ' + sizes[1] + ' B = ' + total + ' B of ' + BUDGET);
  assert.ok(total < BUDGET, total + ' B is over the budget of ' + BUDGET + ' B (is terser installed in runtime/?)');
});
