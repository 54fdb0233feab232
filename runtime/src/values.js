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

var READERS = { n: toNumber, f: toFlag, c: toColour, t: toText };

/* Position in createMenuGlobalParams (0-based), option name, kind, fallback.
 * Positions not listed are carried by the editor for compatibility only. */
var PARAMETERS = [
  [0, 'zIndex', 'n', 1000], [1, 'slideStep', 'n', 20], [2, 'slideSpeed', 'n', 10],
  [3, 'autoClose', 'f'], [4, 'snap', 'f'], [5, 'scrollType', 'n', 3], [6, 'slide', 'f'],
  [10, 'openDelay', 'n', 200], [11, 'closeDelay', 'n', 2000], [12, 'descDelay', 'n', 10],
  [13, 'snapDistance', 'n', 15],
  [15, 'onResize', 't'], [16, 'onMouseMove', 't'], [17, 'onMouseUp', 't'], [18, 'onClick', 't'],
  [19, 'bar', 'f'], [20, 'barAlign', 't'], [21, 'barBg', 'c', '#6B98E7'],
  [22, 'barColor', 'c', '#FFFFFF'], [23, 'barFont', 't'], [24, 'barSize', 'n', 14],
  [25, 'barBold', 'f'], [26, 'barItalic', 'f'], [27, 'barCursor', 't'], [28, 'barTip', 't'],
  [29, 'barTitle', 't'],
  [34, 'base', 'c', '#C0C0C0'], [35, 'base2', 'c', '#C0C0C0'], [36, 'base3', 'c', '#C0C0C0'],
  [37, 'darkest1', 'c', '#939393'], [38, 'darkest2', 'c', '#939393'], [39, 'fixed', 'c', ''],
  [40, 'light1', 'c', '#FFFFFF'], [41, 'light2', 'c', '#FFFFFF'],
  [42, 'dark1', 'c', '#868686'], [43, 'dark2', 'c', '#868686'],
  [44, 'arrowNormal', 't'], [45, 'arrowOver', 't'],
  [46, 'itemColor', 'c', '#FFFFFF'], [47, 'itemBg', 'c', '#3879BA'],
  [48, 'overColor', 'c', '#004080'], [49, 'overBg', 'c', '#FFFFFF'],
  [51, 'itemFont', 't'], [52, 'itemSize', 'n', 12], [53, 'itemBold', 'f'], [54, 'itemItalic', 'f'],
  [55, 'sepColor', 'c', '#88B1DB'], [56, 'sepShadow', 'c', '#000027'],
  [57, 'descBg', 'c', '#EAEA00'], [58, 'descColor', 'c', '#000000'],
  [60, 'descWidth', 'n', 180], [61, 'paddingLeft', 'n', 20], [63, 'x', 'n', 80], [64, 'y', 'n', 80],
  [65, 'descBorderWidth', 'n', 2], [66, 'descBorderStyle', 't'], [67, 'descBorderColor', 'c', '#FFFF00']
];

function readOptions(args) {
  var o = {};
  PARAMETERS.forEach(function (p) {
    o[p[1]] = READERS[p[2]](args[p[0]], p[3]);
  });
  // The border's outermost dark edge has no control in the editor; the
  // darkest shade stands in when it arrives empty.
  o.fixed = o.fixed || o.darkest2;
  o.barAlign = /^(left|center|right)$/i.test(o.barAlign) ? o.barAlign.toLowerCase() : 'center';
  o.barCursor = /^[a-z-]+$/i.test(o.barCursor) ? o.barCursor : 'move';
  o.descBorderStyle = /^(none|solid|double|groove|ridge|inset|outset|dotted|dashed)$/i
    .test(o.descBorderStyle) ? o.descBorderStyle : 'solid';
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
