#pragma once
// All-or-nothing writing of a set of files. Every file is first written in
// full to a temporary file beside its target (created with the target's mode
// and owner) and flushed to the disk; only when all of them are complete are
// they renamed over their targets, and the folders synced. A failure at any
// point before the renames removes the temporary files and leaves every old
// file as it was.
//
// Each folder written to is locked (flock on the folder, or on a
// ".trellimenu.lock" file there where the file system cannot lock folders)
// from the first file staged in it until the transaction ends, so two
// publishes into one folder follow each other. A list of the renames is made durable
// before the first one, so a run killed among its renames is completed by
// the next run that locks the folder; that run also removes the temporary
// files that dead runs left.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/textencoding.h"

// Told while another save holds the lock of a folder this transaction needs:
// first after one second of waiting, then about ten times a second. Returning
// false gives up: the transaction then throws TFileError whose what() is
// "FOLDER is locked by another save".
class TLockWait {
public:
    virtual ~TLockWait() = default;
    virtual bool KeepWaiting(const std::string& folder) = 0;
};

// A file being written: bytes go to its temporary file, in large writes.
class TStagedFile {
public:
    ~TStagedFile();
    TStagedFile(const TStagedFile&) = delete;
    TStagedFile& operator=(const TStagedFile&) = delete;

    // Text in UTF-8, written in the file's encoding (UTF-8 unless set).
    void SetEncoding(TTextEncoding encoding) { encoding_ = encoding; }
    void Write(std::string_view text);
    void WriteLine(std::string_view line);  // appends CR LF
    void WriteBytes(std::string_view bytes);  // as they are, no encoding

    const std::string& Path() const { return shownPath_; }

private:
    friend class TFileTransaction;
    TStagedFile(std::string shownPath, std::string targetPath, std::string tempPath, int fd);
    void Flush();
    void Finish();  // flush, fsync and close; throws TFileError

    std::string shownPath_;   // as the caller named it, for messages
    std::string targetPath_;  // what the rename replaces: links followed
    std::string tempPath_;
    int fd_;
    std::string buffer_;
    std::string encoded_;
    TTextEncoding encoding_ = TTextEncoding::Utf8;
    size_t written_ = 0;
};

class TFileTransaction {
public:
    // Unlocked: for scratch folders of our own (the preview folder), where
    // no second writer takes part and no lock file may be left behind.
    enum class Locking { Folders, None };
    // A null wait gives up after a minute of waiting, in silence: a stalled
    // save never holds another one forever.
    explicit TFileTransaction(Locking locking = Locking::Folders, TLockWait* wait = nullptr);
    ~TFileTransaction();  // without a Commit: every temporary file removed
    TFileTransaction(const TFileTransaction&) = delete;
    TFileTransaction& operator=(const TFileTransaction&) = delete;

    // Locks these folders now, in one fixed order, so that two transactions
    // over the same folders can never wait for each other in a circle. A
    // folder first met in Create or Copy is locked then.
    void LockFolders(std::vector<std::string> folders);

    // A new file that will replace `path`. Refuses (TFileError) a target that
    // is a folder or not a regular file, or that the user may not write; a
    // link is written through, its target created when it dangles.
    TStagedFile& Create(const std::string& path);
    // A copy of `source` (a regular file) that will replace `target`.
    void Copy(const std::string& source, const std::string& target);

    // Makes every staged file its target's content. Throws TFileError: when
    // it fails before the first rename, no target was replaced; a rename that
    // fails after others is left, with the list of renames, for the next
    // transaction in that folder to complete, as after a kill.
    void Commit();
    bool Committed() const { return committed_; }

private:
    struct Folder;
    Folder& LockedFolder(const std::string& folder, const std::string& shownPath);
    void RollBack() noexcept;

    std::vector<std::unique_ptr<Folder>> folders_;
    std::vector<std::unique_ptr<TStagedFile>> files_;
    Locking locking_;
    TLockWait* wait_;
    bool committed_ = false;
};

// Writes one whole file through a transaction of its own.
void WriteFileAtomically(const std::string& path, std::string_view bytes,
                         TFileTransaction::Locking locking = TFileTransaction::Locking::Folders);

// The temporary and journal names this writer uses, for tests and clean-up.
bool IsTransactionLeftover(const std::string& fileName);
extern const char* const kFolderLockName;  // ".trellimenu.lock", where folders cannot be locked

// A seam for tests: lets writes fail as a full disk or a broken disk would,
// and lets a child process end abruptly in the middle of a commit, as a kill
// would. Never set outside tests.
class TFileFaults {
public:
    virtual ~TFileFaults() = default;
    // Before `size` more bytes go to the file; an errno value fails the write.
    virtual int BeforeWrite(const std::string& targetPath, size_t alreadyWritten, size_t size) = 0;
    // Before the k-th rename (0-based) of a commit; an errno value fails it.
    virtual int BeforeRename(int k) = 0;
};
void SetFileFaults(TFileFaults* faults);
