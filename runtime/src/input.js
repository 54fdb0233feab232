/* Pointer, touch and keyboard. Hover opens and closes after the author's
 * delays; a tap opens a submenu and a second tap follows the link; the
 * keyboard follows the disclosure pattern: Tab goes through every link and
 * toggle in order, a toggle opens with Enter or Space, Escape closes the
 * innermost submenu, and the arrow keys move between items as an extra. On
 * the narrow-window panel nothing opens on hover and a tap on a parent item
 * opens or closes its submenu. */

function itemOf(node, root) {
  var a = node && node.closest ? node.closest('.tmz-i,.tmz-t') : null;
  return a && root.contains(a) ? a.tmzItem : null;
}

function Input(o, root, menus) {
  var hovered = null, openTimer = 0, closeTimer = 0, pointerKind = '';
  var trail = [], lastMove = 0, aimedFrom = null, hoverOpened = null;

  function stopTimers() {
    clearTimeout(openTimer);
    clearTimeout(closeTimer);
  }

  /* While the pointer heads for the open submenu of a sibling, crossing this
   * item must not replace that submenu: the pointer's last moves stay inside
   * the triangle between it and the submenu's near edge (its top edge for
   * a bar's dropdown). */
  function aiming(menu) {
    var sub = menu.open && menu.open.sub, cur = trail[trail.length - 1], prev = trail[0];
    // A resting pointer is not heading anywhere.
    if (!sub || !cur || cur === prev || cur === aimedFrom || Date.now() - lastMove > 120) return false;
    // A bar's dropdown is approached from above: the same test, axes exchanged.
    var r = sub.frame.getBoundingClientRect(), down = !menu.owner && o.layout === 'Bar', k = down ? 1 : sub.side;
    var x = down ? r.top : k > 0 ? r.left : r.right, lo = down ? r.left : r.top, hi = down ? r.right : r.bottom;
    var c = down ? { x: cur.y, y: cur.x } : cur, p = down ? { x: prev.y, y: prev.x } : prev;
    function slope(q, y) { return (y - q.y) / ((x - q.x) * k); }
    if ((x - c.x) * k <= 0) return false;
    var heading = slope(c, lo) < slope(p, lo) && slope(c, hi) > slope(p, hi);
    if (heading) aimedFrom = cur;
    return heading;
  }

  function activate(it) {
    var menu = it.menu;
    if (menu.open && menu.open !== it && aiming(menu)) {
      openTimer = setTimeout(function () { if (hovered === it) activate(it); }, 80);
    } else if (it.group) {
      if (!menus.isOpen(it)) hoverOpened = it;
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

  // The pop-up box can be hovered (to read or select it) without the item
  // under it taking the pointer.
  root.addEventListener('pointerover', function (e) {
    if (e.pointerType === 'touch' || menus.panel) return;
    clearTimeout(closeTimer);
    if (menus.desc && menus.desc.contains(e.target)) return;
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
    var it = itemOf(e.target, root), tap = /touch|pen/.test(pointerKind), byHover = hoverOpened === it;
    pointerKind = '';
    hoverOpened = null;
    if (!it) return;
    stopTimers();
    var toggle = it.t && it.t.contains(e.target);
    // A toggle opens and closes its submenu; one just opened by hovering
    // stays open under the click that was meant to open it. On the panel and
    // on a first tap, the link of a parent does the same.
    if (toggle || it.group && (menus.panel || tap && !menus.isOpen(it))) {
      e.preventDefault();
      if (menus.isOpen(it) && !(byHover && !menus.panel)) menus.close(it);
      else menus.open(it);
      return;
    }
    if (!it.url) return e.preventDefault();
    menus.closeAll();
  });

  // Escape anywhere on the page closes what hovering opened; from inside the
  // menu it closes the innermost submenu and focus goes to its toggle. It
  // also dismisses the pop-up box.
  doc.addEventListener('keydown', function (e) {
    if (e.key !== 'Escape' || e.defaultPrevented || menus.panel) return;
    stopTimers();
    menus.hideDesc();
    var inner = menus.innermost();
    if (!root.contains(doc.activeElement)) return menus.closeAll();
    if (inner) {
      menus.close(inner);
      inner.t.focus({ preventScroll: true });
      e.preventDefault();
    }
  });

  // A tap or click anywhere else closes the menus and the pop-up box at
  // once; in the menu (the box itself too) it closes the box.
  doc.addEventListener('pointerdown', function (e) {
    menus.hideDesc();
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
    focusItem(owner, owner.t);
  }

  root.addEventListener('keydown', function (e) {
    var it = itemOf(e.target, root);
    pointerKind = '';
    if (!it || e.altKey || e.ctrlKey || e.metaKey || e.shiftKey) return;
    var list = focusables(it.menu), i = list.indexOf(it), n = list.length, owner = it.menu.owner;
    var across = !owner && o.layout === 'Bar', ahead = o.rtl ? 'ArrowLeft' : 'ArrowRight';
    var behind = o.rtl ? 'ArrowRight' : 'ArrowLeft', keys = {};
    keys[across ? ahead : 'ArrowDown'] = function () { go(list[(i + 1) % n]); };
    keys[across ? behind : 'ArrowUp'] = function () { go(list[(i + n - 1) % n]); };
    keys.Home = function () { go(list[0]); };
    keys.End = function () { go(list[n - 1]); };
    keys[across ? 'ArrowDown' : ahead] = function () { if (it.group) enter(it); };
    if (!across) keys[behind] = function () { if (owner) leave(owner); };
    var act = keys[e.key];
    if (act && i >= 0) {
      act();
      e.preventDefault();
      stopTimers();
    }
  });

  // Tab moved on past an open submenu, or to a sibling of its item: it
  // closes (not under a pointer, whose click would then land elsewhere).
  root.addEventListener('focusin', function (e) {
    var it = itemOf(e.target, root);
    if (!it) return;
    if (it.menu.open && it.menu.open !== it && !pointerKind) menus.close(it.menu.open);
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
