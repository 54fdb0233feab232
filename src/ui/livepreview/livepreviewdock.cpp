#include "ui/livepreview/livepreviewdock.h"

#include <QEvent>
#include <QFileInfo>
#include <QVBoxLayout>

#include "codegen/generation.h"
#include "codegen/publishing.h"
#include "codegen/savepreparation.h"
#include "model/statusdisplay.h"
#include "platform/settingsstore.h"
#include "ui/editordocument.h"
#include "ui/livepreview/previewbar.h"
#include "ui/livepreview/previewpage.h"
#include "ui/livepreview/previewview.h"
#include "ui/prompts.h"
#include "ui/savesetup.h"

namespace {
const char* const kPhoneWidthSetting = "LivePreview/PhoneWidth";
const char* const kPageFilter = "Web Pages (*.html *.htm *.xhtml *.shtml *.php);;All Files (*)";
}  // namespace

TLivePreviewDock::TLivePreviewDock(const TLivePreviewSources& sources, QWidget* parent)
    : QDockWidget(tr("Live Preview"), parent),
      sources_(sources),
      backgrounds_(sources.settings),
      bar_(new TPreviewBar),
      view_(new TPreviewView(site_))
{
    setObjectName("dockLivePreview");
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    auto* content = new QWidget(this);
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(bar_);
    column->addWidget(view_, 1);
    setWidget(content);

    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &TLivePreviewDock::Rebuild);

    connect(bar_, &TPreviewBar::phoneWidthChosen, this, &TLivePreviewDock::SetPhoneWidth);
    connect(bar_, &TPreviewBar::backgroundEdited, this, &TLivePreviewDock::SetBackground);
    connect(bar_, &TPreviewBar::browseRequested, this, &TLivePreviewDock::BrowseForBackground);
    connect(bar_, &TPreviewBar::reloadRequested, this, &TLivePreviewDock::Reload);

    connect(view_, &TPreviewView::created, this, &TLivePreviewDock::Rebuild);
    connect(view_, &TPreviewView::loadStarted, this, [this] { loadingErrors_.clear(); });
    // Errors belong to the page that met them: shown when it is up, and at
    // once when the page is already up (the author's handlers at work).
    const auto error = [this](const QString& line) {
        if (!loadingErrors_.contains(line))
            loadingErrors_ << line;
        if (!view_->Page()->isLoading() && !scriptErrors_.contains(line)) {
            scriptErrors_ << line;
            ShowMessages();
        }
    };
    connect(view_, &TPreviewView::scriptError, this, error);
    connect(view_, &TPreviewView::problem, this, error);
    connect(view_, &TPreviewView::linkNotFollowed, this, [this](const QUrl& url) {
        note_ = tr("Links are not followed in the preview: %1").arg(url.toDisplayString());
        ShowMessages();
    });
    connect(view_, &TPreviewView::loaded, this, [this] {
        scriptErrors_ = loadingErrors_;
        ShowMessages();
        emit updated();
    });

    ConnectDocument();
    const bool phone = sources_.settings.EditorValue(kPhoneWidthSetting, false).toBool();
    bar_->SetPhoneWidth(phone);
    view_->SetPhoneWidth(phone);
    OpenedAnotherDocument();
}

void TLivePreviewDock::ConnectDocument()
{
    TEditorDocument& document = sources_.document;
    // Submenus stay open through edits of fields; a change of the tree may
    // have taken their items away.
    const auto reshaped = [this] { shapeChanged_ = true; };
    connect(&document, &TEditorDocument::itemsInserted, this, reshaped);
    connect(&document, &TEditorDocument::itemsRemoved, this, reshaped);
    connect(&document, &TEditorDocument::documentReplaced, this, reshaped);
    connect(&document, &TEditorDocument::changed, this, &TLivePreviewDock::DocumentChanged);
    // The main window names the file only after it has replaced the
    // document; the name it gives then is another project's, no rename.
    connect(&document, &TEditorDocument::documentReplaced, this, [this] {
        replacing_ = true;
        QTimer::singleShot(0, this, &TLivePreviewDock::OpenedAnotherDocument);
    });
    connect(&document, &TEditorDocument::fileNameChanged, this, &TLivePreviewDock::ProjectFileNameChanged);
}

void TLivePreviewDock::DocumentChanged()
{
    dirty_ = true;
    if (isVisible() && view_->Created())
        settle_.start();
}

bool TLivePreviewDock::event(QEvent* event)
{
    // Hidden, the pane does no work; shown again, it catches up.
    if (event->type() == QEvent::Show && dirty_ && view_->Created())
        settle_.start();
    return QDockWidget::event(event);
}

void TLivePreviewDock::OpenedAnotherDocument()
{
    replacing_ = false;
    bar_->SetBackgroundText(backgrounds_.Open(sources_.document.FileName()));
    ApplyBackground();
}

void TLivePreviewDock::ProjectFileNameChanged()
{
    // A background page given relative to the project is another page once
    // the project is saved elsewhere (or saved at all).
    if (!replacing_ && backgrounds_.Rename(sources_.document.FileName()) && UpdateAddress())
        DocumentChanged();
}

void TLivePreviewDock::SetBackground(const QString& text)
{
    ProjectFileNameChanged();
    backgrounds_.Remember(text);
    bar_->SetBackgroundText(text);
    ApplyBackground();
}

void TLivePreviewDock::ApplyBackground()
{
    UpdateAddress();
    Reload();
}

bool TLivePreviewDock::UpdateAddress()
{
    QString error;
    const QString project = sources_.document.FileName();
    const QString folder = project.isEmpty() ? QString() : QFileInfo(project).absolutePath();
    const QUrl address = TPreviewSite::BackgroundAddress(backgrounds_.Current(), folder, &error);
    const bool changed = address != site_.Background() || error != addressError_;
    addressError_ = error;
    if (address != site_.Background()) {
        site_.SetBackground(address);
        shapeChanged_ = true;  // another page: nothing of the old one to restore
    }
    return changed;
}

void TLivePreviewDock::BrowseForBackground()
{
    const QString current = backgrounds_.Current();
    const QString folder = QFileInfo(current).isAbsolute() ? QFileInfo(current).absolutePath() : QString();
    const QString path = sources_.prompts.OpenFileName(tr("Background Page"), folder, QString::fromLatin1(kPageFilter));
    if (!path.isEmpty())
        SetBackground(path);
}

void TLivePreviewDock::SetPhoneWidth(bool phone)
{
    bar_->SetPhoneWidth(phone);
    view_->SetPhoneWidth(phone);
    sources_.settings.SetEditorValue(kPhoneWidthSetting, phone);
}

void TLivePreviewDock::Reload()
{
    view_->ForgetFetched();
    RebuildNow();
}

void TLivePreviewDock::RebuildNow()
{
    dirty_ = true;
    settle_.stop();
    Rebuild();
}

bool TLivePreviewDock::Busy() const
{
    return settle_.isActive() || !view_->Settled();
}

void TLivePreviewDock::Rebuild()
{
    if (!isVisible() || !view_->Created())
        return;  // done when the pane shows again
    ProjectFileNameChanged();
    settle_.stop();  // this build has the address already
    dirty_ = false;
    const bool keepOpen = !shapeChanged_;
    shapeChanged_ = false;
    view_->Reload(keepOpen, [this] { FillSite(); });
}

void TLivePreviewDock::FillSite()
{
    const TPageCode pageCode = PageCodeSetting(sources_.settings);
    const TPublishSetup setup =
        EditorPublishSetup(sources_.programFolder, sources_.document.FileName(), QString(), pageCode);
    TSilentStatus status;
    site_.SetMenu(PrepareSave(sources_.document.Document(), {true, sources_.document.Selection()}, status, pageCode), setup);
    note_ = sources_.document.ItemCount() == 0 ? tr("The menu has no items yet.") : QString();
}

void TLivePreviewDock::ShowMessages()
{
    QStringList errors = scriptErrors_;
    if (!addressError_.isEmpty())
        errors.prepend(addressError_);
    if (!errors.isEmpty())
        bar_->ShowMessage(errors, TPreviewBar::TMessageKind::Error);
    else
        bar_->ShowMessage(note_.isEmpty() ? QStringList() : QStringList{note_}, TPreviewBar::TMessageKind::Note);
}
