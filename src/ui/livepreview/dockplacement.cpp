#include "ui/livepreview/dockplacement.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>

#include "platform/settingsstore.h"
#include "ui/services/firstwindow.h"

namespace {
const char* const kVisible = "LivePreview/Visible";
const char* const kArea = "LivePreview/Area";
const char* const kWidth = "LivePreview/Width";
const char* const kFloating = "LivePreview/Floating";
const char* const kFloatingGeometry = "LivePreview/FloatingGeometry";

bool IsSideArea(int area)
{
    return area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
}
}  // namespace

TDockPlacement::TDockPlacement(QMainWindow& window, QDockWidget& dock, TSettingsStore& settings)
    : QObject(&dock), window_(window), dock_(dock), settings_(settings)
{
    // Dragging a dock's edge sends many resizes; the last one is kept.
    saveSoon_.setSingleShot(true);
    saveSoon_.setInterval(500);
    connect(&saveSoon_, &QTimer::timeout, this, &TDockPlacement::Save);
}

void TDockPlacement::Restore(bool windowSizeKept)
{
    int area = settings_.EditorValue(kArea, Qt::RightDockWidgetArea).toInt();
    if (!IsSideArea(area))
        area = Qt::RightDockWidgetArea;
    width_ = qMax(dock_.minimumWidth(), settings_.EditorValue(kWidth, kDefaultWidth).toInt());
    const QScreen* screen = window_.screen();
    const bool wide = screen && screen->availableGeometry().width() >= kWideScreen;
    const QVariant chosen = settings_.EditorValue(kVisible);
    bool visible = chosen.isValid() ? chosen.toBool() : wide;
    // A window kept from before knows its size; a first one makes room, as
    // does one whose size was never kept (the editor did not close).
    fitWindow_ = !chosen.isValid() || !windowSizeKept;
    if (fitWindow_ && visible)
        visible = FirstLayout().previewShown;

    window_.addDockWidget(static_cast<Qt::DockWidgetArea>(area), &dock_);
    if (settings_.EditorValue(kFloating, false).toBool()) {
        dock_.setFloating(true);
        dock_.restoreGeometry(settings_.EditorValue(kFloatingGeometry).toByteArray());
    }
    dock_.setVisible(visible);
    if (fitWindow_ && visible && !dock_.isFloating())
        WantPreviewInFirstWindow(window_, width_);

    // Only what the user does is kept: the window hiding the dock as it
    // closes is no choice.
    connect(dock_.toggleViewAction(), &QAction::triggered, this, &TDockPlacement::Save);
    connect(&dock_, &QDockWidget::topLevelChanged, this, [this] { saveSoon_.start(); });
    connect(&dock_, &QDockWidget::dockLocationChanged, this, [this] { saveSoon_.start(); });
    dock_.installEventFilter(this);
    window_.installEventFilter(this);
}

bool TDockPlacement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &window_ && event->type() == QEvent::Show && !windowShown_) {
        windowShown_ = true;
        // After the window has placed itself, before its first paint.
        QMetaObject::invokeMethod(this, &TDockPlacement::SizeOnFirstShow, Qt::QueuedConnection);
    } else if (watched == &dock_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move) &&
               windowShown_ && dock_.isVisible()) {
        saveSoon_.start();
    }
    return QObject::eventFilter(watched, event);
}

// The dock at its kept width; a window without a kept size grows by it, as
// far as the screen allows.
void TDockPlacement::SizeOnFirstShow()
{
    if (dock_.isHidden() || dock_.isFloating())
        return;
    int width = width_;
    if (fitWindow_ && window_.screen()) {
        const TFirstWindowLayout layout = FirstLayout();
        if (!layout.previewShown) {
            dock_.hide();  // too little room beside the pages; F5 shows it all the same
            return;
        }
        width = layout.previewWidth;
        window_.setGeometry(layout.client);
    }
    window_.resizeDocks({&dock_}, {width}, Qt::Horizontal);
}

void TDockPlacement::Save()
{
    settings_.SetEditorValue(kVisible, !dock_.isHidden());
    settings_.SetEditorValue(kFloating, dock_.isFloating());
    if (dock_.isFloating()) {
        settings_.SetEditorValue(kFloatingGeometry, dock_.saveGeometry());
    } else if (!dock_.isHidden()) {
        settings_.SetEditorValue(kArea, static_cast<int>(window_.dockWidgetArea(&dock_)));
        width_ = dock_.width();
        settings_.SetEditorValue(kWidth, width_);
    }
}

TFirstWindowLayout TDockPlacement::FirstLayout() const
{
    TFirstWindowScreen screen = FirstWindowScreenOf(window_);
    screen.previewWanted = true;
    screen.previewWidth = width_;
    return TFirstWindow::Layout(screen);
}
