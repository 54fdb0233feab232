#pragma once
// Keeps the editor from replacing a project file that another program changed
// since the editor opened or last saved it, and offers to reload such a file
// while the document holds nothing unsaved.
//
// It remembers what the file was (identity and a hash of its bytes). A save
// asks before replacing a file that is no longer that; a change on disk,
// seen by a watcher or when the application becomes active, offers a reload
// once per change, never while a modal dialog or a save is under way.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <optional>

#include "files/fileidentity.h"

class TPrompts;

class TProjectFileGuard final : public QObject {
    Q_OBJECT
public:
    struct TDocumentHooks {
        std::function<bool()> modified;                // unsaved changes in the document
        std::function<void(const QString&)> reload;    // opens the file again as the document
    };
    enum class Replace { Yes, SaveAs, Cancel };

    TProjectFileGuard(TPrompts& prompts, TDocumentHooks hooks, QObject* parent = nullptr);

    // What a file holds now. Taken before the file is read, so that a change
    // made while it is read counts as a change. A file that cannot be looked
    // at counts as absent: whatever is there later is then a change.
    static TFileFingerprint Look(const QString& path);

    // The document is now this file as `seen` (opened) or as it is now (saved).
    void Guard(const QString& path, const TFileFingerprint& seen);
    void Guard(const QString& path) { Guard(path, Look(path)); }
    // The document has no file (new, a template's untitled copy).
    void Forget();

    // Before a save writes `target`: Yes when it may be replaced (it is not
    // the guarded file, it is unchanged, or it was deleted meanwhile),
    // otherwise the user's answer: Yes, SaveAs (choose another file) or Cancel.
    Replace MayReplace(const QString& target);

    // Offers a reload when the guarded file changed and the document has no
    // unsaved change; deferred while a save or a modal dialog is under way.
    void CheckForChange();

    // Holds reload offers back while the editor itself writes the file.
    class THold {
    public:
        explicit THold(TProjectFileGuard& guard) : guard_(guard) { ++guard_.holds_; }
        ~THold();
        THold(const THold&) = delete;
        THold& operator=(const THold&) = delete;

    private:
        TProjectFileGuard& guard_;
    };

private:
    bool IsGuarded(const QString& path) const;
    // Unchanged since it was guarded; a file that cannot be read counts as unchanged,
    // so that the save, not this guard, reports why.
    bool Unchanged() const;
    void Watch();
    void ScheduleCheck(int milliseconds);

    TPrompts& prompts_;
    TDocumentHooks hooks_;
    QString path_;
    TFileFingerprint seen_;
    // The change the user declined to reload: not offered again.
    std::optional<TFileFingerprint> declined_;
    QFileSystemWatcher watcher_;
    QTimer check_;
    int holds_ = 0;
    bool asking_ = false;
};
