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

// An item under the pointer, focused, or with its submenu open looks active.
// Item rules sit under .tmz so that they outrank the a:link, a:visited and
// a:hover rules of the page the menu is pasted into.
var ITEM = '.tmz .tmz-i';
var ACTIVE_ITEM = [ITEM + ':hover', ITEM + ':focus', ITEM + '[aria-expanded=true]'];

function active(inner) {
  return ACTIVE_ITEM.map(function (s) { return s + inner; }).join(',');
}

function ring(width, topLeft, bottomRight) {
  return 'inset ' + width + 'px ' + width + 'px ' + topLeft + ',inset -' + width + 'px -' + width + 'px ' + bottomRight;
}

/* The ten border colours, outside in: the outer edge (base 2 / fixed), a raised
 * pair (light 1 / darkest 1 and base 3 / dark 1), one pixel of the base colour,
 * then a sunken well round the items (dark 2 / light 2 and darkest 2 / base 3). */
function styleSheet(o) {
  return [
    '.tmz,.tmz-f,.tmz-m,.tmz-m li,.tmz-i,.tmz-bar,.tmz-d{box-sizing:border-box;margin:0}',
    '.tmz{position:absolute;left:0;top:0;z-index:' + o.zIndex + '}',
    '.tmz-f{border:1px solid;border-color:' + [o.base2, o.fixed, o.fixed, o.base2].join(' ') +
      ';background:' + o.base + ';padding:3px;box-shadow:' + ring(1, o.light1, o.darkest1) + ',' +
      ring(2, o.base3, o.dark1) + '}',
    '.tmz-sub{position:absolute}',
    '.tmz-sub[hidden]{display:none}',
    '.tmz-m{list-style:none;padding:1px;border:1px solid;border-color:' +
      [o.dark2, o.light2, o.light2, o.dark2].join(' ') + ';background:' + o.itemBg +
      ';box-shadow:' + ring(1, o.darkest2, o.base3) + '}',
    '.tmz-m li{list-style:none;padding:0;float:none}',
    ITEM + '{display:block;position:relative;padding:3px 4px 3px ' + o.paddingLeft + 'px;color:' +
      o.itemColor + ';background:' + o.itemBg + ';font:' +
      font(o.itemSize, o.itemBold, o.itemItalic, o.itemFont) +
      ';min-height:calc(1.25em + 6px);text-align:left;text-decoration:none;cursor:pointer;outline-offset:-3px}',
    active('') + '{color:' + o.overColor + ';background:' + o.overBg + '}',
    ITEM + ':focus-visible{outline:2px dotted currentColor}',
    '.tmz-a{position:absolute;border:0;pointer-events:none}',
    '.tmz-o,' + active(' .tmz-n') + '{display:none}',
    active(' .tmz-o') + '{display:block}',
    '.tmz-m .tmz-s{height:2px;margin:3px 2px;border-top:1px solid ' + o.sepColor +
      ';border-bottom:1px solid ' + o.sepShadow + '}',
    // One line high even with an empty title, so there is always a bar to hold.
    '.tmz-bar{padding:2px 4px;min-height:calc(1.25em + 4px);overflow:hidden;white-space:nowrap;text-overflow:ellipsis;' +
      'user-select:none;-webkit-user-select:none;touch-action:none;background:' + o.barBg +
      ';color:' + o.barColor + ';text-align:' + o.barAlign + ';cursor:' + o.barCursor +
      ';font:' + font(o.barSize, o.barBold, o.barItalic, o.barFont) + '}',
    '.tmz-d{position:absolute;z-index:1;pointer-events:none;padding:3px 5px;white-space:normal;' +
      'overflow-wrap:break-word;width:' + o.descWidth + 'px;background:' + o.descBg + ';color:' +
      o.descColor + ';border:' + Math.max(0, o.descBorderWidth) + 'px ' + o.descBorderStyle + ' ' +
      o.descBorderColor + ';font:' + font(o.itemSize, false, false, o.itemFont) + '}',
    '.tmz-d[hidden]{display:none}'
  ].join('\n');
}
