#pragma once
// A window with the Live Preview dock over a document of its own, as the
// main window installs it, with the program folder and the settings in a
// temporary folder; and the page's elements read through scripts.

#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QtTest/QtTest>
#include <memory>

#include "tst_mainform_env.h"
#include "ui/editcommands.h"
#include "ui/editordocument.h"
#include "ui/livepreview.h"
#include "ui/livepreview/livepreviewdock.h"
#include "ui/livepreview/previewbar.h"
#include "ui/livepreview/previewpage.h"
#include "ui/livepreview/previewview.h"

inline TItemData PreviewItem(const std::string& caption, int level, const std::string& url = std::string())
{
    TItemData item = NewDefaultItem();
    item[ICaption] = caption;
    item[pLevel] = std::to_string(level);
    item[pURL] = url;
    return item;
}

// Home, Products (Tables, Chairs), Contact; Products links somewhere.
inline TMenuDocument ShopMenu()
{
    TvarnAppletAgent agent;
    agent.ResetAppletToDefaults();
    TMenuDocument document = agent.Document();
    document.items = {PreviewItem("Home", 0, "index.html"), PreviewItem("Products", 0, "products.html"),
                      PreviewItem("Tables", 1, "tables.html"), PreviewItem("Chairs", 1, "chairs.html"),
                      PreviewItem("Contact", 0, "contact.html")};
    return document;
}

// Waits for `condition` in a running event loop. QTest's waits sleep between
// their looks, and the browser's own work runs in this thread's loop: every
// step of a page load would wait out those sleeps.
template <typename Condition>
bool WaitUntil(Condition condition, int timeoutMs = 15000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QEventLoop loop;
        QTimer::singleShot(5, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

// QTRY_COMPARE without QTest's sleeps.
#define LIVE_TRY_COMPARE(actual, expected)                                     \
    do {                                                                       \
        WaitUntil([&] { return (actual) == (expected); });                     \
        QCOMPARE(actual, expected);                                            \
    } while (false)
#define LIVE_TRY_VERIFY(condition)                                             \
    do {                                                                       \
        WaitUntil([&] { return bool(condition); });                            \
        QVERIFY(condition);                                                    \
    } while (false)

// The value of a script run beside the page's own (its elements shared).
inline QVariant Eval(QWebEnginePage& page, const QString& script)
{
    auto result = std::make_shared<std::pair<bool, QVariant>>(false, QVariant());
    page.runJavaScript(script, QWebEngineScript::ApplicationWorld,
                       [result](const QVariant& value) { *result = {true, value}; });
    WaitUntil([result] { return result->first; });
    return result->second;
}

// The captions of the main menu.
inline QStringList Captions(QWebEnginePage& page)
{
    return Eval(page, "Array.from(document.querySelectorAll('.tmz .tmz-main > li > .tmz-i, .tmz .tmz-main > li > .tmz-r > .tmz-i'))"
                      ".map(function (a) { return a.textContent; })")
        .toStringList();
}

class TPreviewHarness {
public:
    TPreviewHarness()
    {
        viewMenu = window.menuBar()->addMenu("&View");
        InstallLivePreview(window, *viewMenu, {document, *env.settings, env.prompts, env.programFolder});
        dock = window.findChild<TLivePreviewDock*>();
        document.Replace(ShopMenu());
    }

    // Shows the window with the pane and waits for the first page.
    bool Show()
    {
        QSignalSpy updated(dock, &TLivePreviewDock::updated);
        window.resize(1100, 700);
        dock->show();
        window.show();
        return updated.wait(30000);
    }

    QWebEnginePage& Page() const { return *dock->View().Page(); }

    // Waits until no change is waiting for the pane and its page is complete.
    void Settle() const
    {
        if (!WaitUntil([this] { return !dock->Busy(); }))
            QTest::qFail("the preview did not settle", __FILE__, __LINE__);
    }

    QVariant Js(const QString& script) const
    {
        Settle();
        return Eval(Page(), script);
    }

    QStringList MainCaptions() const
    {
        Settle();
        return Captions(Page());
    }

    // The captions shown in the deepest submenu open, [] when none is.
    QStringList OpenSubmenuCaptions() const
    {
        return Js("(function () { var open = document.querySelectorAll('.tmz [aria-expanded=true]');"
                  "  if (!open.length) return [];"
                  "  var list = document.getElementById(open[open.length - 1].getAttribute('aria-controls'));"
                  "  if (!list || list.closest('[hidden]')) return [];"
                  "  return Array.from(list.children).map(function (li) { return li.querySelector('.tmz-i'); })"
                  "    .filter(function (a) { return a && a.getClientRects().length; }).map(function (a) { return a.textContent; });"
                  "})()")
            .toStringList();
    }

    // The button that stands for the menu on a narrow window, if it shows.
    bool PhoneButtonShown() const
    {
        return Js("(function () { var b = document.querySelector('.tmz-nav > button[aria-expanded]');"
                  "  return !!b && b.getClientRects().length > 0; })()")
            .toBool();
    }

    // Opens the submenu of the main menu's item at `position` as a tap does.
    void OpenSubmenu(int position) const
    {
        Js(QStringLiteral("(function () { var a = document.querySelectorAll('.tmz .tmz-main > li')[%1]"
                          "  .querySelector('.tmz-t');"
                          "  a.dispatchEvent(new PointerEvent('pointerdown', {bubbles: true, pointerType: 'touch'}));"
                          "  a.dispatchEvent(new MouseEvent('click', {bubbles: true, cancelable: true})); })()")
               .arg(position));
    }

    void Push(QUndoCommand* command) { document.UndoStack().push(command); }
    void SetCaption(int item, const std::string& caption)
    {
        Push(new TSetFieldCommand(document, item, ICaption, caption, "Caption"));
    }

    QString Message() const { return dock->Bar().Message(); }

    TEditorTestEnv env;  // program folder, settings and prompts
    TvarnAppletAgent agent;
    TEditorDocument document{agent};
    QMainWindow window;
    QMenu* viewMenu = nullptr;
    TLivePreviewDock* dock = nullptr;
};
