/* Trellimenu run-time: parameter recorder.
 * The published page loads this file before tmzcfg.js. The two functions only
 * record their arguments; the engine (tmzie.js / tmzmo.js / tmzop.js) reads
 * them from the one namespace object when it draws the menu. */
var Trellimenu = window.Trellimenu || { params: null, items: [] };

function createMenuGlobalParams() {
  Trellimenu.params = Array.prototype.slice.call(arguments);
}

function createItem() {
  Trellimenu.items.push(Array.prototype.slice.call(arguments));
}
