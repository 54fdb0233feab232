#pragma once
// What the live preview's view is served, address by address: the page and
// tmzcfg.js generated in memory, the engine scripts and arrow images read
// from where a save takes them, and, when the author chose one, their own
// page with the menu code right after its <body> tag. Nothing is written to
// disk. The view reaches all of it under one custom scheme; this class only
// answers addresses, so it works (and is tested) without a browser.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QUrl>

struct TGeneratedMenu;
struct TPublishSetup;

// The answer to one address.
struct TPreviewResource {
    enum class Kind {
        Bytes,       // `bytes`, made in memory
        LocalFile,   // the file at `path`
        Remote,      // fetched from `remote` as it is
        RemotePage,  // fetched from `remote`, then given the menu code (WithMenuCode)
        Missing,
    };
    Kind kind = Kind::Missing;
    QByteArray mimeType;
    QByteArray bytes;
    QString path;
    QUrl remote;
    // Why the author's page could not be shown (the menu then shows alone);
    // empty when all is well.
    QString problem;
};

class TPreviewSite {
public:
    static const QByteArray& Scheme();  // "tmzpreview"

    // The text of the "Background page" field as an address: "" for none, a
    // local path (relative to `projectFolder` when the project is saved), a
    // file: URL or an http(s) address. Anything else is refused with the reason.
    static QUrl BackgroundAddress(const QString& text, const QString& projectFolder, QString* error);

    // One generation's worth: the page, tmzcfg.js and the style sheet of the
    // modern page code, and where the engine scripts and arrow images are
    // found for `setup` (the folders a save would take them from).
    void SetMenu(const TGeneratedMenu& menu, const TPublishSetup& setup);
    // An empty address shows the generated page alone.
    void SetBackground(const QUrl& address);
    const QUrl& Background() const { return background_; }

    // Where the view goes: under the background page's own path, so that its
    // relative links keep working.
    QUrl PageUrl() const;
    // The generated page, as a save writes it.
    const QByteArray& GeneratedPage() const { return page_; }
    // What shows without the author's page (none chosen, or it cannot be
    // had): the generated page, or for a bar or a sidebar a sample page
    // with its menu code.
    const QByteArray& PageAlone() const { return sample_.isEmpty() ? page_ : sample_; }
    TPreviewResource Resolve(const QUrl& url) const;

    // The author's page with the menu code inserted after its <body> tag (or
    // where the browser would open the body when the page has none).
    QByteArray WithMenuCode(const QByteArray& page) const;

private:
    TPreviewResource PageResource() const;
    TPreviewResource LocalPage() const;

    QByteArray page_;
    QByteArray menuCode_;
    QByteArray sample_;
    QHash<QString, QByteArray> generated_;  // bare name -> bytes
    QHash<QString, QString> files_;         // name as the page asks for it -> local path
    QUrl background_;
    QString base_ = QStringLiteral("/");    // folder of the page's path, ending in "/"
    QString pagePath_ = QStringLiteral("/preview.html");
};

// `code` inserted into an HTML page right after its <body ...> tag; a page
// without one gets it after </head>, else after <html ...>, else in front.
// Tags inside comments do not count.
QByteArray InsertAfterBodyTag(const QByteArray& page, const QByteArray& code);
