#include "ui/livepreview/previewview.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineView>

#include "ui/livepreview/desktopzoom.h"
#include "ui/livepreview/loadcover.h"
#include "ui/livepreview/previewpage.h"
#include "ui/livepreview/previewschemehandler.h"
#include "ui/livepreview/previewsite.h"
#include "ui/livepreview/touchemulation.h"

#include <unistd.h>

namespace {

// The browser engine refuses to start its sandbox for the superuser and
// takes the whole editor down with it, unsaved work and all. An editor run
// as root (a fresh machine, a container) gets the preview without the
// sandbox instead, as the engine itself suggests; everyone else keeps it.
void LetTheEngineStartForRoot()
{
#ifdef Q_OS_UNIX
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
}

}  // namespace

TPreviewView::TPreviewView(const TPreviewSite& site, QWidget* parent)
    : QWidget(parent), site_(site), layout_(new QHBoxLayout(this)), placeholder_(new QLabel(this))
{
    setObjectName("LivePreviewView");
    layout_->setContentsMargins(0, 0, 0, 0);
    placeholder_->setText(tr("Starting the preview..."));
    placeholder_->setAlignment(Qt::AlignCenter);
    placeholder_->setEnabled(false);
    layout_->addWidget(placeholder_);
    setMinimumSize(160, 120);
}

TPreviewView::~TPreviewView()
{
    // A page going away answers the scripts still running in it, and what
    // the answers would start (building from a document that may be gone
    // already with the window) must not happen.
    ++serial_;
    fill_ = nullptr;
    if (page_)
        page_->disconnect(this);
    if (handler_)
        handler_->disconnect(this);
    // The engine wants its pages gone before their profile, and the profile
    // before the handler it calls.
    delete view_;
    delete page_;
    delete profile_;
    delete handler_;
}

void TPreviewView::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (phone_) {
        // The margins beside a phone-wide page.
        QPainter(this).fillRect(rect(), palette().color(QPalette::Dark));
    }
    if (!view_ && !createScheduled_) {
        createScheduled_ = true;
        QTimer::singleShot(0, this, &TPreviewView::Create);
    }
}

void TPreviewView::Create()
{
    if (view_)
        return;
    LetTheEngineStartForRoot();
    TPreviewSchemeHandler::RegisterScheme();
    handler_ = new TPreviewSchemeHandler(site_);
    connect(handler_, &TPreviewSchemeHandler::problem, this, &TPreviewView::problem);
    // Off the record: nothing of the preview is kept on disk.
    profile_ = new QWebEngineProfile();
    profile_->setHttpCacheType(QWebEngineProfile::NoCache);
    profile_->installUrlSchemeHandler(TPreviewSite::Scheme(), handler_);
    page_ = new TPreviewPage(profile_);
    connect(page_, &TPreviewPage::scriptError, this, &TPreviewView::scriptError);
    connect(page_, &TPreviewPage::linkNotFollowed, this, &TPreviewView::linkNotFollowed);
    connect(page_, &QWebEnginePage::loadStarted, this, &TPreviewView::loadStarted);
    connect(page_, &QWebEnginePage::loadFinished, this, [this](bool ok) {
        if (ok)
            Restore();
        else
            cover_->Uncover();
    });
    // A page whose renderer has gone answers no script: the next change (or
    // Reload) loads it afresh without asking it where the user was.
    connect(page_, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status, int) {
                ++serial_;
                settled_ = capturing_ = false;
                cover_->Uncover();
                if (status != QWebEnginePage::NormalTerminationStatus)
                    emit problem(tr("The preview's page stopped; it comes back with the next change or Reload."));
            });
    view_ = new QWebEngineView(this);
    view_->setObjectName("LivePreviewWebView");
    view_->setPage(page_);
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    view_->installEventFilter(this);
    touch_ = new TTouchEmulation(this);
    touch_->Watch(view_);
    delete placeholder_;
    placeholder_ = nullptr;
    layout_->addWidget(view_);
    cover_ = new TLoadCover(this);
    SetPhoneWidth(phone_);
    emit created();
}

void TPreviewView::SetPhoneWidth(bool phone)
{
    phone_ = phone;
    if (view_) {
        if (phone)
            view_->setFixedWidth(kPhoneWidth);
        else
            view_->setMaximumWidth(QWIDGETSIZE_MAX);
        view_->setMinimumWidth(phone ? kPhoneWidth : 0);
        layout_->setAlignment(view_, phone ? Qt::AlignHCenter : Qt::Alignment());
        touch_->SetEnabled(phone);
        ApplyZoom();
    }
    update();
}

void TPreviewView::ApplyZoom()
{
    const double factor = phone_ ? 1.0 : TDesktopZoom::FactorFor(view_->width());
    if (!qFuzzyCompare(view_->zoomFactor(), factor))
        view_->setZoomFactor(factor);
}

bool TPreviewView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == view_ && event->type() == QEvent::Resize)
        ApplyZoom();
    return QWidget::eventFilter(watched, event);
}

void TPreviewView::ForgetFetched()
{
    if (handler_)
        handler_->Forget();
}

void TPreviewView::Reload(bool keepOpenSubmenus, std::function<void()> fill)
{
    if (!view_)
        return;
    fill_ = std::move(fill);
    dropOpenPath_ = dropOpenPath_ || !keepOpenSubmenus;
    const int serial = ++serial_;
    if (!settled_) {
        // Still loading: the place read before that load still holds.
        Load(serial);
        return;
    }
    capturing_ = true;
    page_->runJavaScript(CaptureStateScript(), QWebEngineScript::ApplicationWorld,
                         [this, serial](const QVariant& result) {
                             if (serial != serial_)
                                 return;  // a later reload reads it again
                             capturing_ = false;
                             state_ = StateFromScriptResult(result);
                             Load(serial);
                         });
}

void TPreviewView::Load(int serial)
{
    if (serial != serial_)
        return;
    if (dropOpenPath_)
        state_.openPath.clear();
    dropOpenPath_ = false;
    if (!page_->url().isEmpty())
        cover_->Cover(*view_);
    settled_ = false;
    if (fill_)
        fill_();
    // The page's scripts keep their addresses from build to build: only a
    // reload that bypasses the cache fetches them anew.
    const QUrl url = site_.PageUrl();
    if (page_->url() == url)
        page_->triggerAction(QWebEnginePage::ReloadAndBypassCache);
    else
        page_->load(url);
}

void TPreviewView::Restore()
{
    const int serial = serial_;
    page_->runJavaScript(RestoreStateScript(state_), QWebEngineScript::MainWorld,
                         [this, serial](const QVariant&) {
                             if (serial != serial_)
                                 return;  // a newer page is on its way
                             settled_ = true;
                             cover_->Uncover();
                             emit loaded();
                         });
}
