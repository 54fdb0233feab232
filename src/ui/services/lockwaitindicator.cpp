#include "ui/services/lockwaitindicator.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

#include "ui/services/localpath.h"
#include "ui/services/statusarea.h"

namespace {
// What the user could do to start another command while the save waits, or
// what would put another text over the hint.
bool IsHeldOff(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Enter:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::StatusTip:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

// The core asks about every tenth of a second; events waiting meanwhile get
// at most this long, so the wait stays as prompt as the core's poll.
constexpr int kEventsMs = 50;
}  // namespace

TLockWaitIndicator::TLockWaitIndicator(TStatusArea& status) : status_(status) {}

TLockWaitIndicator::~TLockWaitIndicator()
{
    if (hint_.isEmpty())
        return;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
    if (status_.HintLine()->text() == hint_)
        status_.ShowHintText(QString());
}

void TLockWaitIndicator::Begin(const QString& folder)
{
    hint_ = QString("Waiting for another save into %1 to finish\u2026").arg(QDir::toNativeSeparators(folder));
    status_.ShowHintText(hint_);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
}

bool TLockWaitIndicator::KeepWaiting(const std::string& folder)
{
    if (hint_.isEmpty())
        Begin(FromLocalPath(folder));
    QCoreApplication::processEvents(QEventLoop::AllEvents, kEventsMs);
    return !cancelled_;
}

bool TLockWaitIndicator::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        cancelled_ = true;
    if (IsHeldOff(event->type()))
        return true;
    return QObject::eventFilter(watched, event);
}
