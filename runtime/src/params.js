/* Trellimenu run-time: parameter recorder.
 * The published page loads this file before tmzcfg.js. The functions only
 * record their arguments; the engine (tmzie.js / tmzmo.js / tmzop.js) reads
 * them from the one namespace object when it draws the menu. */
var Trellimenu = window.Trellimenu || { params: null, items: [], extended: [] };

function createMenuGlobalParams() {
  Trellimenu.params = Array.prototype.slice.call(arguments);
}

// Kept as they came: a menu of thousands of items is read only as far as
// its submenus are opened.
function createItem() {
  Trellimenu.items.push(arguments);
}

// Made only by menus that set a value beyond the classic ones: name and value
// pairs, after every other call.
function createMenuExtendedParams() {
  Trellimenu.extended = Array.prototype.slice.call(arguments);
}
