/* The floating container: start position, keeping its place in the window
 * along the chosen scroll axes, dragging by the bar, and snapping to the
 * window's edges. On a narrow window the menu's button stands in its place
 * instead, kept inside the window; the place itself is kept for when the
 * window widens again. */

function Float(o, root, bar, menus) {
  // Scroll modes: 0 none, 1 horizontal only, 2 vertical only, 3 both.
  var followX = o.scrollType === 1 || o.scrollType === 3;
  var followY = o.scrollType === 2 || o.scrollType === 3;
  var fixed = followX && followY;
  // Along a followed axis pos is a window coordinate, otherwise a page one.
  var pos = { x: o.x, y: o.y }, self = this, el = root;

  function place() {
    var s = el.style, ox = followX && !fixed ? scrollX : 0, oy = followY && !fixed ? scrollY : 0;
    var x = pos.x + ox, y = pos.y + oy, view;
    if (el !== root) {
      view = windowSize();
      x = Math.max(ox, Math.min(x, ox + view.w - el.offsetWidth));
      y = Math.max(oy, followY ? Math.min(y, oy + view.h - el.offsetHeight) : y);
    }
    s.position = fixed ? 'fixed' : 'absolute';
    s.left = x + 'px';
    s.top = y + 'px';
  }

  // The element that stands at the menu's place: the menu or its button.
  this.stand = function (e) {
    el = e;
    place();
  };

  function moveTo(windowX, windowY) {
    pos.x = windowX + (followX ? 0 : scrollX);
    pos.y = windowY + (followY ? 0 : scrollY);
    place();
  }

  // How far to move so an edge within reach touches the window's edge.
  // inside: only pull edges that are still in the window (page scrolling
  // must not hold the menu at an edge it has passed).
  function pull(before, after, inside) {
    var d = o.snapDistance;
    function near(gap) { return gap <= d && gap >= (inside ? 0 : -d); }
    return near(before) ? -before : near(after) ? after : 0;
  }

  function snap(inside) {
    if (!o.snap || el !== root) return;
    var r = root.getBoundingClientRect(), view = windowSize();
    var dx = pull(r.left, view.w - r.right, inside);
    var dy = pull(r.top, view.h - r.bottom, inside);
    if (dx || dy) {
      pos.x += dx;
      pos.y += dy;
      place();
    }
  }

  // A menu that keeps its place while the page scrolls up and down shows
  // only what fits below its top; the rest of its items scroll inside it.
  this.fit = function () {
    var list = menus.main.list, s = list.style;
    s.maxHeight = s.overflowY = '';
    if (!followY || el !== root) return;
    var r = root.getBoundingClientRect(), room = windowSize().h - r.top;
    if (r.height > room) {
      s.maxHeight = Math.max(40, room - (r.height - list.offsetHeight)) + 'px';
      s.overflowY = 'auto';
    }
  };

  place();
  addEventListener('scroll', function () {
    if (!fixed) place();
    snap(true);
  });
  addEventListener('resize', function () {
    if (el !== root) return place();
    menus.closeAll();
    snap(false);
    self.fit();
  });

  if (!bar) return;
  bar.addEventListener('pointerdown', function (e) {
    if (e.button) return;
    e.preventDefault();
    menus.closeAll();
    var r = root.getBoundingClientRect(), dx = e.clientX - r.left, dy = e.clientY - r.top;
    bar.setPointerCapture(e.pointerId);
    function move(ev) {
      moveTo(ev.clientX - dx, ev.clientY - dy);
      snap(false);
    }
    function end() {
      self.fit();
      bar.removeEventListener('pointermove', move);
      bar.removeEventListener('pointerup', end);
      bar.removeEventListener('pointercancel', end);
    }
    bar.addEventListener('pointermove', move);
    bar.addEventListener('pointerup', end);
    bar.addEventListener('pointercancel', end);
  });
}

/* The author's page event handlers run on the page's own events. A handler
 * that does not compile is reported without stopping the menu; a page whose
 * Content-Security-Policy forbids compiling text gets one warning for all. */
function pageHandlers(o) {
  var refused = false;
  [[o.onResize, 'resize', window], [o.onMouseMove, 'mousemove', doc], [o.onMouseUp, 'mouseup', doc],
    [o.onClick, 'click', doc]].forEach(function (h) {
    var code = h[0], fn;
    if (refused || !/\S/.test(code)) return;
    try {
      fn = new Function('event', code);
    } catch (err) {
      if (err instanceof EvalError) {
        refused = true;
        console.warn("Trellimenu: page event handlers not run: the page's Content-Security-Policy forbids compiling them");
      } else {
        setTimeout(function () { throw err; });
      }
      return;
    }
    h[2].addEventListener(h[1], function (e) { fn.call(h[2], e); });
  });
}
