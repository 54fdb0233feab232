#include "ui/projectfileguard.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/localpath.h"
#include "ui/prompts.h"

namespace {
// Saves replace the file by a rename, and editors write in bursts: a short
// pause lets a burst settle into one check.
constexpr int kSettleMs = 200;
// How soon a check held back by a dialog or a save is tried again.
constexpr int kRetryMs = 500;

// The same file for a save: the folder's real path and the name.
QString Canonical(const QString& path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + '/' + info.fileName();
}

bool Exists(const QString& path)
{
    try {
        return IdentifyFile(LocalPath(path)).exists;
    } catch (const std::exception&) {
        return true;  // there, but not to be looked at
    }
}
}  // namespace

TProjectFileGuard::TProjectFileGuard(TPrompts& prompts, TDocumentHooks hooks, QObject* parent)
    : QObject(parent), prompts_(prompts), hooks_(std::move(hooks))
{
    check_.setSingleShot(true);
    connect(&check_, &QTimer::timeout, this, &TProjectFileGuard::CheckForChange);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [this] { ScheduleCheck(kSettleMs); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { ScheduleCheck(kSettleMs); });
    // A change made while the editor was in the background, on a disk the
    // watcher cannot see (network shares), is found when the user comes back.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive)
            ScheduleCheck(0);
    });
}

TFileFingerprint TProjectFileGuard::Look(const QString& path)
{
    try {
        return FingerprintFile(LocalPath(path));
    } catch (const std::exception&) {
        return TFileFingerprint();
    }
}

void TProjectFileGuard::Guard(const QString& path, const TFileFingerprint& seen)
{
    path_ = path;
    seen_ = seen;
    declined_.reset();
    Watch();
}

void TProjectFileGuard::Forget()
{
    path_.clear();
    seen_ = TFileFingerprint();
    declined_.reset();
    check_.stop();
    Watch();
}

bool TProjectFileGuard::IsGuarded(const QString& path) const
{
    return !path_.isEmpty() && Canonical(path) == Canonical(path_);
}

bool TProjectFileGuard::Unchanged() const
{
    try {
        return SameContent(seen_, LocalPath(path_));
    } catch (const std::exception&) {
        return true;
    }
}

TProjectFileGuard::Replace TProjectFileGuard::MayReplace(const QString& target)
{
    // A file deleted meanwhile holds nothing to lose: it is written again.
    if (!IsGuarded(target) || !Exists(target) || Unchanged())
        return Replace::Yes;
    asking_ = true;
    const TPrompts::Answer answer = prompts_.AskYesNoCancel(
        QString("%1 has been changed by another program since you opened it. Replace it with your version?")
            .arg(QDir::toNativeSeparators(path_)));
    asking_ = false;
    switch (answer) {
    case TPrompts::Answer::Yes: return Replace::Yes;
    case TPrompts::Answer::No: return Replace::SaveAs;
    case TPrompts::Answer::Cancel: break;
    }
    return Replace::Cancel;
}

void TProjectFileGuard::CheckForChange()
{
    Watch();
    if (path_.isEmpty())
        return;
    if (holds_ > 0 || asking_ || QApplication::activeModalWidget()) {
        ScheduleCheck(kRetryMs);
        return;
    }
    // With unsaved changes a reload would cost them; the next save asks instead.
    if (hooks_.modified() || !Exists(path_) || Unchanged())
        return;
    const TFileFingerprint now = Look(path_);
    if (declined_ && now.identity == declined_->identity)
        return;
    asking_ = true;
    const TPrompts::Answer answer = prompts_.AskYesNo(
        QString("%1 has been changed by another program. Reload it?").arg(QDir::toNativeSeparators(path_)));
    asking_ = false;
    // A reload that fails leaves this change declined rather than asked again;
    // one that succeeds guards the file anew.
    declined_ = now;
    if (answer == TPrompts::Answer::Yes)
        hooks_.reload(path_);
}

void TProjectFileGuard::Watch()
{
    // A replaced or deleted file drops out of the watcher; its folder's watch
    // sees it come back.
    const QStringList wanted = path_.isEmpty() ? QStringList()
                               : Exists(path_) ? QStringList{path_, QFileInfo(path_).absolutePath()}
                                               : QStringList{QFileInfo(path_).absolutePath()};
    for (const QStringList& watched : {watcher_.files(), watcher_.directories()})
        for (const QString& path : watched)
            if (!wanted.contains(path))
                watcher_.removePath(path);
    for (const QString& path : wanted)
        if (!watcher_.files().contains(path) && !watcher_.directories().contains(path))
            watcher_.addPath(path);
}

void TProjectFileGuard::ScheduleCheck(int milliseconds)
{
    if (!path_.isEmpty())
        check_.start(milliseconds);
}

TProjectFileGuard::THold::~THold()
{
    if (--guard_.holds_ == 0)
        guard_.ScheduleCheck(kSettleMs);
}
