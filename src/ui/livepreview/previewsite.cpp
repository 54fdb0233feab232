#include "ui/livepreview/previewsite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>

#include "codegen/fileops.h"
#include "codegen/generation.h"
#include "codegen/menucode.h"
#include "codegen/moderncode.h"
#include "codegen/publishing.h"
#include "ui/dialogs/htmlbuild.h"
#include "ui/livepreview/layoutsample.h"
#include "ui/services/localpath.h"

namespace {

const QString kHost = QStringLiteral("menu");
const QString kGeneratedPageName = QStringLiteral("preview.html");

QByteArray MimeTypeOf(const QString& name)
{
    static const QMimeDatabase database;
    return database.mimeTypeForFile(name, QMimeDatabase::MatchExtension).name().toLatin1();
}

TPreviewResource Bytes(const QByteArray& bytes, const QByteArray& mimeType, const QString& problem = QString())
{
    TPreviewResource resource;
    resource.kind = TPreviewResource::Kind::Bytes;
    resource.bytes = bytes;
    resource.mimeType = mimeType;
    resource.problem = problem;
    return resource;
}

TPreviewResource LocalFile(const QString& path, const QString& name)
{
    TPreviewResource resource;
    resource.kind = TPreviewResource::Kind::LocalFile;
    resource.path = path;
    resource.mimeType = MimeTypeOf(name);
    return resource;
}

TPreviewResource Remote(const QUrl& url, TPreviewResource::Kind kind)
{
    TPreviewResource resource;
    resource.kind = kind;
    resource.remote = url;
    return resource;
}

bool IsWebAddress(const QUrl& url)
{
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

// Just after the '>' that closes the tag, quoted attribute values skipped.
qsizetype EndOfTagAt(const QByteArray& page, qsizetype at)
{
    char quote = 0;
    for (; at < page.size(); ++at) {
        const char c = page[at];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return at + 1;
        }
    }
    return -1;
}

// Just after the first tag `<name ...>` outside comments, or -1.
qsizetype EndOfTag(const QByteArray& page, const QByteArray& lowerPage, const QByteArray& name)
{
    const QByteArray open = '<' + name;
    for (qsizetype at = lowerPage.indexOf('<'); at >= 0; at = lowerPage.indexOf('<', at + 1)) {
        if (lowerPage.mid(at, 4) == "<!--") {
            at = lowerPage.indexOf("-->", at + 4);
            if (at < 0)
                return -1;
            continue;
        }
        if (lowerPage.mid(at, open.size()) != open)
            continue;
        const qsizetype next = at + open.size();
        if (next == page.size() || IsBlank(page[next]) || page[next] == '>' || page[next] == '/')
            return EndOfTagAt(page, next);
    }
    return -1;
}

}  // namespace

const QByteArray& TPreviewSite::Scheme()
{
    static const QByteArray scheme("tmzpreview");
    return scheme;
}

QUrl TPreviewSite::BackgroundAddress(const QString& text, const QString& projectFolder, QString* error)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return QUrl();
    const QUrl asUrl(trimmed, QUrl::StrictMode);
    if (IsWebAddress(asUrl)) {
        if (asUrl.isValid() && !asUrl.host().isEmpty())
            return asUrl.adjusted(QUrl::RemoveFragment);
        *error = QStringLiteral("\"%1\" is not a web address the preview can load.").arg(trimmed);
        return QUrl();
    }
    // A drive letter is no scheme; anything else of the form "name://" that
    // is not a web or file address is nothing the view can load.
    if (asUrl.scheme().size() > 1 && trimmed.contains(QLatin1String("://")) && !asUrl.isLocalFile()) {
        *error = QStringLiteral("\"%1\" is neither a web address (http, https) nor a file.").arg(trimmed);
        return QUrl();
    }
    QString path = trimmed;
    if (trimmed.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) {
        if (!asUrl.isValid() || !asUrl.isLocalFile()) {
            *error = QStringLiteral("\"%1\" is not a file address the preview can load.").arg(trimmed);
            return QUrl();
        }
        path = asUrl.toLocalFile();
    }
    if (QFileInfo(path).isRelative()) {
        if (projectFolder.isEmpty()) {
            *error = QStringLiteral("The background page \"%1\" is a relative path; save the project first, or "
                                    "give the whole path.")
                         .arg(trimmed);
            return QUrl();
        }
        path = QFileInfo(projectFolder + '/' + path).absoluteFilePath();
    }
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

void TPreviewSite::SetMenu(const TGeneratedMenu& menu, const TPublishSetup& setup)
{
    page_ = QByteArray::fromStdString(menu.page);
    menuCode_ = MenuCodeOf(QString::fromUtf8(page_)).toUtf8();
    sample_ = LayoutSamplePage(menu.document.extended, menuCode_);
    generated_.clear();
    generated_.insert(QString::fromLatin1(kParameterScriptName), QByteArray::fromStdString(menu.script));
    if (!menu.stylesheet.empty())
        generated_.insert(QString::fromLatin1(kMenuStylesheetName), QByteArray::fromStdString(menu.stylesheet));

    files_.clear();
    const TAppletData& applet = menu.document.applet;
    const TPublishPlan plan(applet, setup, std::string(), kGeneratedPageName.toStdString());
    for (const TPublishedFile& file : plan.Files()) {
        const bool copied = file.kind == TPublishedFile::Kind::Script || file.kind == TPublishedFile::Kind::ArrowImage;
        if (copied && !file.source.empty())
            files_.insert(FromLocalPath(file.name), FromLocalPath(file.source));
    }
    // The engine asks for an arrow by the name stored, which may have folders
    // in it; a save publishes it under its bare name, found the same way.
    for (const std::string& stored : PublishedImageNames(applet)) {
        const QString bare = FromLocalPath(FileNamePart(stored));
        if (files_.contains(bare))
            files_.insert(FromLocalPath(stored), files_.value(bare));
    }
}

void TPreviewSite::SetBackground(const QUrl& address)
{
    background_ = address;
    if (address.isEmpty()) {
        pagePath_ = '/' + kGeneratedPageName;
    } else {
        pagePath_ = address.path();
        if (pagePath_.isEmpty())
            pagePath_ = QStringLiteral("/");
    }
    base_ = pagePath_.left(pagePath_.lastIndexOf('/') + 1);
}

QUrl TPreviewSite::PageUrl() const
{
    QUrl url;
    url.setScheme(QString::fromLatin1(Scheme()));
    url.setHost(kHost);
    url.setPath(pagePath_);
    if (IsWebAddress(background_))
        url.setQuery(background_.query(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

TPreviewResource TPreviewSite::Resolve(const QUrl& url) const
{
    if (url.scheme() != QLatin1String(Scheme()) || url.host() != kHost)
        return {};
    const QString path = url.path();
    const bool remote = IsWebAddress(background_);
    if (path == pagePath_ && (!remote || url.query() == background_.query()))
        return PageResource();
    if (path.startsWith(base_)) {
        const QString name = path.mid(base_.size());
        const auto made = generated_.constFind(name);
        if (made != generated_.constEnd())
            return Bytes(*made, MimeTypeOf(name));
        const auto file = files_.constFind(name);
        if (file != files_.constEnd())
            return LocalFile(*file, name);
    }
    if (background_.isLocalFile()) {
        // The author's page asks for its own files, relative to where it lies.
        QUrl asFile;
        asFile.setScheme(QStringLiteral("file"));
        asFile.setPath(url.path(QUrl::FullyEncoded), QUrl::TolerantMode);
        const QString local = asFile.toLocalFile();
        if (QFileInfo(local).isFile())
            return LocalFile(local, local);
    } else if (remote) {
        QUrl address = background_;
        address.setPath(url.path(QUrl::FullyEncoded), QUrl::TolerantMode);
        address.setQuery(url.query(QUrl::FullyEncoded), QUrl::TolerantMode);
        return Remote(address, TPreviewResource::Kind::Remote);
    }
    return {};
}

TPreviewResource TPreviewSite::PageResource() const
{
    if (background_.isEmpty())
        return Bytes(PageAlone(), "text/html");
    if (background_.isLocalFile())
        return LocalPage();
    return Remote(background_, TPreviewResource::Kind::RemotePage);
}

TPreviewResource TPreviewSite::LocalPage() const
{
    const QString path = background_.toLocalFile();
    QFile file(path);
    QString problem;
    if (QFileInfo(path).isDir())
        problem = QStringLiteral("it is a folder");
    else if (!file.open(QIODevice::ReadOnly))
        problem = file.errorString();
    if (!problem.isEmpty()) {
        return Bytes(PageAlone(), "text/html",
                     QStringLiteral("The background page %1 could not be read: %2. The menu shows on %3.")
                         .arg(QDir::toNativeSeparators(path), problem,
                              sample_.isEmpty() ? QStringLiteral("an empty page") : QStringLiteral("the sample page")));
    }
    return Bytes(WithMenuCode(file.readAll()), "text/html");
}

QByteArray TPreviewSite::WithMenuCode(const QByteArray& page) const
{
    return InsertAfterBodyTag(page, menuCode_);
}

QByteArray InsertAfterBodyTag(const QByteArray& page, const QByteArray& code)
{
    if (code.isEmpty())
        return page;
    const QByteArray lower = page.toLower();
    qsizetype at = EndOfTag(page, lower, "body");
    for (const char* fallback : {"/head", "html"}) {
        if (at < 0)
            at = EndOfTag(page, lower, fallback);
    }
    if (at < 0)
        at = 0;
    QByteArray result = page;
    result.insert(at, at > 0 ? '\n' + code : code);
    return result;
}
