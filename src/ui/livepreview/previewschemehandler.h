#pragma once
// Hands the view what the site answers for each address of the preview's
// scheme: bytes from memory, files from disk, and the author's own web page
// (with whatever it loads from its site) fetched on the user's behalf. What
// was fetched is kept until Forget: the page is rebuilt at every change of
// the menu, the author's site need not be asked again each time.

#include <QHash>
#include <QUrl>
#include <QWebEngineUrlSchemeHandler>

class QNetworkAccessManager;
class TPreviewSite;
struct TPreviewResource;

class TPreviewSchemeHandler final : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    TPreviewSchemeHandler(const TPreviewSite& site, QObject* parent = nullptr);

    // Once per program, before the first web engine object exists.
    static void RegisterScheme();

    void requestStarted(QWebEngineUrlRequestJob* job) override;
    void Forget() { fetched_.clear(); }

signals:
    // A background page that could not be shown, in words for the user.
    void problem(const QString& text);

private:
    void Fetch(QWebEngineUrlRequestJob* job, const TPreviewResource& resource);
    void ReplyFetched(QWebEngineUrlRequestJob* job, const QByteArray& mimeType, const QByteArray& bytes, bool page);

    struct TFetched {
        QByteArray mimeType;
        QByteArray bytes;
    };

    const TPreviewSite& site_;
    QNetworkAccessManager* network_ = nullptr;
    QHash<QUrl, TFetched> fetched_;
};
