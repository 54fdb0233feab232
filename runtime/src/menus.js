/* Menus and their submenus. A submenu's elements are made the first time it
 * opens; every submenu frame lives inside the floating container, so it moves
 * with the main menu and shares its stacking order. */

var doc = document;
var NS = window.Trellimenu || {};

// Ids stay unique when two copies of the engine (two menus' folders) share the page.
function uid(prefix) {
  NS.serial = (NS.serial || 0) + 1;
  return prefix + NS.serial;
}

function make(tag, cls, parent) {
  var e = doc.createElement(tag);
  if (cls) e.className = cls;
  if (parent) parent.appendChild(e);
  return e;
}

// Text of an HTML fragment, read without loading anything it refers to.
function plainText(html) {
  var t = doc.createElement('template');
  t.innerHTML = html;
  return t.content.textContent.replace(/\s+/g, ' ').trim();
}

// The window's inner size without scroll bars; pages published without a
// doctype run in quirks mode, where the body reports it.
function windowSize() {
  var e = doc.compatMode === 'BackCompat' && doc.body ? doc.body : doc.documentElement;
  return { w: e.clientWidth, h: e.clientHeight };
}

// A parent's own link at the head of its submenu counts only where it shows,
// on the narrow-window panel.
function focusables(menu) {
  return menu.items.filter(function (it) { return !it.sep && (it.url || it.group) && !(it.own && !it.a.offsetParent); });
}

// A list taller than its room scrolls inside its frame, whose edges keep
// their share: frameHeight is the frame's height with the whole list.
function fitList(list, room, frameHeight) {
  list.style.maxHeight = Math.max(40, room - (frameHeight - list.offsetHeight)) + 'px';
  list.style.overflowY = 'auto';
}

// Places e at a point of the window, inside the element it is positioned in.
function moveInside(e, holder, x, y) {
  var box = holder.getBoundingClientRect();
  e.style.left = x - box.left - holder.clientLeft + 'px';
  e.style.top = y - box.top - holder.clientTop + 'px';
}

// The page must not jump, but a menu that scrolls its items (or the panel,
// which scrolls as a whole) brings the focused one into its view.
function focusItem(it, e) {
  e = e || it.a;
  var list = e.closest('.tmz-p') || it.menu.list, r = e.getBoundingClientRect(), l = list.getBoundingClientRect();
  var top = l.top + list.clientTop, bottom = top + list.clientHeight;
  e.focus({ preventScroll: true });
  if (r.top < top) list.scrollTop -= top - r.top;
  else if (r.bottom > bottom) list.scrollTop += r.bottom - bottom;
}

/* panel: the menu shows as the narrow-window panel (set by Forms).
 * Disclosure navigation: an item with a link is a link; an item with a
 * submenu has a toggle button beside its link, or is that button when it has
 * no link. Each toggle's (empty) list exists from the start, so the toggle
 * names it, and the submenu follows its toggle in the page's Tab order. */
function Menus(o, root) {
  var self = this, desc = null, descTimer = 0, start = o.rtl ? 'right' : 'left';
  self.panel = false;

  function arrows(it, host, x) {
    var normal = o.arrowNormal || o.arrowOver, over = o.arrowOver || o.arrowNormal;
    if (!normal) return;
    [[normal, 'tmz-a tmz-n'], [over, 'tmz-a tmz-o']].forEach(function (p) {
      // The program's own arrows are drawn in the item's text colour, so they
      // contrast with the item as its caption does. Their pictures are not
      // fetched: they would not show, and a page in another folder than the
      // menu's would ask for them beside itself in vain.
      var own = /arrow_(normal|over)\.gif$/.test(p[0]), img = make(own ? 'span' : 'img', p[1] + (own ? ' tmz-w' : ''), host);
      if (!own) {
        img.alt = '';
        img.src = p[0];
      }
      if (x == null) return;
      img.style[start] = x + 'px';
      img.style.top = 'calc(' + it.arrowY + 'px + var(--tmz-s,0px))';
    });
  }

  // flat: a top item of a bar, whose arrow the style sheet places.
  function addItem(menu, it, width, flat) {
    var li = make('li', it.sep ? 'tmz-s' : it.own ? 'tmz-own' : '', menu.list);
    it.menu = menu;
    if (it.sep) return li.setAttribute('aria-hidden', 'true');
    var row = it.group && it.url ? make('div', 'tmz-r', li) : li;
    var a = it.a = make(it.group && !it.url ? 'button' : 'a', 'tmz-i', row);
    a.innerHTML = it.caption;
    a.tmzItem = it;
    if (it.url) a.setAttribute('href', it.url);
    if (it.target && it.url) a.target = it.target;
    if (it.current) a.classList.add('tmz-c');
    if (it.current === 'page') a.setAttribute('aria-current', 'page');
    // Today's browsers have no status bar to write to; the message is told
    // to assistive technology, and shown as a tip when no pop-up box is set.
    var status = it.status && it.status !== it.url ? it.status : '';
    var note = it.desc ? (it.textDesc ? it.desc : plainText(it.desc)) : status;
    if (note) a.setAttribute('aria-description', note);
    if (status && !it.desc) a.title = status;
    if (!it.group) return;
    li.className = 'tmz-h';
    var t = it.t = a.tagName === 'BUTTON' ? a : make('button', '', row), at = null;
    t.classList.add('tmz-t');
    t.type = 'button';
    t.tmzItem = it;
    t.setAttribute('aria-expanded', 'false');
    if (it.current === 'true') t.setAttribute('aria-current', 'true');
    if (t !== a) {
      t.setAttribute('aria-label', plainText(it.caption) + ' submenu');
      // At least 24 px wide, reaching the arrow and the item's far edge.
      var edge = flat ? null : Math.max(0, Math.min(it.arrowX - 4, width - 28));
      if (edge != null) t.style[start] = edge + 'px';
      at = edge == null ? null : it.arrowX - edge;
    } else if (!flat) {
      at = it.arrowX;
    }
    arrows(it, t, at);
    var frame = it.frame = make('div', 'tmz-f tmz-sub', li), list = make('ul', 'tmz-m', frame);
    frame.hidden = true;
    list.id = uid('tmz-m');
    t.setAttribute('aria-controls', list.id);
    list.setAttribute('aria-label', plainText(it.caption));
  }

  // owner: the item that opens this menu, or null for the main menu.
  this.build = function (calls, owner, frame) {
    var group = calls.map(readItem), width = group[0].width, flat = !owner && o.layout === 'Bar';
    // On the panel a tap on a parent opens and closes its submenu, so the
    // parent's own link leads the submenu there.
    if (owner && owner.url) {
      group.unshift({ own: true, caption: owner.caption, url: owner.url, target: owner.target, desc: '', status: '' });
    }
    var menu = { items: group, owner: owner, flat: flat, open: null, side: owner ? owner.menu.side : o.rtl ? -1 : 1, timer: 0 };
    var list = menu.list = owner ? owner.frame.firstChild : make('ul', 'tmz-m tmz-main', frame);
    if (!owner) list.id = uid('tmz-m');
    if (!flat) list.style.width = width + 'px';
    group.forEach(function (it) { addItem(menu, it, width, flat); });
    menu.frame = owner ? owner.frame : frame;
    return menu;
  };

  /* Beside the parent menu on the side it opened to, or the other when the
   * window has more room there; below its item for the top of a bar. Then
   * moved back inside the window on both axes when it still does not fit,
   * scrolling when taller than the window. */
  function place(sub, it) {
    var f = sub.frame, list = sub.list, view = windowSize(), width = view.w, height = view.h;
    list.style.maxHeight = '';
    f.style.left = f.style.top = '0px';
    var w = f.offsetWidth, h = f.offsetHeight;
    if (h > height) {
      fitList(list, height, h);
      h = f.offsetHeight;
    }
    var fr = f.getBoundingClientRect(), first = list.querySelector('li:not(.tmz-own)').getBoundingClientRect();
    var pm = it.menu.frame.getBoundingClientRect();
    var row = it.a.getBoundingClientRect(), side = it.menu.side, x, y;
    if (it.menu.flat) {
      row = it.a.parentNode.getBoundingClientRect();
      x = side > 0 ? row.left : row.right - w;
      y = row.bottom + h <= height || height - row.bottom >= row.top ? row.bottom : row.top - h;
    } else {
      var roomRight = width - pm.right, roomLeft = pm.left;
      side = side > 0
        ? (w <= roomRight || roomRight >= roomLeft ? 1 : -1)
        : (w <= roomLeft || roomLeft > roomRight ? -1 : 1);
      x = side > 0 ? pm.right : pm.left - w;
      y = row.top - (first.top - fr.top);
    }
    x = Math.max(0, Math.min(x, width - w));
    y = Math.max(0, Math.min(y, height - h));
    sub.side = side;
    moveInside(f, f.offsetParent || root, x, y);
  }

  function slide(sub) {
    var f = sub.frame, steps = Math.min(o.slideStep, 200), i = 0;
    clearTimeout(sub.timer);
    f.style.clipPath = '';
    if (!o.slide || steps < 2 || matchMedia('(prefers-reduced-motion: reduce)').matches) return;
    (function step() {
      var hide = 100 - 100 * ++i / steps + '%';
      f.style.clipPath = i >= steps ? '' : sub.side > 0 ? 'inset(0 ' + hide + ' 0 0)' : 'inset(0 0 0 ' + hide + ')';
      if (i < steps) sub.timer = setTimeout(step, Math.max(0, o.slideSpeed));
    })();
  }

  this.isOpen = function (it) {
    return it.menu.open === it;
  };

  this.open = function (it) {
    var menu = it.menu;
    if (menu.open !== it) {
      if (menu.open) self.close(menu.open);
      var sub = it.sub || (it.sub = self.build(it.group, it)), f = sub.frame;
      menu.open = it;
      it.t.setAttribute('aria-expanded', 'true');
      it.a.parentNode.classList.add('tmz-x');
      f.hidden = false;
      if (self.panel) {
        reveal(sub, it);
      } else {
        place(sub, it);
        slide(sub);
      }
    }
    return it.sub;
  };

  // On the panel a submenu opens in place under its item: the panel scrolls
  // to show it, as far as its item stays in view.
  function reveal(sub, it) {
    var r = root.getBoundingClientRect(), by = Math.min(sub.frame.getBoundingClientRect().bottom - r.bottom,
      it.a.getBoundingClientRect().top - r.top - root.clientTop);
    if (by > 0) root.scrollTop += by;
  }

  this.close = function (it) {
    var sub = it.sub;
    if (it.menu.open !== it) return;
    if (sub.open) self.close(sub.open);
    it.menu.open = null;
    it.t.setAttribute('aria-expanded', 'false');
    it.a.parentNode.classList.remove('tmz-x');
    clearTimeout(sub.timer);
    sub.frame.hidden = true;
    if (sub.frame.contains(doc.activeElement)) focusItem(it, it.t);
  };

  // The deepest submenu open, by its item.
  this.innermost = function () {
    for (var it = self.main.open; it && it.sub.open;) it = it.sub.open;
    return it;
  };

  this.closeAll = function () {
    self.hideDesc();
    if (self.main.open) self.close(self.main.open);
  };

  // The pop-up description box, near the item and inside the window.
  this.showDesc = function (it) {
    self.hideDesc();
    if (!it || self.panel || !/\S/.test(it.desc)) return;
    descTimer = later(function () {
      if (!desc) {
        desc = self.desc = make('div', 'tmz-d', root);
        desc.setAttribute('role', 'tooltip');
      }
      if (it.textDesc) desc.textContent = it.desc;
      else desc.innerHTML = it.desc;
      desc.hidden = false;
      var view = windowSize(), r = it.a.getBoundingClientRect();
      var w = desc.offsetWidth, h = desc.offsetHeight, x = r.left + 16, m, drop;
      // Under an item with a submenu the box keeps clear of the side where
      // the submenu opens, so it never hides the items it leads to: beside a
      // bar's dropdown (its frame: the list and 8 px of edges), on the side
      // with room.
      if (it.group) {
        m = it.menu.frame.getBoundingClientRect();
        x = it.menu.side > 0 ? Math.min(x, m.right - w) : Math.max(x, m.left);
        if (it.menu.flat) {
          m = it.a.parentNode.getBoundingClientRect();
          drop = toNumber(it.group[0][22], 120) + 10;
          x = o.rtl ? m.right - drop - w : m.left + drop;
          if (x < 0 || x + w > view.w) x = o.rtl ? m.right + 2 : m.left - w - 2;
        }
      }
      x = Math.max(0, Math.min(x, view.w - w));
      var y = r.bottom + 2 + h > view.h ? Math.max(0, r.top - h - 2) : r.bottom + 2;
      moveInside(desc, root, x, y);
    }, o.descDelay);
  };

  this.hideDesc = function () {
    clearTimeout(descTimer);
    if (desc) desc.hidden = true;
  };
}

// A delay of zero or less acts at once, so a menu set to open without delay
// opens within the pointer event itself.
function later(fn, ms) {
  if (ms > 0) return setTimeout(fn, ms);
  fn();
  return 0;
}
