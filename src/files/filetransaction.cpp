#include "files/filetransaction.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <thread>

#include "files/textfile.h"

const char* const kFolderLockName = ".trellimenu.lock";

namespace {

TFileFaults* gFaults = nullptr;

constexpr size_t kFlushSize = size_t{1} << 20;
constexpr const char* kTempPrefix = ".~tm";
constexpr const char* kTempSuffix = ".tmp";
constexpr const char* kJournalSuffix = ".jnl";
constexpr const char* kJournalEnd = "commit";

// The permissions a plain create would give a new file.
mode_t NewFileMode()
{
    static const mode_t mode = [] {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        return static_cast<mode_t>(0666 & ~mask);
    }();
    return mode;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Join(const std::string& folder, const std::string& name)
{
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

bool IsHex(const std::string& text, size_t from, size_t count)
{
    if (from + count > text.size())
        return false;
    return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                       text.begin() + static_cast<std::ptrdiff_t>(from + count),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

bool HasOurShape(const std::string& name, const char* suffix)
{
    const std::string prefix = kTempPrefix;
    const std::string end = suffix;
    return name.size() == prefix.size() + 8 + end.size() && name.compare(0, prefix.size(), prefix) == 0 &&
           IsHex(name, prefix.size(), 8) && name.compare(prefix.size() + 8, end.size(), end) == 0;
}

// "<name>.~<12 hex>.tmp": the temporary files of earlier versions of the editor.
bool IsEarlierTemporary(const std::string& name)
{
    const size_t n = name.size();
    return n > 18 && name.compare(n - 4, 4, ".tmp") == 0 && name.compare(n - 18, 2, ".~") == 0 &&
           IsHex(name, n - 16, 12);
}

std::string RandomName(const char* suffix)
{
    static std::mt19937 generator{std::random_device{}() ^ static_cast<unsigned>(::getpid())};
    char name[32];
    std::snprintf(name, sizeof name, "%s%08x%s", kTempPrefix, static_cast<unsigned>(generator()), suffix);
    return name;
}

// Creates a new file of ours in the folder; its name comes back in `path`.
int CreateUnique(const std::string& folder, const char* suffix, std::string& path)
{
    for (int attempt = 0;; ++attempt) {
        path = Join(folder, RandomName(suffix));
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 || errno != EEXIST || attempt > 100)
            return fd;
    }
}

void WriteAll(int fd, const char* data, size_t size, const std::string& shownPath)
{
    while (size > 0) {
        const ssize_t done = ::write(fd, data, size);
        if (done < 0) {
            if (errno == EINTR)
                continue;
            throw TFileError("Cannot write file", shownPath, ReasonFromErrno(errno));
        }
        data += done;
        size -= static_cast<size_t>(done);
    }
}

// Waits a minute, in silence, for a save that is not ours to finish.
class TMinuteLockWait final : public TLockWait {
public:
    bool KeepWaiting(const std::string&) override { return std::chrono::steady_clock::now() < giveUp_; }

private:
    std::chrono::steady_clock::time_point giveUp_ = std::chrono::steady_clock::now() + std::chrono::seconds(60);
};

enum class TLockOutcome { Locked, Unlockable };

// Polls the lock rather than blocking on it, so the waiter is told while it
// waits and may give up. Throws when it gives up.
TLockOutcome LockExclusive(int fd, const std::string& folder, TLockWait* wait)
{
    using Clock = std::chrono::steady_clock;
    TMinuteLockWait minute;
    TLockWait& waiter = wait ? *wait : minute;
    auto nextCall = Clock::now() + std::chrono::seconds(1);
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR)
            continue;
        if (errno != EWOULDBLOCK)
            return TLockOutcome::Unlockable;
        const auto now = Clock::now();
        if (now >= nextCall) {
            if (!waiter.KeepWaiting(folder))
                throw TFileError(TFileError::WholeMessage{}, folder + " is locked by another save", folder,
                                 "Locked by another save");
            nextCall = now + std::chrono::milliseconds(100);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return TLockOutcome::Locked;
}

void SyncFolder(const std::string& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// What a target path comes to: the file a rename must replace, and the mode
// and owner its replacement takes.
struct TTarget {
    std::string path;
    bool exists = false;
    struct stat info {};
};

TTarget ResolveTarget(const std::string& shownPath)
{
    TTarget target;
    target.path = shownPath;
    for (int hops = 0;; ++hops) {
        if (::lstat(target.path.c_str(), &target.info) != 0) {
            if (errno == ENOENT)
                return target;  // a new file, or the missing target of a dangling link
            throw TFileError("Cannot create file", shownPath, ReasonFromErrno(errno));
        }
        if (!S_ISLNK(target.info.st_mode))
            break;
        if (hops >= 40)
            throw TFileError("Cannot create file", shownPath, ReasonFromErrno(ELOOP));
        char link[PATH_MAX];
        const ssize_t length = ::readlink(target.path.c_str(), link, sizeof link - 1);
        if (length < 0)
            throw TFileError("Cannot create file", shownPath, ReasonFromErrno(errno));
        const std::string points(link, static_cast<size_t>(length));
        target.path = !points.empty() && points[0] == '/' ? points : Join(FolderOf(target.path), points);
    }
    if (S_ISDIR(target.info.st_mode))
        throw TFileError("Cannot create file", shownPath, ReasonFromErrno(EISDIR));
    if (!S_ISREG(target.info.st_mode))
        throw TFileError("Cannot create file", shownPath, kNotRegularFileReason);
    // A rename would replace a file the user may not write; a plain overwrite
    // would be refused, so this is too. A file nobody may write is read-only
    // for every user, the administrator too.
    if (::access(target.path.c_str(), W_OK) != 0)
        throw TFileError("Cannot create file", shownPath, ReasonFromErrno(errno));
    if ((target.info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        throw TFileError("Cannot create file", shownPath, ReasonFromErrno(EACCES));
    target.exists = true;
    return target;
}

// Completes the renames a dead run had recorded in full, or forgets them when
// its list is incomplete; then removes the temporary files left behind.
void RecoverFolder(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return;
    std::vector<std::string> journals, leftovers;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (HasOurShape(name, kJournalSuffix))
            journals.push_back(name);
        else if (HasOurShape(name, kTempSuffix) || IsEarlierTemporary(name))
            leftovers.push_back(name);
    }
    ::closedir(dir);
    if (journals.empty() && leftovers.empty())
        return;
    for (const std::string& journal : journals) {
        const std::string path = Join(folder, journal);
        std::string text;
        try {
            text = ReadWholeFile(path);
        } catch (const TFileError&) {
        }
        std::vector<std::pair<std::string, std::string>> renames;
        bool complete = false;
        size_t at = 0;
        while (at < text.size()) {
            const size_t end = text.find('\n', at);
            if (end == std::string::npos)
                break;
            const std::string line = text.substr(at, end - at);
            at = end + 1;
            if (line == kJournalEnd) {
                complete = true;
                break;
            }
            const size_t tab = line.find('\t');
            if (tab == std::string::npos)
                break;
            renames.emplace_back(line.substr(0, tab), line.substr(tab + 1));
        }
        for (const auto& [temp, target] : renames) {
            const std::string from = Join(folder, temp);
            if (complete && HasOurShape(temp, kTempSuffix) && target.find('/') == std::string::npos &&
                ::access(from.c_str(), F_OK) == 0)
                ::rename(from.c_str(), Join(folder, target).c_str());
        }
        ::unlink(path.c_str());
    }
    for (const std::string& name : leftovers)
        ::unlink(Join(folder, name).c_str());
    SyncFolder(folder);
}

}  // namespace

bool IsTransactionLeftover(const std::string& fileName)
{
    return HasOurShape(fileName, kTempSuffix) || HasOurShape(fileName, kJournalSuffix);
}

void SetFileFaults(TFileFaults* faults)
{
    gFaults = faults;
}

// ---------------------------------------------------------------------------

TStagedFile::TStagedFile(std::string shownPath, std::string targetPath, std::string tempPath, int fd)
    : shownPath_(std::move(shownPath)), targetPath_(std::move(targetPath)), tempPath_(std::move(tempPath)), fd_(fd)
{
}

TStagedFile::~TStagedFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void TStagedFile::WriteBytes(std::string_view bytes)
{
    buffer_.append(bytes.data(), bytes.size());
    if (buffer_.size() >= kFlushSize)
        Flush();
}

void TStagedFile::Write(std::string_view text)
{
    // Callers pick an encoding that holds every character they write; text
    // that is not valid UTF-8 cannot be encoded and goes out as it is.
    if (encoding_ == TTextEncoding::Windows1252 && Utf8ToWindows1252(text, encoded_))
        WriteBytes(encoded_);
    else
        WriteBytes(text);
}

void TStagedFile::WriteLine(std::string_view line)
{
    Write(line);
    WriteBytes("\r\n");
}

void TStagedFile::Flush()
{
    if (buffer_.empty())
        return;
    if (gFaults) {
        if (const int error = gFaults->BeforeWrite(targetPath_, written_, buffer_.size()))
            throw TFileError("Cannot write file", shownPath_, ReasonFromErrno(error));
    }
    WriteAll(fd_, buffer_.data(), buffer_.size(), shownPath_);
    written_ += buffer_.size();
    buffer_.clear();
}

void TStagedFile::Finish()
{
    Flush();
    if (::fsync(fd_) != 0)
        throw TFileError("Cannot write file", shownPath_, ReasonFromErrno(errno));
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        throw TFileError("Cannot write file", shownPath_, ReasonFromErrno(errno));
}

// ---------------------------------------------------------------------------

struct TFileTransaction::Folder {
    std::string path;  // without links
    int lockFd = -1;
    std::string journal;
    ~Folder()
    {
        if (lockFd >= 0)
            ::close(lockFd);  // releases the lock
    }
};

TFileTransaction::TFileTransaction(Locking locking, TLockWait* wait) : locking_(locking), wait_(wait) {}

TFileTransaction::~TFileTransaction()
{
    if (!committed_)
        RollBack();
}

void TFileTransaction::RollBack() noexcept
{
    for (const auto& file : files_) {
        if (file->fd_ >= 0) {
            ::close(file->fd_);
            file->fd_ = -1;
        }
        ::unlink(file->tempPath_.c_str());
    }
    for (const auto& folder : folders_) {
        if (!folder->journal.empty())
            ::unlink(folder->journal.c_str());
    }
    files_.clear();
}

TFileTransaction::Folder& TFileTransaction::LockedFolder(const std::string& folder, const std::string& shownPath)
{
    char resolved[PATH_MAX];
    if (!::realpath(folder.c_str(), resolved))
        throw TFileError("Cannot create file", shownPath, ReasonFromErrno(errno));
    const std::string path = resolved;
    for (const auto& known : folders_) {
        if (known->path == path)
            return *known;
    }
    auto locked = std::make_unique<Folder>();
    locked->path = path;
    if (locking_ == Locking::None) {
        folders_.push_back(std::move(locked));
        return *folders_.back();
    }
    // The folder itself is locked, so nothing is left in a web folder that
    // gets uploaded; where its file system cannot lock a folder (NFS), a
    // lock file there serves instead.
    locked->lockFd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (locked->lockFd < 0 || LockExclusive(locked->lockFd, path, wait_) != TLockOutcome::Locked) {
        if (locked->lockFd >= 0)
            ::close(locked->lockFd);
        const std::string lockPath = Join(path, kFolderLockName);
        locked->lockFd = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, NewFileMode());
        if (locked->lockFd < 0)
            throw TFileError("Cannot create file", lockPath, ReasonFromErrno(errno));
        if (LockExclusive(locked->lockFd, path, wait_) != TLockOutcome::Locked)
            throw TFileError("Cannot lock folder", path, ReasonFromErrno(errno));
    }
    RecoverFolder(path);
    folders_.push_back(std::move(locked));
    return *folders_.back();
}

void TFileTransaction::LockFolders(std::vector<std::string> folders)
{
    std::vector<std::string> resolved;
    for (const std::string& given : folders) {
        // A file name without a folder is in the current one.
        const std::string folder = given.empty() ? "." : given;
        char path[PATH_MAX];
        resolved.push_back(::realpath(folder.c_str(), path) ? std::string(path) : folder);
    }
    std::sort(resolved.begin(), resolved.end());
    resolved.erase(std::unique(resolved.begin(), resolved.end()), resolved.end());
    for (const std::string& folder : resolved)
        LockedFolder(folder, folder);
}

TStagedFile& TFileTransaction::Create(const std::string& path)
{
    const TTarget target = ResolveTarget(path);
    // Names in the folder without links, so the rename list can say which
    // folder each file belongs to.
    const std::string folder = LockedFolder(FolderOf(target.path), path).path;
    const std::string targetPath = Join(folder, NameOf(target.path));
    std::string temp;
    const int fd = CreateUnique(folder, kTempSuffix, temp);
    if (fd < 0)
        throw TFileError("Cannot create file", path, ReasonFromErrno(errno));
    // Created 0600, then given the target's mode: the temporary file is never
    // readable by more people than the file it replaces.
    if (target.exists) {
        ::fchmod(fd, target.info.st_mode & 07777);
        if (target.info.st_uid != ::geteuid() || target.info.st_gid != ::getegid()) {
            if (::fchown(fd, target.info.st_uid, target.info.st_gid) == 0)
                ::fchmod(fd, target.info.st_mode & 07777);  // chown clears set-id bits
        }
    } else {
        ::fchmod(fd, NewFileMode());
    }
    files_.push_back(std::unique_ptr<TStagedFile>(new TStagedFile(path, targetPath, temp, fd)));
    return *files_.back();
}

void TFileTransaction::Copy(const std::string& source, const std::string& target)
{
    const std::string bytes = ReadWholeFile(source);
    Create(target).WriteBytes(bytes);
}

void TFileTransaction::Commit()
{
    if (committed_)
        return;
    try {
        for (const auto& file : files_)
            file->Finish();
        // The list of renames, per folder, durable before the first rename.
        // Only a locked folder has a next run that completes the list.
        for (const auto& folder : folders_) {
            if (locking_ == Locking::None)
                continue;
            std::string text;
            for (const auto& file : files_) {
                if (FolderOf(file->targetPath_) == folder->path)
                    text += NameOf(file->tempPath_) + '\t' + NameOf(file->targetPath_) + '\n';
            }
            if (text.empty())
                continue;
            text += std::string(kJournalEnd) + '\n';
            const int fd = CreateUnique(folder->path, kJournalSuffix, folder->journal);
            if (fd < 0) {
                const int error = errno;
                throw TFileError("Cannot create file", folder->path, ReasonFromErrno(error));
            }
            try {
                WriteAll(fd, text.data(), text.size(), folder->journal);
            } catch (...) {
                ::close(fd);
                throw;
            }
            const int error = ::fsync(fd) == 0 ? 0 : errno;
            ::close(fd);
            if (error != 0)
                throw TFileError("Cannot write file", folder->journal, ReasonFromErrno(error));
            SyncFolder(folder->path);
        }
    } catch (...) {
        RollBack();
        throw;
    }
    std::optional<TFileError> failure;
    for (size_t i = 0; i < files_.size(); ++i) {
        TStagedFile& file = *files_[i];
        const int injected = gFaults ? gFaults->BeforeRename(static_cast<int>(i)) : 0;
        if (injected == 0 && ::rename(file.tempPath_.c_str(), file.targetPath_.c_str()) == 0)
            continue;
        const int error = injected != 0 ? injected : errno;
        if (i == 0) {
            // Nothing replaced yet: the old set stands whole.
            TFileError nothingReplaced("Cannot write file", file.shownPath_, ReasonFromErrno(error));
            RollBack();
            committed_ = true;
            throw nothingReplaced;
        }
        // Some targets are new already: the rest are renamed as far as they
        // can be, and what failed stays listed for the next run to finish.
        if (!failure)
            failure.emplace("Cannot write file", file.shownPath_, ReasonFromErrno(error));
    }
    for (const auto& folder : folders_) {
        SyncFolder(folder->path);
        if (!folder->journal.empty() && !failure)
            ::unlink(folder->journal.c_str());
    }
    committed_ = true;
    if (failure)
        throw *failure;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes, TFileTransaction::Locking locking)
{
    TFileTransaction transaction(locking);
    transaction.Create(path).WriteBytes(bytes);
    transaction.Commit();
}
