/* The menu's look, written once as a style sheet: the colours, fonts and the
 * bevelled border come from the options, so the items themselves carry no
 * inline styles and hover and focus need no script. */

// Author font names go into CSS; anything that could end the declaration goes.
function fontFamily(name) {
  var clean = String(name).replace(/[;{}<>\\]/g, '').trim();
  return (clean ? clean + ',' : '') + 'sans-serif';
}

function font(size, bold, italic, family) {
  return (italic ? 'italic ' : '') + (bold ? 'bold ' : 'normal ') + size + 'px/1.25 ' + fontFamily(family);
}

/* An item under the pointer, focused, or with its submenu open looks active;
 * an item with a link and a submenu is a row of the link and its toggle,
 * which look as one item. Item rules sit under .tmz so that they outrank the
 * a:link, a:visited and a:hover rules of the page the menu is pasted into. */
var ITEM = '.tmz .tmz-i';
var ACTIVE_ITEM = [ITEM + ':hover', ITEM + ':focus', '.tmz .tmz-x>.tmz-i', '.tmz .tmz-r:hover>.tmz-i',
  '.tmz .tmz-r:focus-within>.tmz-i', '.tmz .tmz-x>.tmz-r>.tmz-i'];

// inner: what follows the item, e.g. ' .tmz-o' (an arrow in it) or '+.tmz-t'.
function active(inner) {
  return ACTIVE_ITEM.map(function (s) { return s + inner; }).join(',');
}

// The arrows of an item: in its own button, or in the toggle beside its link.
function arrowsOf(inner) {
  return active(' ' + inner) + ',' + active('+.tmz-t ' + inner);
}

function ring(width, topLeft, bottomRight) {
  return 'inset ' + width + 'px ' + width + 'px ' + topLeft + ',inset -' + width + 'px -' + width + 'px ' + bottomRight;
}

// Text properties a page may set on its body or on every link; set here on
// each element that shows text, so a site's CSS never changes a caption.
var TEXT_RESET = 'text-transform:none;letter-spacing:normal;word-spacing:normal;text-decoration:none;' +
  'text-align:start;text-indent:0;text-shadow:none;white-space:normal;direction:inherit;';

// Room above and below the caption so an item is at least `tall` pixels high
// (padding rather than a flexible box, which would drop the spaces between a
// caption's words and its inline tags); --tmz-s moves the arrow down with it.
function tallItems(tall) {
  var pad = 'max(3px,calc((' + tall + 'px - 1.25em) / 2))';
  return 'padding-top:' + pad + ';padding-bottom:' + pad + ';min-height:max(' + tall +
    'px,calc(1.25em + 6px));--tmz-s:calc(' + pad + ' - 3px)';
}

// A bar's top items: the arrow turned down at the item's far end.
var TOP = '.tmz-B .tmz-main>li>';
var TOP_ARROW = TOP + '.tmz-i>.tmz-a,' + TOP + '.tmz-r>.tmz-t>.tmz-a';

/* Bar and sidebar: in the page's flow; the bar's top items side by side. */
function flowSheet(o) {
  var align = { Left: 'flex-start', Center: 'center', Right: 'flex-end' }[o.align];
  var margins = { Left: '0 auto', Center: 'auto', Right: 'auto 0' }[o.align];
  return [
    '.tmz.tmz-L{position:relative;left:auto;top:auto}',
    '.tmz-S{width:fit-content}',
    '.tmz-B .tmz-main{display:flex;flex-wrap:wrap;justify-content:' + align + '}',
    o.fit ? '.tmz-B{width:fit-content;margin-inline:' + margins + '}' : '',
    TOP + '.tmz-s{height:auto;width:0;margin:3px 4px;border:0;border-inline-start:1px solid ' + o.sepColor +
      ';border-inline-end:1px solid ' + o.sepShadow + '}',
    TOP + '.tmz-i,' + TOP + '.tmz-r>.tmz-i{white-space:nowrap;padding-inline-end:30px}',
    TOP + '.tmz-r>.tmz-t{inset-inline:auto 0;width:28px}',
    TOP_ARROW + '{inset-inline:auto 9px;top:50%;transform:translateY(-50%) rotate(90deg)}'
  ].join('\n') + (o.sticky ? '\n.tmz-nav:has(.tmz-B){position:sticky;top:0;z-index:' + o.zIndex + '}' : '');
}

/* The author's dark set, where set, when the visitor's system is dark:
 * property, extended name, and where (item, active item, frames, bar). */
var DARK = [['color', 'ItemFontColor', 0], ['background', 'ItemBGColor', 0], ['color', 'ItemFontColorOver', 1],
  ['background', 'ItemBGColorOver', 1], ['border-color', 'BorderColor', 2], ['background', 'BarBGColor', 3],
  ['background', 'ItemFontColor', 4], ['background', 'ItemFontColorOver', 5]];

function darkSheet(o) {
  var where = [ITEM + ',.tmz-m,.tmz-nav .tmz-b', active('') + ',.tmz-nav .tmz-b:hover', '.tmz-f,.tmz-m', '.tmz-f',
    '.tmz-w.tmz-n', '.tmz-w.tmz-o'];
  var css = DARK.map(function (p) {
    var c = toColour(o.dark['Dark' + p[1]], '');
    return c ? where[p[2]] + '{' + p[0] + ':' + c + '}' : '';
  }).join('');
  return css && '@media (prefers-color-scheme:dark){' + css + '}';
}

/* Forced colours: the system's colours with borders, an arrow drawn in the
 * text colour, the active item in the highlight colours, a solid focus ring. */
var FORCED = '@media (forced-colors:active){.tmz-f,.tmz-m{border:1px solid CanvasText}' +
  '.tmz-a{display:none!important}' +
  '.tmz-t::after{content:"";position:absolute;inset-inline-end:9px;top:50%;width:5px;height:5px;' +
  'border:solid currentColor;border-width:0 2px 2px 0;transform:translateY(-50%) rotate(-45deg)}' +
  '.tmz-nav[dir=rtl] .tmz-t::after{transform:translateY(-50%) rotate(135deg)}' +
  active('') + '{forced-color-adjust:none;color:HighlightText;background:Highlight}' +
  '.tmz .tmz-i:focus-visible,.tmz .tmz-t:focus-visible{outline:2px solid CanvasText}}';

/* The ten border colours, outside in: the outer edge (base 2 / fixed), a raised
 * pair (light 1 / darkest 1 and base 3 / dark 1), one pixel of the base colour,
 * then a sunken well round the items (dark 2 / light 2 and darkest 2 / base 3).
 * .tmz-nav is the landmark round everything: it takes nothing from the page.
 * .tmz-p marks the narrow-window form: the menu is a panel under its button. */
function styleSheet(o) {
  var itemFont = font(o.itemSize, o.itemBold, o.itemItalic, o.itemFont);
  return [
    '.tmz-nav{all:initial;display:block;direction:ltr}',
    '.tmz-nav[dir=rtl]{direction:rtl}',
    '.tmz-nav [hidden]{display:none!important}',
    '.tmz,.tmz-f,.tmz-m,.tmz-m li,.tmz-r,.tmz-i,.tmz-bar,.tmz-d{box-sizing:border-box;margin:0;direction:inherit}',
    '.tmz{position:absolute;left:0;top:0;z-index:' + o.zIndex + '}',
    '.tmz-f{border:1px solid;border-color:' + [o.base2, o.fixed, o.fixed, o.base2].join(' ') +
      ';background:' + o.base + ';padding:3px;box-shadow:' + ring(1, o.light1, o.darkest1) + ',' +
      ring(2, o.base3, o.dark1) + '}',
    '.tmz-sub{position:absolute}',
    '.tmz-m{padding:1px;border:1px solid;border-color:' +
      [o.dark2, o.light2, o.light2, o.dark2].join(' ') + ';background:' + o.itemBg +
      ';box-shadow:' + ring(1, o.darkest2, o.base3) + '}',
    '.tmz-m li{list-style:none;padding:0;float:none}',
    '.tmz-r{position:relative}',
    ITEM + '{display:block;width:100%;position:relative;padding:3px 4px;padding-inline-start:' + o.paddingLeft + 'px;' + tallItems(24) +
      ';color:' + o.itemColor + ';background:' + o.itemBg + ';font:' + itemFont + ';' + TEXT_RESET +
      'border:0;border-radius:0;appearance:none;' +
      'cursor:pointer;outline-offset:-3px;-webkit-tap-highlight-color:transparent}',
    '.tmz .tmz-t:not(.tmz-i){position:absolute;top:0;bottom:0;inset-inline-end:0;margin:0;border:0;background:none;' +
      'color:' + o.overColor + ';font:' + itemFont + ';cursor:pointer;outline-offset:-3px;appearance:none;' +
      tallItems(24) + ';padding:0}',
    '@media (pointer:coarse){' + ITEM + ',.tmz .tmz-t:not(.tmz-i){' + tallItems(44) + '}.tmz .tmz-t:not(.tmz-i){padding:0}}',
    active('') + '{color:' + o.overColor + ';background:' + o.overBg + '}',
    ITEM + ':focus-visible,.tmz .tmz-t:focus-visible{outline:2px dotted currentColor}',
    // The current page's link and the items that lead to it: a bar at the start.
    '.tmz .tmz-c{box-shadow:inset 4px 0 0 currentColor}',
    '.tmz-nav[dir=rtl] .tmz-c{box-shadow:inset -4px 0 0 currentColor}',
    '.tmz-nav[dir=rtl] .tmz-a{transform:scaleX(-1)}',
    '.tmz-a{position:absolute;border:0;pointer-events:none}',
    // The program's arrow (8 by 11 pixels) in the text colour, pixel for pixel.
    '.tmz-w{width:8px;height:11px;clip-path:path("M1 1h2v1h1v1h1v1h2v3h-2v1h-1v1h-1v1h-2z")}',
    '.tmz-w.tmz-n{background:' + o.itemColor + '}.tmz-w.tmz-o{background:' + o.overColor + '}',
    '.tmz-o,' + arrowsOf('.tmz-n') + '{display:none}',
    arrowsOf('.tmz-o') + '{display:block}',
    '.tmz-m .tmz-s{height:2px;margin:3px 2px;border-top:1px solid ' + o.sepColor +
      ';border-bottom:1px solid ' + o.sepShadow + '}',
    // One line high even with an empty title, so there is always a bar to hold.
    '.tmz-bar{padding:2px 4px;min-height:calc(1.25em + 4px);overflow:hidden;' + TEXT_RESET +
      'white-space:nowrap;text-overflow:ellipsis;user-select:none;-webkit-user-select:none;touch-action:none;background:' +
      o.barBg + ';color:' + o.barColor + ';text-align:' + o.barAlign + ';cursor:' + o.barCursor +
      ';font:' + font(o.barSize, o.barBold, o.barItalic, o.barFont) + '}',
    // The box's text takes its direction from its own first letter: an
    // English description on a right-to-left page keeps its full stop last.
    '.tmz-d{position:absolute;z-index:1;padding:3px 5px;unicode-bidi:plaintext;' + TEXT_RESET +
      'overflow-wrap:break-word;width:' + o.descWidth + 'px;background:' + o.descBg + ';color:' +
      o.descColor + ';border:' + Math.max(0, o.descBorderWidth) + 'px ' + o.descBorderStyle + ' ' +
      o.descBorderColor + ';font:' + font(o.itemSize, false, false, o.itemFont) + '}',
    // The button that stands for the menu on a narrow window, in the items' look;
    // one step below the panels, so another menu's open panel lies over it.
    '.tmz-nav .tmz-b{position:' + (o.layout === 'Floating' ? 'absolute' : 'relative') + ';z-index:' + (o.zIndex - 1) +
      ';box-sizing:border-box;margin:0;min-width:44px;' +
      'min-height:44px;padding:4px 14px;border:2px solid ' + o.base + ';border-radius:0;appearance:none;' +
      'cursor:pointer;-webkit-tap-highlight-color:transparent;color:' + o.itemColor + ';background:' + o.itemBg + ';font:' + itemFont +
      ';' + TEXT_RESET + '}',
    '.tmz-nav .tmz-b:hover,.tmz-nav .tmz-b[aria-expanded=true]{color:' + o.overColor + ';background:' + o.overBg + '}',
    '.tmz-nav .tmz-b:focus-visible{outline:2px dotted currentColor;outline-offset:-5px}',
    '.tmz-b::before{content:"";display:inline-block;vertical-align:-.05em;width:1em;height:.5em;margin-inline-end:.5em;' +
      'border:solid;border-width:2px 0;background:linear-gradient(currentColor,currentColor) center/100% 2px no-repeat}',
    // The panel: as wide as the window, scrolling inside it; submenus open in
    // place under their item, a little indented; the parent's own link leads them.
    '.tmz.tmz-p{overflow-y:auto;overscroll-behavior:contain}',
    '.tmz-p .tmz-bar,.tmz-m .tmz-own{display:none}',
    '.tmz-p .tmz-m .tmz-own{display:block}',
    '.tmz-p .tmz-m{width:auto!important;max-height:none!important;overflow:visible!important;display:block!important}',
    '.tmz-p .tmz-sub{position:static;border:0;box-shadow:none;padding:0;padding-inline-start:16px;clip-path:none!important}',
    '.tmz-p .tmz-i{' + tallItems(44) + ';white-space:normal!important}',
    '.tmz-p .tmz-h>.tmz-i,.tmz-p .tmz-r>.tmz-i{padding-inline-end:48px!important}',
    '.tmz-p .tmz-t:not(.tmz-i){inset-inline-start:auto!important;width:48px!important}',
    '.tmz-p .tmz-a{inset-inline:auto 14px!important;top:50%!important;transform:translateY(-50%)!important}',
    '.tmz-nav[dir=rtl] .tmz-p .tmz-a{transform:translateY(-50%) scaleX(-1)!important}',
    '.tmz-p .tmz-x .tmz-a,.tmz-nav[dir=rtl] .tmz-p .tmz-x .tmz-a{transform:translateY(-50%) rotate(90deg)!important}',
    o.layout === 'Floating' ? '' : flowSheet(o),
    darkSheet(o),
    FORCED
  ].join('\n');
}

/* Every selector under the menu's own class, so two menus on one page keep
 * their own looks. */
function scoped(css, scope) {
  return css.replace(/(^|[{}\n])([^{}@\n]+)\{/g, function (m, before, selectors) {
    return before + selectors.split(',').map(function (x) {
      x = x.trim();
      return x.indexOf('.tmz-nav') === 0 ? '.tmz-nav.' + scope + x.slice(8) : '.' + scope + ' ' + x;
    }).join(',') + '{';
  }) + '\nhtml.tmz-lock{overflow:hidden}';
}

// A constructed style sheet needs no <style> element, so the menu keeps its
// look under a Content-Security-Policy that forbids inline styles; browsers
// without one get the element.
function applyStyle(text) {
  try {
    var sheet = new CSSStyleSheet();
    sheet.replaceSync(text);
    doc.adoptedStyleSheets = doc.adoptedStyleSheets.concat(sheet);
  } catch (e) {
    make('style', '', doc.head || doc.body).textContent = text;
  }
}
