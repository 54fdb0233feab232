/* Reading the recorded arguments: every value may arrive as a number or as a
 * string (a bare value that was not an integer comes quoted), so each is read
 * by kind with a fallback that keeps the menu usable. */

function toNumber(v, fallback) {
  var n = typeof v === 'number' ? v : parseInt(v, 10);
  return isFinite(n) ? n : fallback;
}

// Flags: 1 / "1" and the legacy words "bold" / "italic" mean on.
function toFlag(v) {
  return v === 1 || v === '1' || v === true || typeof v === 'string' && /^\s*(1|bold|italic)\s*$/i.test(v);
}

function toColour(v, fallback) {
  var m = /^\s*#?([0-9a-f]{6}|[0-9a-f]{3})\s*$/i.exec(v == null ? '' : String(v));
  return m ? '#' + m[1] : fallback;
}

function toText(v) {
  return v == null ? '' : String(v);
}

/* Option name: position in createMenuGlobalParams (0-based) and fallback,
 * whose kind is the value's: a number, a colour ('#...'), text ('') or, with
 * none, a flag. Positions not listed are carried by the editor for
 * compatibility only. */
var PARAMETERS = {
  zIndex: [0, 1000], slideStep: [1, 20], slideSpeed: [2, 10], autoClose: [3], snap: [4], scrollType: [5, 3],
  slide: [6], openDelay: [10, 200], closeDelay: [11, 2000], descDelay: [12, 10], snapDistance: [13, 15],
  onResize: [15, ''], onMouseMove: [16, ''], onMouseUp: [17, ''], onClick: [18, ''], bar: [19],
  barAlign: [20, ''], barBg: [21, '#6B98E7'], barColor: [22, '#FFFFFF'], barFont: [23, ''], barSize: [24, 14],
  barBold: [25], barItalic: [26], barCursor: [27, ''], barTip: [28, ''], barTitle: [29, ''],
  base: [34, '#C0C0C0'], base2: [35, '#C0C0C0'], base3: [36, '#C0C0C0'], darkest1: [37, '#939393'],
  darkest2: [38, '#939393'], fixed: [39, '#'], light1: [40, '#FFFFFF'], light2: [41, '#FFFFFF'],
  dark1: [42, '#868686'], dark2: [43, '#868686'], arrowNormal: [44, ''], arrowOver: [45, ''],
  itemColor: [46, '#FFFFFF'], itemBg: [47, '#3879BA'], overColor: [48, '#004080'], overBg: [49, '#FFFFFF'],
  itemFont: [51, ''], itemSize: [52, 12], itemBold: [53], itemItalic: [54], sepColor: [55, '#88B1DB'],
  sepShadow: [56, '#000027'], descBg: [57, '#EAEA00'], descColor: [58, '#000000'], descWidth: [60, 180],
  paddingLeft: [61, 20], x: [63, 80], y: [64, 80], descBorderWidth: [65, 2], descBorderStyle: [66, ''],
  descBorderColor: [67, '#FFFF00']
};

function readOptions(args) {
  var o = {}, name, p, v;
  for (name in PARAMETERS) {
    p = PARAMETERS[name];
    v = args[p[0]];
    o[name] = p[1] == null ? toFlag(v) : typeof p[1] == 'number' ? toNumber(v, p[1]) : p[1] ? toColour(v, p[1]) : toText(v);
  }
  // The border's outermost dark edge has no control in the editor; the
  // darkest shade stands in when it arrives empty.
  if (!o.fixed[1]) o.fixed = o.darkest2;
  o.barAlign = /^(left|center|right)$/i.test(o.barAlign) ? o.barAlign.toLowerCase() : 'center';
  o.barCursor = /^[a-z-]+$/i.test(o.barCursor) ? o.barCursor : 'move';
  // A single word the browser knows as a border style; nothing that could end the rule.
  o.descBorderStyle = /^[a-z]+$/i.test(o.descBorderStyle) && CSS.supports('border-style', o.descBorderStyle)
    ? o.descBorderStyle : 'solid';
  return o;
}

/* One createItem call, 0-based positions: 0 caption, 14 has children,
 * 16/17 arrow position, 22 menu width, 23 separator, 26 link, 27 target,
 * 28 pop-up text, 33 status message. group: the raw calls of its submenu.
 * The status message is plain text; a pop-up text equal to it was copied
 * from it (or from the link) by the generator, so it is text too, not HTML. */
function readItem(a) {
  var desc = toText(a[28]), status = toText(a[33]);
  return {
    caption: toText(a[0]),
    arrowX: toNumber(a[16], 105),
    arrowY: toNumber(a[17], 4),
    width: toNumber(a[22], 120),
    sep: toFlag(a[23]),
    url: toText(a[26]).trim(),
    target: toText(a[27]).trim(),
    desc: desc,
    status: status,
    textDesc: desc === status,
    current: a.tmzCurrent || '',
    group: a.tmzGroup || null
  };
}

/* Rebuilds the tree from the generated order: groups of siblings follow one
 * another, delimited by the sibling codes at position 20 (3 alone, 1 first,
 * 2 last); the first group is the main menu and the k-th later group belongs
 * to the k-th call, in that same order, whose has-children flag is on. Only
 * the calls are grouped here; items are read when their menu is built. */
function readTree(calls) {
  var groups = [], open = null, next = 1, i, j, code;
  for (i = 0; i < calls.length; i++) {
    code = toNumber(calls[i][20], 0);
    if (!open || code === 1 || code === 3) groups.push(open = []);
    open.push(calls[i]);
    if (code === 2 || code === 3) open = null;
  }
  for (i = 0; i < groups.length; i++) {
    for (j = 0; j < groups[i].length; j++) {
      if (next < groups.length && toFlag(groups[i][j][14])) groups[i][j].tmzGroup = groups[next++];
    }
  }
  return groups[0] || [];
}

/* The values newer than the generated calls, by name; a name the engine does
 * not know, or a value it cannot read, leaves the default. */
function oneOf(v, words, fallback) {
  return words.indexOf(v) >= 0 ? v : fallback;
}

function readExtended(e, o) {
  o.layout = oneOf(e.Layout, ['Floating', 'Bar', 'Sidebar'], 'Floating');
  o.phoneBelow = toNumber(e.PhoneBelow, 640);
  o.fit = e.BarWidth === 'Fit';
  o.align = oneOf(e.BarAlign, ['Left', 'Center', 'Right'], 'Left');
  o.sticky = toFlag(e.Sticky);
  o.dark = e;
  return o;
}
