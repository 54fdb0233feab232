/* The two forms of the menu. On a window narrower than the author's phone
 * width (640 CSS pixels unless set), or too narrow for a floating main menu
 * and a submenu side by side, the menu shows as one button at its place; the button opens the whole menu as a panel as
 * wide as the window, whose submenus open in place under their items.
 * Resizing the window (turning a phone) switches between the forms. A page
 * shown in a frame goes by the screen's width instead of the frame's: a
 * frame on a desktop floats the menu whenever it fits. */
var MARGIN = 8;

// need: the width of the main menu and its widest submenu side by side.
// While the panel is open, focus stays in it and the page behind stays put.
function Forms(o, nav, root, menus, float, label, need) {
  var button = make('button', 'tmz-b'), open = false, refocus = false;
  button.type = 'button';
  button.textContent = label;
  button.setAttribute('aria-expanded', 'false');
  button.setAttribute('aria-controls', root.id);
  button.hidden = true;
  nav.insertBefore(button, root);

  // Below the button, or above it when the window has more room there; never
  // past the window's edge, even with the button scrolled out of sight.
  function layout() {
    var view = windowSize(), b = button.getBoundingClientRect(), s = root.style;
    var down = view.h - b.bottom >= b.top, from = Math.max(MARGIN, down ? b.bottom + 4 : view.h - b.top + 4);
    s.position = 'fixed';
    s.left = MARGIN + 'px';
    s.width = view.w - 2 * MARGIN + 'px';
    s.top = down ? from + 'px' : 'auto';
    s.bottom = down ? 'auto' : from + 'px';
    s.maxHeight = view.h - from - MARGIN + 'px';
  }

  // Focus goes back to the button unless it has gone somewhere else.
  function focusWasHere() {
    var f = doc.activeElement;
    return !f || f === doc.body || nav.contains(f);
  }

  function show(yes, focusButton) {
    var back = focusButton && focusWasHere();
    open = yes;
    button.setAttribute('aria-expanded', String(yes));
    menus.closeAll();
    root.hidden = !yes;
    doc.documentElement.classList.toggle('tmz-lock', yes);
    if (yes) layout();
    if (back) button.focus({ preventScroll: true });
  }

  button.addEventListener('click', function () { show(!open, false); });

  // Following a link closes the panel (the click was not taken by a parent).
  root.addEventListener('click', function (e) {
    if (open && !e.defaultPrevented && itemOf(e.target, root)) show(false, true);
  });

  doc.addEventListener('keydown', function (e) {
    if (open && e.key === 'Escape') show(false, true);
  });

  // A tap outside closes it at once; focus returns to the button after the
  // click unless the tap gave it to something else.
  doc.addEventListener('pointerdown', function (e) {
    refocus = false;
    if (open && !nav.contains(e.target)) {
      refocus = focusWasHere();
      show(false, false);
    }
  }, true);
  doc.addEventListener('click', function () {
    if (refocus && focusWasHere()) button.focus({ preventScroll: true });
    refocus = false;
  }, true);

  // Tab and Shift+Tab go round the button and what the panel shows.
  nav.addEventListener('keydown', function (e) {
    if (!open || e.key !== 'Tab') return;
    var all = [].filter.call(nav.querySelectorAll('a[href],button'), function (el) { return el.getClientRects().length; });
    var ends = e.shiftKey ? [all[0], all[all.length - 1]] : [all[all.length - 1], all[0]];
    if (doc.activeElement === ends[0]) {
      e.preventDefault();
      ends[1].focus();
    }
  });

  // The panel stays with its button while the page scrolls.
  addEventListener('scroll', function () { if (open) layout(); });

  this.update = function () {
    var w = windowSize().w, s = root.style;
    // A bar or a sidebar (need 0) switches where its sheet's media query does,
    // counting the scroll bar, or the two would disagree just above the phone
    // width; a floating menu keeps measuring without it.
    var panel = w < need || (window.top !== window ? screen.width : need ? w : innerWidth) < o.phoneBelow;
    if (panel === menus.panel) {
      if (open) layout();
      return;
    }
    var had = root.contains(doc.activeElement);
    show(false, false);
    menus.panel = panel;
    root.classList.toggle('tmz-p', panel);
    root.hidden = panel;
    button.hidden = !panel;
    if (!panel) s.width = s.maxHeight = s.bottom = '';
    float.stand(panel ? button : root);
    float.fit();
    if (had && panel) button.focus({ preventScroll: true });
  };
  addEventListener('resize', this.update);
}
