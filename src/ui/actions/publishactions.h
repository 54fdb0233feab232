#pragma once
// The Menu and Option menus: the menu in the browser (Preview), its page in
// the HTML code window (Build HTML), the publish report, the page code the
// saves and previews publish, and the browser the preview opens. The pages
// gather first, so each shows the document as a save would write it.

#include <QList>
#include <QObject>

#include "ui/actions/actioncontext.h"

class QAction;
class TDocumentViews;
class TformHTML;
class THelpTopics;
class TPreviewFolder;
struct TGeneratedMenu;

class TPublishActions final : public QObject {
    Q_OBJECT
public:
    TPublishActions(const TActionContext& context, TDocumentViews& views, TPreviewFolder& preview, THelpTopics& help,
                    QObject* parent = nullptr);

    QAction* PreviewAction() const { return preview1_; }      // "&Preview", Ctrl+P
    QAction* BuildHTMLAction() const { return buildHTML_; }   // "Build &HTML..."
    QAction* PublishAction() const { return publish_; }       // "Pu&blish..."
    QAction* WebBrowserAction() const { return webBrowser_; } // "Web &Browser..."
    // Menu > Page Code: Classic and Modern, one of them checked.
    const QList<QAction*>& PageCodeActions() const { return pageCodes_; }

    void Preview1Click();
    void BuildHTML1Click();
    void Publish1Click();
    void WebBrowser1Click();

    // The HTML code window, made when first asked for; it lives as long as
    // the main window, hidden until used.
    TformHTML& CodeWindow();

private:
    // The page and tmzcfg.js from the document; the records take what the
    // generator leaves in them, and tmzcfg.js is written into the program
    // folder, as every generation does. False after telling the user.
    bool Generate(TGeneratedMenu& menu);
    void AddPageCodeChoices();

    TActionContext context_;
    TDocumentViews& views_;
    TPreviewFolder& preview_;
    THelpTopics& help_;
    QAction* preview1_;
    QAction* buildHTML_;
    QAction* publish_;
    QAction* webBrowser_;
    QList<QAction*> pageCodes_;
    TformHTML* codeWindow_ = nullptr;
};
