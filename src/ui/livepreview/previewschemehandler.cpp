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
    if (!network_)
        network_ = new QNetworkAccessManager(this);
    QNetworkReply* reply = network_->get(QNetworkRequest(resource.remote));
    QPointer<QWebEngineUrlRequestJob> waiting(job);
    // A page the view has left needs its files no more.
    connect(job, &QObject::destroyed, reply, &QNetworkReply::abort);
    const bool page = resource.kind == TPreviewResource::Kind::RemotePage;
    connect(reply, &QNetworkReply::finished, this, [this, reply, waiting, page] {
        reply->deleteLater();
        if (!waiting)
            return;
        const bool failed = reply->error() != QNetworkReply::NoError;
        if (page && failed) {
            emit problem(QStringLiteral("The background page %1 could not be loaded: %2. The menu shows on an "
                                        "empty page.")
                             .arg(reply->url().toString(), reply->errorString()));
            ReplyWithBytes(waiting, "text/html", site_.GeneratedPage());
        } else if (failed) {
            waiting->fail(QWebEngineUrlRequestJob::RequestFailed);
        } else {
            const QByteArray bytes = reply->readAll();
            QByteArray mimeType = reply->header(QNetworkRequest::ContentTypeHeader).toByteArray();
            if (mimeType.isEmpty())
                mimeType = page ? "text/html" : "application/octet-stream";
            ReplyWithBytes(waiting, mimeType, page ? site_.WithMenuCode(bytes) : bytes);
        }
    });
}
