/* Draws each menu recorded by tmzparams.js once the page's body exists: into
 * the page's own <nav class="trellimenu"> when its block has one (the modern
 * page code, whose plain list of links this replaces), else into a <nav>
 * landmark of its own: a floating menu at the end of what the page has so
 * far, a bar or a sidebar where its block stands, in the page's flow. */

// The main menu and its widest submenu side by side, with their frames.
function sideBySide(main) {
  var widest = 0;
  main.items.forEach(function (it) {
    if (it.group) widest = Math.max(widest, toNumber(it.group[0][22], 120));
  });
  return main.items[0].width + widest + 16;
}

// The link whose address is the page's own, and the items that hold it.
// A link element resolves an address as the browser would follow it.
function markCurrent(calls, link) {
  var found = false;
  link = link || make('a');
  calls.forEach(function (c) {
    var url = toText(c[26]).trim(), inside = !!c.tmzGroup && markCurrent(c.tmzGroup, link), own;
    link.href = url;
    own = !!url && link.href.split('#')[0] === location.href.split('#')[0];
    c.tmzCurrent = own ? 'page' : inside ? 'true' : '';
    found = found || own || inside;
  });
  return found;
}

// The modern block's own list: the one before the block's tmzcfg.js (the
// first not yet drawn when that script is not known). Another block's
// tmzcfg.js on the way back ends the search: a classic block pasted after a
// modern one must not take that block's list.
var PLAIN = 'nav.trellimenu:not(.tmz-nav)';

function plainNav(anchor) {
  for (var e = anchor; e; e = e.previousElementSibling) {
    if (e.matches(PLAIN)) return e;
    if (e !== anchor && /tmzcfg\.js$/.test(e.src)) break;
  }
  return anchor ? null : doc.querySelector(PLAIN);
}

// A bar or a sidebar lies in the page's flow: nothing to keep in place.
function Flow(root) {
  this.stand = function (e) {
    if (e === root) root.style.position = root.style.left = root.style.top = '';
  };
  this.fit = function () {};
}

function draw(rec) {
  var o = readExtended(rec.extended, readOptions(rec.params)), top = readTree(rec.items);
  if (!top.length) return;
  var flow = o.layout !== 'Floating', anchor = rec.anchor && rec.anchor.isConnected ? rec.anchor : null;
  var title = plainText(o.barTitle), scope = uid('tmz-k');
  var nav = plainNav(anchor);
  if (nav) {
    nav.textContent = '';
  } else {
    nav = make('nav');
    nav.setAttribute('aria-label', title || 'Site menu');
  }
  var at = anchor && doc.body.contains(anchor) ? anchor : null;
  o.rtl = getComputedStyle(nav.parentNode || (at ? at.parentNode : doc.body)).direction === 'rtl';
  markCurrent(top);
  applyStyle(scoped(styleSheet(o), scope));
  nav.classList.add('tmz-nav', scope);
  if (o.rtl) nav.dir = 'rtl';

  var root = make('div', 'tmz tmz-f' + (flow ? ' tmz-L tmz-' + o.layout.charAt(0) : ''), nav);
  root.id = uid('tmz-f');
  var bar = null;
  var menus = new Menus(o, root);
  if (o.bar && !flow) {
    bar = make('div', 'tmz-bar', root);
    bar.innerHTML = o.barTitle;
    bar.title = o.barTip;
  }
  var main = menus.main = menus.build(top, null, root);
  if (bar) bar.style.width = main.items[0].width + 'px';
  if (title) main.list.setAttribute('aria-label', title);
  new Input(o, root, menus);
  var place = flow ? new Flow(root) : new Float(o, root, bar, menus);
  var forms = new Forms(o, nav, root, menus, place, title || 'Menu', flow ? 0 : sideBySide(main));
  if (!nav.parentNode) {
    if (flow && at) at.parentNode.insertBefore(nav, at);
    else doc.body.appendChild(nav);
  }
  // Built: shown before it is measured into place, so the page is laid out once.
  nav.hidden = false;
  forms.update();
  place.fit();
  if (o.sticky && o.layout === 'Bar') stick(nav);
  pageHandlers(o);
}

// A bar that sticks to the top keeps a focused element of the page from
// hiding under it: the page scrolls it into view below the bar.
function stick(nav) {
  function pad() { doc.documentElement.style.scrollPaddingTop = nav.offsetHeight + 'px'; }
  pad();
  addEventListener('resize', pad);
}

if (NS.menus && NS.menus.length) {
  NS.menus.forEach(function (rec) {
    if (rec.drawn) return;
    rec.drawn = true;
    var start = function () { draw(rec); };
    if (doc.body) start();
    else doc.addEventListener('DOMContentLoaded', start);
  });
} else {
  // Without its settings (tmzcfg.js did not load) the menu cannot be drawn;
  // the modern page code's plain list of links shows instead, in full on a
  // phone too: a bar's sheet keeps a button's room there only for the engine.
  doc.querySelectorAll('nav.trellimenu').forEach(function (plain) { plain.hidden = false; plain.classList.add('tmz-plain'); });
}
