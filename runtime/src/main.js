/* Draws the menu recorded by tmzparams.js once the page's body exists. */

function draw(o, top) {
  if (!top.length) return;
  var style = make('style', '', doc.head || doc.body);
  style.textContent = styleSheet(o);

  var root = make('div', 'tmz tmz-f');
  var bar = null;
  var menus = new Menus(o, root);
  if (o.bar) {
    bar = make('div', 'tmz-bar', root);
    bar.innerHTML = o.barTitle;
    bar.title = o.barTip;
  }
  var main = menus.main = menus.build(top, null, root);
  if (bar) bar.style.width = main.items[0].width + 'px';
  if (bar && /\S/.test(bar.textContent)) main.list.setAttribute('aria-label', bar.textContent.trim());
  var input = new Input(o, root, menus);
  var firstItem = focusables(main)[0];
  if (firstItem) input.setRover(firstItem);
  var float = new Float(o, root, bar, menus);
  doc.body.appendChild(root);
  float.fit();
  pageHandlers(o);
}

var NS = window.Trellimenu;
if (NS && NS.params && !NS.drawn) {
  NS.drawn = true;
  var start = function () { draw(readOptions(NS.params), readTree(NS.items)); };
  if (doc.body) start();
  else doc.addEventListener('DOMContentLoaded', start);
}
