/* Draws the menu recorded by tmzparams.js once the page's body exists: into
 * the page's own <nav class="trellimenu"> when it has one (the modern page
 * code, whose plain list of links this replaces), else into a <nav> landmark
 * of its own at the end of what the page has so far. */

// The main menu and its widest submenu side by side, with their frames.
function sideBySide(main) {
  var widest = 0;
  main.items.forEach(function (it) {
    if (it.group) widest = Math.max(widest, toNumber(it.group[0][22], 120));
  });
  return main.items[0].width + widest + 16;
}

function draw(o, top) {
  if (!top.length) return;
  applyStyle(styleSheet(o));
  var title = plainText(o.barTitle);
  var nav = doc.querySelector('nav.trellimenu');
  if (nav) {
    nav.textContent = '';
  } else {
    nav = make('nav');
    nav.setAttribute('aria-label', title || 'Site menu');
  }
  nav.classList.add('tmz-nav');

  var root = make('div', 'tmz tmz-f', nav);
  root.id = 'tmz-f' + ++serial;
  var bar = null;
  var menus = new Menus(o, root);
  if (o.bar) {
    bar = make('div', 'tmz-bar', root);
    bar.innerHTML = o.barTitle;
    bar.title = o.barTip;
  }
  var main = menus.main = menus.build(top, null, root);
  if (bar) bar.style.width = main.items[0].width + 'px';
  if (bar && title) main.list.setAttribute('aria-label', title);
  var input = new Input(o, root, menus);
  var firstItem = focusables(main)[0];
  if (firstItem) input.setRover(firstItem);
  var float = new Float(o, root, bar, menus);
  var forms = new Forms(nav, root, menus, float, title || 'Menu', sideBySide(main));
  if (!nav.parentNode) doc.body.appendChild(nav);
  // Built: shown before it is measured into place, so the page is laid out once.
  nav.hidden = false;
  forms.update();
  float.fit();
  pageHandlers(o);
}

var NS = window.Trellimenu;
if (NS && NS.params && !NS.drawn) {
  NS.drawn = true;
  var start = function () { draw(readOptions(NS.params), readTree(NS.items)); };
  if (doc.body) start();
  else doc.addEventListener('DOMContentLoaded', start);
} else if (!NS || !NS.params) {
  // Without its settings (tmzcfg.js did not load) the menu cannot be drawn;
  // the modern page code's plain list of links shows instead.
  var plain = doc.querySelector('nav.trellimenu');
  if (plain) plain.hidden = false;
}
