#include "files/filetransaction.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
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
constexpr const char* kJournalStart = "trellimenu-save";
constexpr const char* kJournalEnd = "commit";
// In a folder the user may not list, names are numbered from 0 instead of
// random, so the next run finds what a killed one left by trying them.
constexpr unsigned kNumberedNames = 256;
const char* const kLinkToNothingReason = "It is a link to a file that does not exist";
const char* const kOthersLinkReason = "It is a link that belongs to another user";

TSaveFileSystem& System()
{
    return SystemSaveFileSystem();
}

#if defined(_WIN32)
const char* const kSeparators = "/\\";
#else
const char* const kSeparators = "/";
#endif

bool IsAbsolute(const std::string& path)
{
#if defined(_WIN32)
    if (path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/'))
        return true;
#endif
    return !path.empty() && std::strchr(kSeparators, path[0]) != nullptr;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of(kSeparators);
    if (slash == std::string::npos)
        return ".";
    // A root keeps its separator: "/", and "C:\\" on Windows.
#if defined(_WIN32)
    const bool root = slash == 0 || (slash == 2 && path[1] == ':');
#else
    const bool root = slash == 0;
#endif
    return root ? path.substr(0, slash + 1) : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const size_t slash = path.find_last_of(kSeparators);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Join(const std::string& folder, const std::string& name)
{
    return folder.empty() || std::strchr(kSeparators, folder.back()) ? folder + name : folder + "/" + name;
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

std::string OurName(unsigned number, const char* suffix)
{
    char name[32];
    std::snprintf(name, sizeof name, "%s%08x%s", kTempPrefix, number, suffix);
    return name;
}

std::string RandomName(const char* suffix)
{
    static std::mt19937 generator{std::random_device{}() ^
                                  static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count())};
    return OurName(static_cast<unsigned>(generator()), suffix);
}

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

int Injected(int (TFileFaults::*hook)(const std::string&), const std::string& path)
{
    return gFaults ? (gFaults->*hook)(path) : 0;
}

// Syncs a folder; a failure, injected or real, fails the save.
void SyncFolderOrThrow(const std::string& folder)
{
    int error = Injected(&TFileFaults::BeforeSync, folder);
    if (error == 0)
        error = System().SyncFolder(folder);
    if (error != 0)
        throw TFileError("Cannot write folder", folder, ReasonFromErrno(error));
}

// "dev:ino:size:mtime", or "-" for no file.
std::string IdentityText(const TFileIdentity& id)
{
    if (!id.exists)
        return "-";
    return std::to_string(id.device) + ':' + std::to_string(id.inode) + ':' + std::to_string(id.size) + ':' +
           std::to_string(id.modifiedNs);
}

std::optional<TFileIdentity> IdentityFromText(const std::string& text)
{
    TFileIdentity id;
    if (text == "-")
        return id;
    unsigned long long device, inode, size;
    long long modified;
    char end;
    if (std::sscanf(text.c_str(), "%llu:%llu:%llu:%lld%c", &device, &inode, &size, &modified, &end) != 4)
        return std::nullopt;
    id = {true, device, inode, size, modified};
    return id;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t at = 0;
    for (size_t end; (end = text.find(separator, at)) != std::string::npos; at = end + 1)
        parts.push_back(text.substr(at, end - at));
    parts.push_back(text.substr(at));
    return parts;
}

// One rename of a list: the temporary file, the name the replaced file is
// kept under meanwhile, the target, and the target before and after.
struct TJournalEntry {
    std::string temp, keep, target;
    TFileIdentity before, after;
};

struct TJournal {
    long long startedAt = 0;
    std::vector<TJournalEntry> entries;
    bool complete = false;
};

std::string JournalText(const std::vector<TJournalEntry>& entries)
{
    std::string text = std::string(kJournalStart) + '\t' + std::to_string(std::time(nullptr)) + '\n';
    for (const TJournalEntry& e : entries)
        text += e.temp + '\t' + e.keep + '\t' + e.target + '\t' + IdentityText(e.before) + '\t' +
                IdentityText(e.after) + '\n';
    return text + kJournalEnd + '\n';
}

// A list as written; nullopt for one that is not a list of ours. Every name
// in it must be a bare name in its folder, the temporary ones of our pattern.
std::optional<TJournal> ParseJournal(const std::string& text)
{
    TJournal journal;
    std::vector<std::string> lines = Split(text, '\n');
    if (lines.empty())
        return std::nullopt;
    const std::vector<std::string> start = Split(lines[0], '\t');
    if (start.size() != 2 || start[0] != kJournalStart || start[1].empty() ||
        start[1].find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    journal.startedAt = std::stoll(start[1].substr(0, 15));
    for (size_t i = 1; i < lines.size(); ++i) {
        if (lines[i] == kJournalEnd) {
            journal.complete = i + 2 == lines.size() && lines.back().empty();
            break;
        }
        const std::vector<std::string> f = Split(lines[i], '\t');
        if (f.size() != 5)
            return journal;  // cut short by a kill while it was written
        const auto before = IdentityFromText(f[3]), after = IdentityFromText(f[4]);
        const bool plainTarget = !f[2].empty() && f[2] != "." && f[2] != ".." &&
                                 f[2].find('/') == std::string::npos && !HasOurShape(f[2], kTempSuffix) &&
                                 !HasOurShape(f[2], kJournalSuffix);
        if (!HasOurShape(f[0], kTempSuffix) || !HasOurShape(f[1], kTempSuffix) || !plainTarget || !before ||
            !after || !after->exists)
            return std::nullopt;
        journal.entries.push_back({f[0], f[1], f[2], *before, *after});
    }
    return journal;
}

std::string LocalTime(long long seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    char text[32] = "";
    if (const std::tm* parts = std::localtime(&time))
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", parts);
    return text;
}

// A killed run's list, read back under the folder's lock: its renames are
// completed when every file is still what the list says and some were done
// (the set is a mix), else it is dropped. A run that failed before its first
// rename and could not remove its list (a disk remounted read-only) is thus
// never applied later: its old set is whole.
class TJournalRecovery {
public:
    TJournalRecovery(const std::string& folder, std::vector<std::string>& warnings)
        : folder_(folder), warnings_(warnings)
    {
    }

    void Recover(const std::string& name)
    {
        foreign_ = still_ = anyDone_ = false;
        const std::string path = Join(folder_, name);
        std::string text;
        TEntryInfo info;
        const int error = System().ReadOwnFile(path, text, info);
        if (error == ENOENT)
            return;
        if (error != 0) {
            LeftAlone(path);
            return;
        }
        const std::optional<TJournal> journal = ParseJournal(text);
        if (!journal) {
            warnings_.push_back(Quoted(path) + " is no list of renames this program can finish: it was removed");
        } else if (journal->complete && StillAsListed(*journal) && anyDone_) {
            for (const TJournalEntry& e : journal->entries) {
                TEntryInfo temp;
                if (System().Inspect(Join(folder_, e.temp), temp) == 0 && temp.kind == TEntryInfo::Kind::File)
                    System().Replace(Join(folder_, e.temp), Join(folder_, e.target));
            }
            System().SyncFolder(folder_);
        } else if (journal->complete && !foreign_ && !still_) {
            warnings_.push_back(folder_ + ": An unfinished save from " + LocalTime(journal->startedAt) +
                                " was dropped: its files have changed since");
        }
        // An incomplete list was cut short before its first rename: its
        // temporary files go with the other leftovers.
        System().Remove(path);
    }

private:
    void LeftAlone(const std::string& path)
    {
        warnings_.push_back(Quoted(path) + " is not a file of this user's: it was left alone");
    }

    // Each rename is either still to do (its temporary file there, its
    // target the file it replaces) or done (the target is the new file).
    bool StillAsListed(const TJournal& journal)
    {
        bool still = true;
        for (const TJournalEntry& e : journal.entries) {
            TEntryInfo temp, target, keep;
            const int tempError = System().Inspect(Join(folder_, e.temp), temp);
            System().Inspect(Join(folder_, e.target), target);
            System().Inspect(Join(folder_, e.keep), keep);
            if (tempError != 0 || (temp.kind != TEntryInfo::Kind::Missing &&
                                   (temp.kind != TEntryInfo::Kind::File || !temp.ownedByUser))) {
                LeftAlone(Join(folder_, e.temp));
                foreign_ = true;
                still = false;
                continue;
            }
            const bool targetIsFile = target.kind == TEntryInfo::Kind::File || target.kind == TEntryInfo::Kind::Missing;
            const bool keptAside = target.kind == TEntryInfo::Kind::Missing && keep.kind == TEntryInfo::Kind::File &&
                                   keep.identity == e.before;
            const bool toDo = temp.identity == e.after && (target.identity == e.before || keptAside);
            const bool done = temp.kind == TEntryInfo::Kind::Missing && target.identity == e.after;
            still = still && targetIsFile && (toDo || done);
            anyDone_ = anyDone_ || done;
        }
        still_ = still;
        return still;
    }

    std::string folder_;
    std::vector<std::string>& warnings_;
    bool foreign_ = false;
    bool still_ = false;
    bool anyDone_ = false;
};

// Completes or drops the lists dead runs left in a folder this run has
// locked, then removes the temporary files of the user's that they left.
// Returns false when the folder cannot be listed (its names are numbered).
bool RecoverFolder(const std::string& folder, std::vector<std::string>& warnings)
{
    std::vector<std::string> names;
    const bool listable = System().List(folder, names) == 0;
    if (!listable) {
        names.push_back(OurName(0, kJournalSuffix));
        for (unsigned i = 0; i < kNumberedNames; ++i)
            names.push_back(OurName(i, kTempSuffix));
    }
    TJournalRecovery recovery(folder, warnings);
    bool removed = false;
    for (const std::string& name : names) {
        if (HasOurShape(name, kJournalSuffix)) {
            recovery.Recover(name);
            removed = true;
        }
    }
    for (const std::string& name : names) {
        if (!HasOurShape(name, kTempSuffix) && !IsEarlierTemporary(name))
            continue;
        const std::string path = Join(folder, name);
        TEntryInfo info;
        if (System().Inspect(path, info) == 0 && info.kind == TEntryInfo::Kind::File && info.ownedByUser)
            removed = System().Remove(path) == 0 || removed;
    }
    if (removed && listable)
        System().SyncFolder(folder);
    return listable;
}

// Waits a minute, in silence, for a save that is not ours to finish.
class TMinuteLockWait final : public TLockWait {
public:
    bool KeepWaiting(const std::string&) override { return std::chrono::steady_clock::now() < giveUp_; }

private:
    std::chrono::steady_clock::time_point giveUp_ = std::chrono::steady_clock::now() + std::chrono::seconds(60);
};

// Polls the lock rather than blocking on it, so the waiter is told while it
// waits and may give up. Throws when it gives up.
void LockFolder(const std::string& folder, TFolderLock& lock, TLockWait* wait)
{
    using Clock = std::chrono::steady_clock;
    TMinuteLockWait minute;
    TLockWait& waiter = wait ? *wait : minute;
    auto nextCall = Clock::now() + std::chrono::seconds(1);
    for (;;) {
        const int error = System().TryLockFolder(folder, lock);
        if (error == 0)
            return;
        if (error != EWOULDBLOCK)
            throw TFileError("Cannot lock folder", folder, ReasonFromErrno(error));
        const auto now = Clock::now();
        if (now >= nextCall) {
            if (!waiter.KeepWaiting(folder))
                throw TFileError(TFileError::WholeMessage{}, folder + " is locked by another save", folder,
                                 "Locked by another save");
            nextCall = now + std::chrono::milliseconds(100);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// What a target path comes to: the file a rename must replace, and what it
// is now (its mode and owner go to its replacement).
struct TTarget {
    std::string path;
    TEntryInfo info;
};

TTarget ResolveTarget(const std::string& shownPath)
{
    const auto refuse = [&](const std::string& path, const std::string& reason) {
        return TFileError("Cannot create file", path, reason);
    };
    TTarget target;
    target.path = shownPath;
    std::string link;  // the last link followed
    for (int hops = 0;; ++hops) {
        if (const int error = System().Inspect(target.path, target.info))
            throw refuse(shownPath, ReasonFromErrno(error));
        if (target.info.kind == TEntryInfo::Kind::Missing) {
            if (!link.empty())
                throw refuse(link, kLinkToNothingReason);
            return target;  // a new file
        }
        if (target.info.kind != TEntryInfo::Kind::Link)
            break;
        // Another user's link in a folder the user can write is how files
        // outside it are turned against the user.
        if (!target.info.ownedByUser)
            throw refuse(target.path, kOthersLinkReason);
        if (hops >= 40)
            throw refuse(shownPath, ReasonFromErrno(ELOOP));
        std::string points;
        if (const int error = System().ReadLink(target.path, points))
            throw refuse(shownPath, ReasonFromErrno(error));
        link = target.path;
        target.path = IsAbsolute(points) ? points : Join(FolderOf(target.path), points);
    }
    if (target.info.kind == TEntryInfo::Kind::Folder)
        throw refuse(shownPath, ReasonFromErrno(EISDIR));
    if (target.info.kind != TEntryInfo::Kind::File)
        throw refuse(shownPath, kNotRegularFileReason);
    // A rename would replace a file the user may not write; a plain overwrite
    // would be refused, so this is too. A file nobody may write is read-only
    // for every user, the administrator too.
    if (const int error = System().CheckWritable(target.path))
        throw refuse(shownPath, ReasonFromErrno(error));
    if (target.info.writableByNobody)
        throw refuse(shownPath, ReasonFromErrno(EACCES));
    return target;
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

std::vector<std::string> FinishInterruptedSavesBeside(const std::string& path)
{
    std::vector<std::string> warnings;
    std::string resolved;
    if (System().ResolveFolder(FolderOf(path), resolved) != 0 || System().CheckWritable(resolved) != 0)
        return warnings;
    TFolderLock lock;
    if (System().TryLockFolder(resolved, lock) != 0)
        return warnings;  // a save there now finishes its own work
    RecoverFolder(resolved, warnings);
    System().UnlockFolder(lock);
    return warnings;
}

// ---------------------------------------------------------------------------

TStagedFile::TStagedFile(std::string shownPath, std::string targetPath, std::string tempPath, TSystemHandle handle,
                         const TEntryInfo& replaced, TRenameOrder order)
    : shownPath_(std::move(shownPath)),
      targetPath_(std::move(targetPath)),
      tempPath_(std::move(tempPath)),
      handle_(handle),
      replaced_(replaced),
      order_(order)
{
}

TStagedFile::~TStagedFile()
{
    if (handle_ != kNoHandle)
        System().Close(handle_);
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
    int error = gFaults ? gFaults->BeforeWrite(targetPath_, written_, buffer_.size()) : 0;
    if (error == 0)
        error = System().Write(handle_, buffer_.data(), buffer_.size());
    if (error != 0)
        throw TFileError("Cannot write file", shownPath_, ReasonFromErrno(error));
    written_ += buffer_.size();
    buffer_.clear();
}

void TStagedFile::Close(bool sync)
{
    int error = sync ? Injected(&TFileFaults::BeforeSync, shownPath_) : 0;
    if (error == 0 && sync)
        error = System().Flush(handle_);
    if (error != 0)
        throw TFileError("Cannot write file", shownPath_, ReasonFromErrno(error));
    const TSystemHandle handle = handle_;
    handle_ = kNoHandle;
    error = Injected(&TFileFaults::BeforeClose, shownPath_);
    const int closeError = System().Close(handle);
    if (error == 0)
        error = closeError;
    if (error != 0)
        throw TFileError("Cannot write file", shownPath_, ReasonFromErrno(error));
}

bool TStagedFile::SameBytesAsTarget()
{
    // What the rename list records is the target as it is now, under the lock.
    TEntryInfo now;
    if (System().Inspect(targetPath_, now) == 0)
        replaced_ = now;
    if (replaced_.kind != TEntryInfo::Kind::File || replaced_.identity.size != written_)
        return false;
    try {
        return ReadWholeFile(targetPath_) == ReadWholeFile(tempPath_);
    } catch (const TFileError&) {
        return false;  // a target the user may not read is replaced
    }
}

// ---------------------------------------------------------------------------

struct TFileTransaction::Folder {
    std::string path;  // without links
    TFolderLock lock;
    bool listable = true;
    unsigned nextNumber = 0;  // of the numbered names, where it is not
    std::string journal;
    ~Folder() { System().UnlockFolder(lock); }

    // A name of ours that is free now.
    std::string FreeName(const char* suffix)
    {
        for (int attempt = 0; attempt < 100 && nextNumber < kNumberedNames; ++attempt) {
            const std::string name = Join(path, listable ? RandomName(suffix) : OurName(nextNumber++, suffix));
            TEntryInfo info;
            if (System().Inspect(name, info) == 0 && info.kind == TEntryInfo::Kind::Missing)
                return name;
        }
        throw TFileError("Cannot create file", path, ReasonFromErrno(EEXIST));
    }

    // A new file of ours beside the targets.
    TSystemHandle Stage(const TEntryInfo& replaced, const std::string& shownPath, std::string& stagedPath)
    {
        for (;;) {
            stagedPath = FreeName(kTempSuffix);
            TSystemHandle handle = kNoHandle;
            const int error = System().StageBeside(stagedPath, replaced, handle);
            if (error == 0)
                return handle;
            if (error != EEXIST)
                throw TFileError("Cannot create file", shownPath, ReasonFromErrno(error));
        }
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
        if (file->handle_ != kNoHandle) {
            System().Close(file->handle_);
            file->handle_ = kNoHandle;
        }
        System().Remove(file->tempPath_);
    }
    for (const auto& folder : folders_) {
        if (!folder->journal.empty())
            System().Remove(folder->journal);
        folder->journal.clear();
    }
    files_.clear();
    renames_.clear();
}

TFileTransaction::Folder& TFileTransaction::LockedFolder(const std::string& folder, const std::string& shownPath)
{
    std::string path;
    if (const int error = System().ResolveFolder(folder, path))
        throw TFileError("Cannot create file", shownPath, ReasonFromErrno(error));
    for (const auto& known : folders_) {
        if (known->path == path)
            return *known;
    }
    auto locked = std::make_unique<Folder>();
    locked->path = path;
    if (locking_ == Locking::Folders) {
        LockFolder(path, locked->lock, wait_);
        locked->listable = RecoverFolder(path, warnings_);
    } else {
        std::vector<std::string> names;
        locked->listable = System().List(path, names) == 0;
    }
    folders_.push_back(std::move(locked));
    return *folders_.back();
}

void TFileTransaction::LockFolders(std::vector<std::string> folders)
{
    std::vector<std::string> resolved;
    for (const std::string& given : folders) {
        // A file name without a folder is in the current one.
        const std::string folder = given.empty() ? "." : given;
        std::string path;
        resolved.push_back(System().ResolveFolder(folder, path) == 0 ? path : folder);
    }
    std::sort(resolved.begin(), resolved.end());
    resolved.erase(std::unique(resolved.begin(), resolved.end()), resolved.end());
    for (const std::string& folder : resolved)
        LockedFolder(folder, folder);
}

TStagedFile& TFileTransaction::Create(const std::string& path, TRenameOrder order)
{
    const TTarget target = ResolveTarget(path);
    // Names in the folder without links, so the rename list can say which
    // folder each file belongs to.
    Folder& folder = LockedFolder(FolderOf(target.path), path);
    const std::string targetPath = Join(folder.path, NameOf(target.path));
    std::string temp;
    const TSystemHandle handle = folder.Stage(target.info, path, temp);
    files_.push_back(std::unique_ptr<TStagedFile>(new TStagedFile(path, targetPath, temp, handle, target.info, order)));
    return *files_.back();
}

void TFileTransaction::Copy(const std::string& source, const std::string& target, TRenameOrder order)
{
    const std::string bytes = ReadWholeFile(source);
    Create(target, order).WriteBytes(bytes);
}

void TFileTransaction::SetRenameOrder(const std::string& path, TRenameOrder order)
{
    for (const auto& file : files_) {
        if (file->shownPath_ == path)
            file->order_ = order;
    }
}

// The list of renames, per folder, durable before the first rename. Only a
// locked folder has a next run that completes the list.
void TFileTransaction::WriteJournals()
{
    for (const auto& folder : folders_) {
        std::vector<TJournalEntry> entries;
        for (TStagedFile* file : renames_) {
            if (FolderOf(file->targetPath_) != folder->path)
                continue;
            if (file->replaced_.kind == TEntryInfo::Kind::File)
                file->keepPath_ = folder->FreeName(kTempSuffix);
            entries.push_back({NameOf(file->tempPath_), NameOf(file->keepPath_.empty() ? file->tempPath_ : file->keepPath_),
                               NameOf(file->targetPath_), file->replaced_.identity, file->staged_});
        }
        if (entries.empty() || locking_ == Locking::None)
            continue;
        const std::string text = JournalText(entries);
        folder->journal = folder->listable ? folder->FreeName(kJournalSuffix) : Join(folder->path, OurName(0, kJournalSuffix));
        TSystemHandle handle = kNoHandle;
        if (const int error = System().StageBeside(folder->journal, {}, handle)) {
            folder->journal.clear();
            throw TFileError("Cannot create file", folder->path, ReasonFromErrno(error));
        }
        TStagedFile journal(folder->journal, folder->journal, folder->journal, handle, {}, TRenameOrder::Made);
        journal.WriteBytes(text);
        journal.Flush();
        journal.Close(true);
        SyncFolderOrThrow(folder->path);
    }
}

// 0 or the errno value that failed the k-th rename.
int TFileTransaction::Rename(TStagedFile& file, int k)
{
    int error = gFaults ? gFaults->BeforeRename(k) : 0;
    if (error == 0 && !file.keepPath_.empty()) {
        error = System().KeepAside(file.targetPath_, file.keepPath_, file.keptByMove_);
        if (error != 0)
            file.keepPath_.clear();  // nothing kept: nothing to put back
    }
    if (error == 0)
        error = System().Replace(file.tempPath_, file.targetPath_);
    if (error != 0 && !file.keepPath_.empty()) {
        // This rename is undone here: the earlier ones by Undo.
        if (file.keptByMove_)
            System().Replace(file.keepPath_, file.targetPath_);
        else
            System().Remove(file.keepPath_);
        file.keepPath_.clear();
    }
    return error;
}

// Puts back the files the first `renamed` renames replaced, newest first.
bool TFileTransaction::Undo(size_t renamed) noexcept
{
    bool whole = true;
    for (size_t i = renamed; i-- > 0;) {
        const TStagedFile& file = *renames_[i];
        whole = (file.keepPath_.empty() ? System().Remove(file.targetPath_)
                                        : System().Replace(file.keepPath_, file.targetPath_)) == 0 &&
                whole;
    }
    for (const auto& folder : folders_)
        System().SyncFolder(folder->path);
    return whole;
}

void TFileTransaction::FailAfterRenames(const TFileError& failure, size_t renamed)
{
    committed_ = true;
    std::string reason = failure.Reason();
    if (renamed == 0 || Undo(renamed)) {
        if (renamed > 0)
            reason += ". Every file was put back as it was before the save";
        RollBack();
    } else {
        // What stays is the list with its files: the next run in the folder
        // completes it, as after a kill.
        reason += ". Some files could not be put back; the next save into the folder completes the set";
        files_.clear();
    }
    const std::string& message = failure.what();
    throw TFileError(message.substr(0, message.find(" \"")), failure.Path(), reason);
}

void TFileTransaction::Commit()
{
    if (committed_)
        return;
    try {
        for (const auto& file : files_)
            file->Flush();
        for (const auto& file : files_) {
            file->unchanged_ = file->SameBytesAsTarget();
            file->Close(!file->unchanged_);
            if (file->unchanged_) {
                System().Remove(file->tempPath_);
                continue;
            }
            TEntryInfo staged;
            if (const int error = System().Inspect(file->tempPath_, staged))
                throw TFileError("Cannot write file", file->shownPath_, ReasonFromErrno(error));
            file->staged_ = staged.identity;
            renames_.push_back(file.get());
        }
        std::stable_sort(renames_.begin(), renames_.end(),
                         [](const TStagedFile* a, const TStagedFile* b) { return a->order_ < b->order_; });
        WriteJournals();
    } catch (...) {
        RollBack();
        throw;
    }
    for (size_t k = 0; k < renames_.size(); ++k) {
        if (const int error = Rename(*renames_[k], static_cast<int>(k)))
            FailAfterRenames(TFileError("Cannot write file", renames_[k]->shownPath_, ReasonFromErrno(error)), k);
    }
    for (const auto& folder : folders_) {
        if (renames_.empty())
            break;
        // Renames that may not last are no save: the old set is put back.
        try {
            SyncFolderOrThrow(folder->path);
        } catch (const TFileError& failure) {
            FailAfterRenames(failure, renames_.size());
        }
    }
    for (TStagedFile* file : renames_) {
        if (!file->keepPath_.empty())
            System().Remove(file->keepPath_);
    }
    for (const auto& folder : folders_) {
        if (!folder->journal.empty())
            System().Remove(folder->journal);
    }
    committed_ = true;
}

void WriteFileAtomically(const std::string& path, std::string_view bytes, TFileTransaction::Locking locking)
{
    TFileTransaction transaction(locking);
    transaction.Create(path).WriteBytes(bytes);
    transaction.Commit();
}
