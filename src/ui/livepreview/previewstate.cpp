#include "ui/livepreview/previewstate.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The menu's own main menu, not a list of the author's page. A submenu is
// found through the aria-controls of the toggle that opens it, the item's
// own button or the one beside its link. On a narrow
// window a button stands for the menu and opens it as a panel.
const char* const kMainMenu = "document.querySelector('.tmz .tmz-main')";
const char* const kToggle = ":scope > .tmz-t, :scope > .tmz-r > .tmz-t";
const char* const kPanelButton = "document.querySelector('.tmz-nav > button[aria-expanded]')";

}  // namespace

QString CaptureStateScript()
{
    return QStringLiteral(R"((function () {
  var path = [], menu = %1;
  while (menu) {
    var next = null;
    for (var i = 0; i < menu.children.length && !next; ++i) {
      var item = menu.children[i].querySelector('%3');
      if (item && item.getAttribute('aria-expanded') === 'true') {
        path.push(i);
        next = document.getElementById(item.getAttribute('aria-controls'));
      }
    }
    menu = next;
  }
  var button = %2;
  return { x: window.scrollX, y: window.scrollY, path: path,
           panel: !!button && !button.hidden && button.getAttribute('aria-expanded') === 'true' };
})())")
        .arg(QLatin1String(kMainMenu), QLatin1String(kPanelButton), QLatin1String(kToggle));
}

TPreviewState StateFromScriptResult(const QVariant& result)
{
    const QVariantMap map = result.toMap();
    TPreviewState state;
    state.scrollX = map.value(QStringLiteral("x")).toDouble();
    state.scrollY = map.value(QStringLiteral("y")).toDouble();
    state.panelOpen = map.value(QStringLiteral("panel")).toBool();
    for (const QVariant& position : map.value(QStringLiteral("path")).toList())
        state.openPath << position.toInt();
    return state;
}

QString RestoreStateScript(const TPreviewState& state)
{
    QJsonArray path;
    for (int position : state.openPath)
        path.append(position);
    const QJsonObject object{{QStringLiteral("x"), state.scrollX},
                             {QStringLiteral("y"), state.scrollY},
                             {QStringLiteral("panel"), state.panelOpen},
                             {QStringLiteral("path"), path}};
    // A submenu opens as a tap opens it: at once, without following the
    // link. It was open all along for the user, so it does not slide in
    // again: for these taps the page asks for reduced motion.
    return QStringLiteral(R"((function (state) {
  function openPath(menu, path) {
    var opened = 0;
    for (var k = 0; menu && k < path.length; ++k) {
      var row = menu.children[path[k]], item = row && row.querySelector('%4');
      if (!item) break;
      if (item.getAttribute('aria-expanded') !== 'true') {
        item.dispatchEvent(new PointerEvent('pointerdown', { bubbles: true, cancelable: true, pointerType: 'touch', isPrimary: true }));
        item.dispatchEvent(new MouseEvent('click', { bubbles: true, cancelable: true }));
      }
      if (item.getAttribute('aria-expanded') !== 'true') break;
      ++opened;
      menu = document.getElementById(item.getAttribute('aria-controls'));
    }
    return opened;
  }
  window.scrollTo(state.x, state.y);
  var button = %2, media = window.matchMedia;
  window.matchMedia = function (query) {
    return /reduced-motion/.test(query) ? { matches: true, media: query } : media.call(window, query);
  };
  try {
    if (state.panel && button && !button.hidden && button.getAttribute('aria-expanded') !== 'true') button.click();
    return openPath(%1, state.path);
  } finally {
    window.matchMedia = media;
  }
})(%3))")
        .arg(QLatin1String(kMainMenu), QLatin1String(kPanelButton),
             QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)), QLatin1String(kToggle));
}
