#pragma once
// The page in the preview's view: it reports the page's script errors in
// words for the author's eyes, and keeps the view on the menu: a link the
// author clicks in the preview is named, not followed.

#include <QWebEnginePage>

class TPreviewPage final : public QWebEnginePage {
    Q_OBJECT
public:
    TPreviewPage(QWebEngineProfile* profile, QObject* parent = nullptr);

signals:
    // "tmzcfg.js, line 3: Uncaught SyntaxError: ..."
    void scriptError(const QString& line);
    void linkNotFollowed(const QUrl& url);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int lineNumber,
                                  const QString& sourceID) override;
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};

// How a console message reads in the pane's bar.
QString ScriptErrorLine(const QString& message, int lineNumber, const QString& sourceID);
