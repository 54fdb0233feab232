#pragma once
// All-or-nothing writing of a set of files. Every file is first written in
// full to a temporary file beside its target (created with the target's mode
// and owner, never through a link) and flushed to the disk; only when all of
// them are complete are they renamed over their targets, in a fixed order,
// and the folders synced. A target whose bytes would not change is left as
// it is. A failure at any point, a failed rename among the others too, puts
// every old file back before it is reported.
//
// Each folder written to is locked (flock on the folder, or on a
// ".trellimenu.lock" file there, removed again, where the folder cannot be
// locked) from the first file staged in it until the transaction ends. A
// list of the renames, with what each one replaces, is made durable before
// the first one, so a run killed among its renames is completed by the next
// run that locks the folder, or by a reader of a project there; the list is
// dropped when its files have changed since. Only the user's own lists and
// temporary files are ever touched.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "files/savefilesystem.h"
#include "files/textfile.h"
#include "model/textencoding.h"

// The order of the renames, which keeps an interrupted set working as well as
// it can: what the page loads first, the page after, the project file last,
// so that a new project file means a finished save.
enum class TRenameOrder { Copied, Made, Page, Project };

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
    TStagedFile(std::string shownPath, std::string targetPath, std::string tempPath, TSystemHandle handle,
                const TEntryInfo& replaced, TRenameOrder order);
    void Flush();
    void Close(bool sync);  // throws TFileError
    bool SameBytesAsTarget();  // also notes what the target is now

    std::string shownPath_;   // as the caller named it, for messages
    std::string targetPath_;  // what the rename replaces: links followed
    std::string tempPath_;
    TSystemHandle handle_;
    TEntryInfo replaced_;  // the target as it was when staged
    TRenameOrder order_;
    std::string buffer_;
    std::string encoded_;
    TTextEncoding encoding_ = TTextEncoding::Utf8;
    size_t written_ = 0;
    bool unchanged_ = false;
    TFileIdentity staged_;  // the temporary file once complete
    std::string keepPath_;  // the replaced file, kept until the end
    bool keptByMove_ = false;
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
    // is a folder or not a regular file, or that the user may not write. A
    // link is written through only when it is the user's own and leads to a
    // file (the rule of the kernel's protected links, in every folder).
    TStagedFile& Create(const std::string& path, TRenameOrder order = TRenameOrder::Made);
    // A copy of `source` (a regular file) that will replace `target`.
    void Copy(const std::string& source, const std::string& target, TRenameOrder order = TRenameOrder::Copied);
    // Moves a file already staged (by the path it was created with).
    void SetRenameOrder(const std::string& path, TRenameOrder order);

    // Makes every staged file its target's content. Throws TFileError; then
    // every target is as it was, unless the message says that putting them
    // back failed too (the next run in the folder then completes the set).
    void Commit();
    bool Committed() const { return committed_; }
    // What the transaction found and left alone or dropped in its folders,
    // one sentence each, for the user.
    const std::vector<std::string>& Warnings() const { return warnings_; }

private:
    struct Folder;
    Folder& LockedFolder(const std::string& folder, const std::string& shownPath);
    void WriteJournals();
    int Rename(TStagedFile& file, int k);
    bool Undo(size_t renamed) noexcept;
    [[noreturn]] void FailAfterRenames(const TFileError& failure, size_t renamed);
    void RollBack() noexcept;

    std::vector<std::unique_ptr<Folder>> folders_;
    std::vector<std::unique_ptr<TStagedFile>> files_;
    std::vector<TStagedFile*> renames_;  // the changed files, in rename order
    std::vector<std::string> warnings_;
    Locking locking_;
    TLockWait* wait_;
    bool committed_ = false;
};

// Completes or drops what a killed save left in the folder of `path` (a
// project about to be read), as the next save there would; a folder the user
// may not write, or one a save holds now, is left alone. Returns the warnings.
std::vector<std::string> FinishInterruptedSavesBeside(const std::string& path);

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
    // Before a file or folder (`path` as messages name it) is synced to the
    // disk, or a file closed; an errno value fails the call.
    virtual int BeforeSync(const std::string& /*path*/) { return 0; }
    virtual int BeforeClose(const std::string& /*path*/) { return 0; }
};
void SetFileFaults(TFileFaults* faults);
