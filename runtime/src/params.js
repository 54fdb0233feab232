/* Trellimenu run-time: parameter recorder.
 * The published page loads this file before tmzcfg.js. The functions only
 * record their arguments; the engine (tmzie.js / tmzmo.js / tmzop.js) reads
 * them from the one namespace object when it draws the menus. Each
 * createMenuGlobalParams call starts the record of another menu, so several
 * projects' blocks on one page each keep their own settings; the block of
 * the same tmzcfg.js pasted twice is recorded once. */
var Trellimenu = window.Trellimenu || { menus: [] };

function createMenuGlobalParams(...params) {
  var script = document.currentScript, from = script && script.src || '', menus = Trellimenu.menus;
  var twice = from && menus.some((m) => m.from === from);
  if (twice) console.warn('Trellimenu: ' + from + ' twice on this page, drawn once');
  menus.push({ params, items: [], extended: {}, from, anchor: script, drawn: twice });
}

// Kept as they came: a menu of thousands of items is read only as far as
// its submenus are opened.
function createItem() {
  var menus = Trellimenu.menus, last = menus[menus.length - 1];
  if (last) last.items.push(arguments);
}

// Name/value pairs of the values newer than the generated calls above.
function createMenuExtendedParams() {
  var menus = Trellimenu.menus, last = menus[menus.length - 1], extended = last ? last.extended : {};
  for (var i = 0; i + 1 < arguments.length; i += 2) extended[arguments[i]] = String(arguments[i + 1]);
}
