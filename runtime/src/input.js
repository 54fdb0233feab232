/* Pointer, touch and keyboard. Hover opens and closes after the author's
 * delays; a tap opens a submenu and a second tap follows the link; the
 * keyboard follows the menu-bar pattern screen readers expect. On the
 * narrow-window panel nothing opens on hover and a tap on a parent item
 * opens or closes its submenu. */

function itemOf(node, root) {
  var a = node && node.closest ? node.closest('.tmz-i') : null;
  return a && root.contains(a) ? a.tmzItem : null;
}

function Input(o, root, menus) {
  var hovered = null, openTimer = 0, closeTimer = 0, pointerKind = '';
  var trail = [], lastMove = 0, aimedFrom = null, rover = null, self = this;

  function stopTimers() {
    clearTimeout(openTimer);
    clearTimeout(closeTimer);
  }

  /* While the pointer heads for the open submenu of a sibling, crossing this
   * item must not replace that submenu: the pointer's last moves stay inside
   * the triangle between it and the submenu's near edge. */
  function aiming(menu) {
    var sub = menu.open && menu.open.sub, cur = trail[trail.length - 1], prev = trail[0];
    // A resting pointer is not heading anywhere.
    if (!sub || !cur || cur === prev || cur === aimedFrom || Date.now() - lastMove > 120) return false;
    var r = sub.frame.getBoundingClientRect(), k = sub.side, x = k > 0 ? r.left : r.right;
    function slope(p, y) { return (y - p.y) / ((x - p.x) * k); }
    if ((x - cur.x) * k <= 0) return false;
    var heading = slope(cur, r.top) < slope(prev, r.top) && slope(cur, r.bottom) > slope(prev, r.bottom);
    if (heading) aimedFrom = cur;
    return heading;
  }

  function activate(it) {
    var menu = it.menu;
    if (menu.open && menu.open !== it && aiming(menu)) {
      openTimer = setTimeout(function () { if (hovered === it) activate(it); }, 80);
    } else if (it.group) {
      menus.open(it);
    } else if (menu.open) {
      menus.close(menu.open);
    }
  }

  root.addEventListener('pointermove', function (e) {
    if (e.pointerType === 'touch') return;
    lastMove = Date.now();
    trail.push({ x: e.clientX, y: e.clientY });
    if (trail.length > 3) trail.shift();
  });

  root.addEventListener('pointerover', function (e) {
    if (e.pointerType === 'touch' || menus.panel) return;
    clearTimeout(closeTimer);
    var it = itemOf(e.target, root);
    if (it === hovered) return;
    hovered = it;
    clearTimeout(openTimer);
    menus.showDesc(it);
    if (it) openTimer = later(function () { activate(it); }, o.openDelay);
  });

  root.addEventListener('pointerout', function (e) {
    if (e.pointerType === 'touch' || menus.panel || root.contains(e.relatedTarget)) return;
    hovered = null;
    clearTimeout(openTimer);
    menus.hideDesc();
    if (o.autoClose) closeTimer = later(menus.closeAll, o.closeDelay);
  });

  root.addEventListener('pointerdown', function (e) { pointerKind = e.pointerType; }, true);

  root.addEventListener('click', function (e) {
    var it = itemOf(e.target, root), tap = /touch|pen/.test(pointerKind);
    pointerKind = '';
    if (!it) return;
    stopTimers();
    if (menus.panel && it.group) {
      e.preventDefault();
      if (menus.isOpen(it)) menus.close(it);
      else menus.open(it);
      return;
    }
    // The first tap on a parent item (or a click on one without a link) opens it.
    if (it.group && !menus.isOpen(it) && (tap || !it.url)) {
      e.preventDefault();
      menus.open(it);
      return;
    }
    if (!it.url) {
      e.preventDefault();
      if (it.group && tap) menus.close(it);
      return;
    }
    menus.closeAll();
  });

  // Escape anywhere on the page closes what hovering opened, as it does
  // from inside the menu; focus in a closing submenu goes back to its item.
  doc.addEventListener('keydown', function (e) {
    if (e.key !== 'Escape' || e.defaultPrevented || menus.panel) return;
    stopTimers();
    menus.closeAll();
  });

  // A tap or click anywhere else closes the menus at once.
  doc.addEventListener('pointerdown', function (e) {
    if (!root.contains(e.target)) {
      stopTimers();
      menus.closeAll();
    }
  }, true);

  function go(it) {
    var menu = it.menu;
    if (menu.open && menu.open !== it) menus.close(menu.open);
    focusItem(it);
  }

  // A submenu left holding only separators still opens; focus stays put.
  function enter(it) {
    var first = focusables(menus.open(it))[0];
    if (first) go(first);
  }

  function leave(owner) {
    menus.close(owner);
    focusItem(owner);
  }

  root.addEventListener('keydown', function (e) {
    var it = itemOf(e.target, root);
    if (!it || e.altKey || e.ctrlKey || e.metaKey) return;
    var list = focusables(it.menu), i = list.indexOf(it), n = list.length, owner = it.menu.owner;
    var keys = {
      ArrowDown: function () { go(list[(i + 1) % n]); },
      ArrowUp: function () { go(list[(i + n - 1) % n]); },
      Home: function () { go(list[0]); },
      End: function () { go(list[n - 1]); },
      ArrowRight: function () { if (it.group) enter(it); },
      ArrowLeft: function () { if (owner) leave(owner); },
      // On the panel Escape closes the whole panel (Forms).
      Escape: function () { if (menus.panel) return false; if (owner) leave(owner); else menus.closeAll(); },
      Enter: function () { if (it.group && !it.url) enter(it); else return false; },
      ' ': function () { if (it.group) enter(it); else it.a.click(); }
    };
    var act = keys[e.key];
    if (act && act() !== false) {
      e.preventDefault();
      stopTimers();
    }
  });

  // Roving tab stop: Tab reaches the main menu once, at its last used item.
  this.setRover = function (it) {
    if (rover) rover.a.tabIndex = -1;
    rover = it;
    it.a.tabIndex = 0;
  };

  root.addEventListener('focusin', function (e) {
    var it = itemOf(e.target, root);
    if (!it) return;
    if (!it.menu.owner) self.setRover(it);
    menus.showDesc(it);
  });

  root.addEventListener('focusout', function (e) {
    menus.hideDesc();
    if (e.relatedTarget && !root.contains(e.relatedTarget)) {
      stopTimers();
      menus.closeAll();
    }
  });
}
