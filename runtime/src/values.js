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

/* The options in runs of consecutive positions in createMenuGlobalParams
 * (0-based): the run's first position, then each option's name and fallback,
 * whose kind is the value's: a number, a colour ('#...'), text ('') or a flag
 * (false). Positions between the runs are carried by the editor for
 * compatibility only. */
var PARAMETERS = [
  [0, { zIndex: 1000, slideStep: 20, slideSpeed: 10, autoClose: false, snap: false, scrollType: 3, slide: false }],
  [10, { openDelay: 200, closeDelay: 2000, descDelay: 10, snapDistance: 15 }],
  [15, { onResize: '', onMouseMove: '', onMouseUp: '', onClick: '', bar: false, barAlign: '', barBg: '#6B98E7',
    barColor: '#FFFFFF', barFont: '', barSize: 14, barBold: false, barItalic: false, barCursor: '', barTip: '',
    barTitle: '' }],
  [34, { base: '#C0C0C0', base2: '#C0C0C0', base3: '#C0C0C0', darkest1: '#939393', darkest2: '#939393', fixed: '#',
    light1: '#FFFFFF', light2: '#FFFFFF', dark1: '#868686', dark2: '#868686', arrowNormal: '', arrowOver: '',
    itemColor: '#FFFFFF', itemBg: '#3879BA', overColor: '#004080', overBg: '#FFFFFF' }],
  [51, { itemFont: '', itemSize: 12, itemBold: false, itemItalic: false, sepColor: '#88B1DB', sepShadow: '#000027',
    descBg: '#EAEA00', descColor: '#000000' }],
  [60, { descWidth: 180, paddingLeft: 20 }],
  [63, { x: 80, y: 80, descBorderWidth: 2, descBorderStyle: '', descBorderColor: '#FFFF00' }]
];

function readOptions(args) {
  var o = {};
  PARAMETERS.forEach(function (run) {
    var at = run[0], name, f, v;
    for (name in run[1]) {
      f = run[1][name];
      v = args[at++];
      o[name] = f === false ? toFlag(v) : typeof f == 'number' ? toNumber(v, f) : f ? toColour(v, f) : toText(v);
    }
  });
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
