/* Trellimenu run-time: parameter recorder.
 * The published page loads this file before tmzcfg.js. The two functions only
 * record their arguments; the engine (tmzie.js / tmzmo.js / tmzop.js) reads
 * them from the one namespace object when it draws the menu. */
var Trellimenu = window.Trellimenu || { params: null, items: [] };

function createMenuGlobalParams() {
  Trellimenu.params = Array.prototype.slice.call(arguments);
}

// Kept as they came: a menu of thousands of items is read only as far as
// its submenus are opened.
function createItem() {
  Trellimenu.items.push(arguments);
}
