#include "ui/livepreview/previewschemehandler.h"

#include <QBuffer>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>

#include "ui/livepreview/previewsite.h"

namespace {

void ReplyWithBytes(QWebEngineUrlRequestJob* job, const QByteArray& mimeType, const QByteArray& bytes)
{
    // The job owns what it reads from and may be dropped by the view at any time.
    auto* buffer = new QBuffer(job);
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    job->reply(mimeType, buffer);
}

}  // namespace

TPreviewSchemeHandler::TPreviewSchemeHandler(const TPreviewSite& site, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), site_(site)
{
}

void TPreviewSchemeHandler::RegisterScheme()
{
    static const bool registered = [] {
        QWebEngineUrlScheme scheme(TPreviewSite::Scheme());
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
        scheme.setFlags(QWebEngineUrlScheme::CorsEnabled);
        QWebEngineUrlScheme::registerScheme(scheme);
        return true;
    }();
    Q_UNUSED(registered);
}

void TPreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job)
{
    const TPreviewResource resource = site_.Resolve(job->requestUrl());
    if (!resource.problem.isEmpty())
        emit problem(resource.problem);
    switch (resource.kind) {
    case TPreviewResource::Kind::Bytes:
        ReplyWithBytes(job, resource.mimeType, resource.bytes);
        return;
    case TPreviewResource::Kind::LocalFile: {
        auto* file = new QFile(resource.path, job);
        if (file->open(QIODevice::ReadOnly))
            job->reply(resource.mimeType, file);
        else
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    case TPreviewResource::Kind::Remote:
    case TPreviewResource::Kind::RemotePage:
        Fetch(job, resource);
        return;
    case TPreviewResource::Kind::Missing:
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
}

void TPreviewSchemeHandler::Fetch(QWebEngineUrlRequestJob* job, const TPreviewResource& resource)
{
    const bool page = resource.kind == TPreviewResource::Kind::RemotePage;
    const auto kept = fetched_.constFind(resource.remote);
    if (kept != fetched_.constEnd()) {
        ReplyFetched(job, kept->mimeType, kept->bytes, page);
        return;
    }
    if (!network_)
        network_ = new QNetworkAccessManager(this);
    QNetworkReply* reply = network_->get(QNetworkRequest(resource.remote));
    QPointer<QWebEngineUrlRequestJob> waiting(job);
    // A page the view has left needs its files no more.
    connect(job, &QObject::destroyed, reply, &QNetworkReply::abort);
    connect(reply, &QNetworkReply::finished, this, [this, reply, waiting, page, address = resource.remote] {
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError) {
            if (!waiting)
                return;
            if (page) {
                emit problem(QStringLiteral("The background page %1 could not be loaded: %2. The menu shows on "
                                            "an empty page.")
                                 .arg(address.toString(), reply->errorString()));
                ReplyWithBytes(waiting, "text/html", site_.PageAlone());
            } else {
                waiting->fail(QWebEngineUrlRequestJob::RequestFailed);
            }
            return;
        }
        TFetched fetched{reply->header(QNetworkRequest::ContentTypeHeader).toByteArray(), reply->readAll()};
        if (fetched.mimeType.isEmpty())
            fetched.mimeType = page ? "text/html" : "application/octet-stream";
        fetched_.insert(address, fetched);
        if (waiting)
            ReplyFetched(waiting, fetched.mimeType, fetched.bytes, page);
    });
}

void TPreviewSchemeHandler::ReplyFetched(QWebEngineUrlRequestJob* job, const QByteArray& mimeType,
                                         const QByteArray& bytes, bool page)
{
    ReplyWithBytes(job, mimeType, page ? site_.WithMenuCode(bytes) : bytes);
}
