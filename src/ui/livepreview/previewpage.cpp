#include "ui/livepreview/previewpage.h"

TPreviewPage::TPreviewPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent)
{
}

QString ScriptErrorLine(const QString& message, int lineNumber, const QString& sourceID)
{
    const QString file = QUrl(sourceID).fileName();
    if (file.isEmpty())
        return message;
    return QStringLiteral("%1, line %2: %3").arg(file).arg(lineNumber).arg(message);
}

void TPreviewPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                            int lineNumber, const QString& sourceID)
{
    if (level == ErrorMessageLevel)
        emit scriptError(ScriptErrorLine(message, lineNumber, sourceID));
}

bool TPreviewPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    // The preview's own loads, frames of the author's page and jumps within
    // the page go ahead.
    const bool ours = type == NavigationTypeTyped || type == NavigationTypeReload;
    const bool samePage = url.adjusted(QUrl::RemoveFragment) == this->url().adjusted(QUrl::RemoveFragment);
    if (ours || !isMainFrame || samePage)
        return true;
    emit linkNotFollowed(url);
    return false;
}
