// All-or-nothing writing: what a set of files looks like after a full disk,
// a kill in the middle of a commit, a second writer, a read-only file or a
// target that is no file.
#include <gtest/gtest.h>

// These cases kill forked children mid-save, set POSIX modes and owners and
// hold flock locks; none of that exists on Windows, where
// test_files_windows.cpp covers the same rules with the system's own means.
#if !defined(_WIN32)

#include <fcntl.h>
#include <grp.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/resource.h>

#include <cerrno>
#include <chrono>
#include <functional>
#include <csignal>
#include <iostream>
#include <random>
#include <thread>
#include <tuple>
#include <utility>

#include "files/fileidentity.h"
#include "files/filetransaction.h"
#include "files/projectfile.h"
#include "files/textfile.h"
#include "test_files_support.h"

namespace fs = std::filesystem;

namespace {

using testfiles::ReadBytes;

// Fails the write that would take one file past `limit` bytes, as a full disk
// does, or ends the process before the k-th rename, as a kill would.
class TInjectedFaults final : public TFileFaults {
public:
    int BeforeWrite(const std::string& target, size_t alreadyWritten, size_t size) override
    {
        if (!failTarget.empty() && target.find(failTarget) == std::string::npos)
            return 0;
        return alreadyWritten + size > limit ? ENOSPC : 0;
    }
    int BeforeRename(int k) override
    {
        if (k == exitAtRename)
            _exit(0);
        return k == failRename ? std::exchange(failRename, -1), EIO : 0;
    }
    size_t limit = static_cast<size_t>(-1);
    std::string failTarget;
    int exitAtRename = -1;
    int failRename = -1;  // once
};

class ScopedFaults {
public:
    explicit ScopedFaults(TFileFaults& faults) { SetFileFaults(&faults); }
    ~ScopedFaults() { SetFileFaults(nullptr); }
};

class TransactionTest : public testfiles::ScratchFolderTest {
protected:
    // The published set of one run: every file says which run wrote it.
    void WriteSet(const std::string& run, const std::vector<std::string>& names)
    {
        WriteSetIn(folder_, run, names);
    }
    static void WriteSetIn(const fs::path& folder, const std::string& run, const std::vector<std::string>& names)
    {
        TFileTransaction files;
        for (const std::string& name : names)
            files.Create((folder / name).string()).WriteLine(run + " " + name + std::string(100000, 'x'));
        files.Commit();
    }
    bool SetIsFrom(const std::string& run, const std::vector<std::string>& names)
    {
        for (const std::string& name : names) {
            if (ReadBytes(PathOf(name)).rfind(run + " " + name, 0) != 0)
                return false;
        }
        return true;
    }
    // A run of the set that is killed before its k-th rename.
    void KillAtRename(const std::string& run, int k)
    {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            TInjectedFaults faults;
            faults.exitAtRename = k;
            SetFileFaults(&faults);
            WriteSet(run, set_);
            _exit(0);
        }
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
    }
    mode_t ModeOf(const std::string& path) const
    {
        struct stat info;
        return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
    }

    const std::vector<std::string> set_ = {"menu.html", "tmzcfg.js", "tmzmo.js", "menu.tmz", "menu_PublishReport.txt"};
};

}  // namespace

TEST_F(TransactionTest, NothingChangesBeforeTheCommitAndNothingIsLeftAfterIt)
{
    const std::string path = Put("out.txt", "old contents");
    {
        TFileTransaction files;
        TStagedFile& file = files.Create(path);
        file.WriteLine("first");
        file.Write("raw");
        file.WriteLine("");
        EXPECT_EQ(ReadBytes(path), "old contents");
        files.Commit();
    }
    EXPECT_EQ(ReadBytes(path), "first\r\nraw\r\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"out.txt"});
    {
        TFileTransaction files;
        files.Create(path).WriteLine("never committed");
    }
    EXPECT_EQ(ReadBytes(path), "first\r\nraw\r\n");
    EXPECT_EQ(Names(), std::vector<std::string>{"out.txt"});
}

TEST_F(TransactionTest, AFullDiskAtAnyFileLeavesEveryOldFileAsItWas)
{
    WriteSet("old", set_);
    for (const std::string& failing : set_) {
        TInjectedFaults faults;
        faults.failTarget = failing;
        faults.limit = 61440;
        ScopedFaults scoped(faults);
        try {
            WriteSet("new", set_);
            FAIL() << "no error";
        } catch (const TFileError& e) {
            EXPECT_EQ(e.Path(), PathOf(failing));
            EXPECT_EQ(e.Reason(), "Disk full");
        }
        EXPECT_TRUE(SetIsFrom("old", set_)) << failing;
        EXPECT_EQ(Names().size(), set_.size()) << "no temporary file left";
    }
}

TEST_F(TransactionTest, ARunKilledAmongItsRenamesIsCompletedByTheNextRun)
{
    WriteSet("old", set_);
    for (int k = 0; k <= static_cast<int>(set_.size()); ++k) {
        KillAtRename("new" + std::to_string(k), k);
        // The next writer in this folder finds the dead run's list of renames
        // and finishes them before it does anything else; a run killed before
        // its first rename left the old set whole, and that stays.
        TFileTransaction next;
        next.LockFolders({folder_.string()});
        EXPECT_TRUE(SetIsFrom(k == 0 ? "old" : "new" + std::to_string(k), set_)) << "killed before rename " << k;
        EXPECT_EQ(Names().size(), set_.size()) << "killed before rename " << k;
    }
}

TEST_F(TransactionTest, ARenameThatFailsPutsTheOldSetBackBeforeItIsReported)
{
    WriteSet("old", set_);
    for (int k = 0; k < static_cast<int>(set_.size()); ++k) {
        TInjectedFaults faults;
        faults.failRename = k;
        {
            ScopedFaults scoped(faults);
            try {
                WriteSet("new" + std::to_string(k), set_);
                FAIL() << "no error";
            } catch (const TFileError& e) {
                EXPECT_EQ(e.Path(), PathOf(set_[size_t(k)]));
                EXPECT_EQ(e.Reason(), k == 0 ? "Input/output error"
                                             : "Input/output error. Every file was put back as it was before the save");
            }
        }
        EXPECT_TRUE(SetIsFrom("old", set_)) << "rename " << k << " failed";
        EXPECT_EQ(Names().size(), set_.size()) << "nothing left behind";
        // Nothing is left for the next run to complete either.
        TFileTransaction next;
        next.LockFolders({folder_.string()});
        EXPECT_TRUE(SetIsFrom("old", set_)) << "rename " << k << " failed";
    }
}

// Fails the sync, or the close, of the file or folder whose path ends so.
class TFailingSync final : public TFileFaults {
public:
    int BeforeWrite(const std::string&, size_t, size_t) override { return 0; }
    int BeforeRename(int k) override
    {
        renames = std::max(renames, k + 1);
        return 0;
    }
    int BeforeSync(const std::string& path) override { return Matches(path, syncs) ? EIO : 0; }
    int BeforeClose(const std::string& path) override { return Matches(path, closes) ? EIO : 0; }
    static bool Matches(const std::string& path, const std::string& end)
    {
        return !end.empty() && path.size() >= end.size() && path.compare(path.size() - end.size(), end.size(), end) == 0;
    }
    std::string syncs, closes;
    int renames = 0;
};

TEST_F(TransactionTest, AFailedSyncOrCloseOfAFileOrFolderFailsTheSave)
{
    WriteSet("old", set_);
    const std::string folder = fs::canonical(folder_).string();
    const std::vector<std::tuple<std::string, std::string, std::string>> cases = {
        {"tmzmo.js", "", PathOf("tmzmo.js")},
        {"", "menu.tmz", PathOf("menu.tmz")},
        {folder.substr(folder.rfind('/')), "", folder},
    };
    for (const auto& [syncs, closes, named] : cases) {
        TFailingSync faults;
        faults.syncs = syncs;
        faults.closes = closes;
        ScopedFaults scoped(faults);
        try {
            WriteSet("new", set_);
            ADD_FAILURE() << "no error for " << named;
        } catch (const TFileError& e) {
            EXPECT_EQ(e.Path(), named);
            EXPECT_EQ(e.Reason().substr(0, 18), "Input/output error");
        }
        EXPECT_TRUE(SetIsFrom("old", set_)) << named;
        EXPECT_EQ(Names().size(), set_.size()) << named;
    }
}

TEST_F(TransactionTest, UnchangedFilesAreNotReplacedAndRenamesGoInTheirOrder)
{
    WriteSet("old", set_);
    const auto identities = [&] {
        std::vector<TFileIdentity> ids;
        for (const std::string& name : set_)
            ids.push_back(IdentifyFile(PathOf(name)));
        return ids;
    };
    const std::vector<TFileIdentity> before = identities();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    TFailingSync counter;
    {
        ScopedFaults scoped(counter);
        TFileTransaction files;
        for (const std::string& name : set_)
            files.Create(PathOf(name)).WriteLine((name == "tmzcfg.js" ? "changed " : "old ") + name + std::string(100000, 'x'));
        files.Commit();
    }
    EXPECT_EQ(counter.renames, 1);
    const std::vector<TFileIdentity> after = identities();
    for (size_t i = 0; i < set_.size(); ++i)
        EXPECT_EQ(before[i] == after[i], set_[i] != "tmzcfg.js") << set_[i];

    // Killed after its first rename: only what goes first has been replaced.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TInjectedFaults faults;
        faults.exitAtRename = 1;
        SetFileFaults(&faults);
        TFileTransaction files;
        files.Create(PathOf("menu.tmz"), TRenameOrder::Project).WriteLine("new");
        files.Create(PathOf("menu.html"), TRenameOrder::Page).WriteLine("new");
        files.Create(PathOf("tmzcfg.js")).WriteLine("new");
        files.Create(PathOf("tmzmo.js"), TRenameOrder::Copied).WriteLine("new");
        files.Commit();
        _exit(0);
    }
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    EXPECT_EQ(ReadBytes(PathOf("tmzmo.js")), "new\r\n");
    EXPECT_TRUE(SetIsFrom("old", {"menu.tmz", "menu.html"}));
    EXPECT_TRUE(SetIsFrom("changed", {"tmzcfg.js"}));
}

TEST_F(TransactionTest, AListWhoseFilesChangedSinceIsDroppedWithAWarning)
{
    WriteSet("old", set_);
    KillAtRename("dead", 2);
    // A backup restored over a file the dead run had still to replace.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    { std::ofstream(PathOf(set_[3]), std::ios::binary) << "restored"; }
    TFileTransaction next;
    next.LockFolders({folder_.string()});
    ASSERT_EQ(next.Warnings().size(), 1u);
    const std::string& warning = next.Warnings()[0];
    EXPECT_EQ(warning.rfind(fs::canonical(folder_).string() + ": An unfinished save from ", 0), 0u) << warning;
    EXPECT_NE(warning.find(" was dropped: its files have changed since"), std::string::npos) << warning;
    EXPECT_EQ(ReadBytes(PathOf(set_[3])), "restored");
    EXPECT_TRUE(SetIsFrom("old", {set_[2], set_[4]}));
    EXPECT_EQ(Names().size(), set_.size()) << "its temporary files are gone";
}

TEST_F(TransactionTest, AReaderOfAProjectFinishesAKilledSaveInItsFolder)
{
    WriteSet("old", set_);
    KillAtRename("new", 2);
    ASSERT_FALSE(SetIsFrom("new", set_));
    // What it reads is no project: it is refused, but read from the whole set.
    TMenuDocument document;
    TSilentStatus status;
    const TReadResult read = LoadProjectFile(PathOf("menu.tmz"), document, status);
    EXPECT_EQ(read.status, TReadResult::Refused);
    EXPECT_TRUE(read.warnings.empty());
    EXPECT_TRUE(SetIsFrom("new", set_));
    EXPECT_EQ(Names().size(), set_.size());
}

TEST_F(TransactionTest, AFolderGivenAsNothingIsTheCurrentOne)
{
    const fs::path before = fs::current_path();
    fs::current_path(folder_);
    try {
        TFileTransaction files;
        files.LockFolders({""});
        files.Create("bare.txt").WriteLine("here");
        files.Commit();
    } catch (const TFileError& e) {
        ADD_FAILURE() << e.what();
    }
    fs::current_path(before);
    EXPECT_EQ(ReadBytes(PathOf("bare.txt")), "here\r\n");
}

TEST_F(TransactionTest, KillsAtRandomMomentsNeverLeaveAMix)
{
    WriteSet("run0", set_);
    std::string whole = "run0";
    std::mt19937 random(20261208);
    int keptOld = 0, becameNew = 0;
    for (int i = 1; i <= 40; ++i) {
        const std::string run = "run" + std::to_string(i);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            WriteSet(run, set_);
            _exit(0);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 4000));
        ::kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        {
            TFileTransaction next;  // the next run in the folder tidies up first
            next.LockFolders({folder_.string()});
        }
        if (SetIsFrom(run, set_)) {
            whole = run;
            ++becameNew;
        } else {
            ASSERT_TRUE(SetIsFrom(whole, set_)) << "a mix after killing " << run;
            ++keptOld;
        }
        ASSERT_EQ(Names().size(), set_.size()) << "litter after killing " << run;
    }
    std::cout << "40 kills: " << keptOld << " left the previous set, " << becameNew << " the new one, 0 a mix\n";
}

TEST_F(TransactionTest, LeftoversOfDeadRunsGoAndOtherFilesStay)
{
    Put(".~tm0123abcd.tmp", "half a file");
    Put("menu.tmz.~0123456789ab.tmp", "left by an earlier version");
    Put(".~tm89abcdef.jnl", ".~tm00000000.tmp\tmenu.tmz\n");  // a list cut short: forgotten
    Put("menu.tmz", "the user's project");
    Put(".~tmNOTOURS.tmp", "someone else's");
    Put("notes.tmp", "the user's");
    WriteSet("new", {"page.html"});
    EXPECT_EQ(Names(), (std::vector<std::string>{".~tmNOTOURS.tmp", "menu.tmz", "notes.tmp", "page.html"}));
    EXPECT_EQ(ReadBytes(PathOf("menu.tmz")), "the user's project");
}

TEST_F(TransactionTest, ASecondWriterWaitsForTheFirst)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        TFileTransaction files;
        files.LockFolders({folder_.string()});
        files.Create(PathOf("menu.html")).WriteLine("first");
        ::write(ready[1], "x", 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        files.Commit();
        _exit(0);
    }
    char byte;
    ASSERT_EQ(::read(ready[0], &byte, 1), 1);
    // The child holds the folder: this run must wait, then replace its file.
    WriteSet("second", {"menu.html"});
    EXPECT_TRUE(SetIsFrom("second", {"menu.html"}));
    int status = 0;
    waitpid(child, &status, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_EQ(Names(), std::vector<std::string>{"menu.html"});
}

TEST_F(TransactionTest, TheTemporaryFileHasTheTargetsModeFromTheStart)
{
    const std::string secret = Put("secret.tmz", "old");
    ::chmod(secret.c_str(), 0600);
    TFileTransaction files;
    files.Create(secret).WriteLine("new");
    std::string temporary;
    for (const std::string& name : Names()) {
        if (IsTransactionLeftover(name))
            temporary = PathOf(name);
    }
    ASSERT_FALSE(temporary.empty());
    EXPECT_EQ(ModeOf(temporary), 0600u);
    files.Commit();
    EXPECT_EQ(ModeOf(secret), 0600u);
}

TEST_F(TransactionTest, ReadOnlyFilesAndThingsThatAreNoFilesAreRefused)
{
    const std::string readOnly = Put("locked.js", "old");
    ::chmod(readOnly.c_str(), 0444);
    const std::string fifo = PathOf("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const std::vector<std::pair<std::string, std::string>> refused = {
        {readOnly, "Access denied"},
        {fifo, "Is not a regular file"},
        {"/dev/null", "Is not a regular file"},
        {folder_.string(), "Is a folder, not a file"},
    };
    for (const auto& [path, reason] : refused) {
        TFileTransaction files;
        try {
            files.Create(path);
            FAIL() << path;
        } catch (const TFileError& e) {
            EXPECT_EQ(e.Reason(), reason) << path;
            EXPECT_EQ(e.Path(), path);
        }
    }
    EXPECT_EQ(ReadBytes(readOnly), "old");
    struct stat info;
    ASSERT_EQ(::lstat(fifo.c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(Names(), (std::vector<std::string>{"locked.js", "pipe"}));
}

TEST_F(TransactionTest, TheReplacementKeepsTheOwnerWhereTheProcessMaySetIt)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the administrator may give a file to another user";
    const std::string shared = Put("shared.tmz", "old");
    ASSERT_EQ(::chown(shared.c_str(), 65534, 65534), 0);
    WriteFileAtomically(shared, "new");
    struct stat info;
    ASSERT_EQ(::stat(shared.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 65534u);
    EXPECT_EQ(info.st_gid, 65534u);
}

TEST_F(TransactionTest, RunningOutOfMemoryWhileReadingNamesTheFile)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit allows";
#else
    const std::string big = PathOf("big.tmz");
    { std::ofstream(big, std::ios::binary) << "x"; }
    fs::resize_file(big, std::uintmax_t{4} << 30);  // sparse: no disk is used
    int report[2];
    ASSERT_EQ(pipe(report), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const rlimit limit{rlim_t{1} << 30, rlim_t{1} << 30};
        setrlimit(RLIMIT_AS, &limit);
        std::string message = "no error";
        try {
            TTextLineReader reader(big);
        } catch (const TFileError& e) {
            message = e.what();
        } catch (const std::exception& e) {
            message = std::string("other: ") + e.what();
        }
        ::write(report[1], message.data(), message.size());
        _exit(0);
    }
    ::close(report[1]);
    char buffer[512];
    const ssize_t got = ::read(report[0], buffer, sizeof buffer);
    ::close(report[0]);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(std::string(buffer, got > 0 ? static_cast<size_t>(got) : 0), "Not enough memory to open \"" + big + "\"");
#endif
}

TEST_F(TransactionTest, OnlyTheUsersOwnLinksToFilesAreWrittenThrough)
{
    fs::create_directory(PathOf("real"));
    Put("real/target.tmz", "old");
    fs::create_symlink("real/target.tmz", PathOf("link.tmz"));
    WriteFileAtomically(PathOf("link.tmz"), "through the link");
    EXPECT_TRUE(fs::is_symlink(PathOf("link.tmz")));
    EXPECT_EQ(ReadBytes(PathOf("real/target.tmz")), "through the link");

    fs::create_symlink("real/nothing.tmz", PathOf("dangling.tmz"));
    std::vector<std::pair<std::string, std::string>> refused = {
        {PathOf("dangling.tmz"), "It is a link to a file that does not exist"}};
    if (::geteuid() == 0) {
        ASSERT_EQ(::lchown(PathOf("link.tmz").c_str(), 65534, 65534), 0);
        refused.push_back({PathOf("link.tmz"), "It is a link that belongs to another user"});
    }
    for (const auto& [link, reason] : refused) {
        try {
            WriteFileAtomically(link, "never");
            ADD_FAILURE() << link;
        } catch (const TFileError& e) {
            EXPECT_EQ(e.Path(), link);
            EXPECT_EQ(e.Reason(), reason);
        }
    }
    EXPECT_FALSE(fs::exists(PathOf("real/nothing.tmz")));
    EXPECT_EQ(ReadBytes(PathOf("real/target.tmz")), "through the link");
}

TEST_F(TransactionTest, TheLongestLegalNameStillSaves)
{
    const std::string name = std::string(246, 'n') + ".tmz";
    WriteFileAtomically(PathOf(name), "saved");
    EXPECT_EQ(ReadBytes(PathOf(name)), "saved");
}

TEST_F(TransactionTest, WindowsTextIsWrittenInItsOwnEncoding)
{
    TFileTransaction files;
    TStagedFile& file = files.Create(PathOf("legacy.tmz"));
    file.SetEncoding(TTextEncoding::Windows1252);
    file.WriteLine("\xC3\x9C" "ber uns Caf\xC3\xA9 \xE2\x82\xAC \xC2\x81");
    files.Commit();
    EXPECT_EQ(ReadBytes(PathOf("legacy.tmz")), "\xDC" "ber uns Caf\xE9 \x80 \x81\r\n");
}

// Gives up at its third call, counting the calls and the folder named.
class TGiveUpLockWait final : public TLockWait {
public:
    bool KeepWaiting(const std::string& folder) override
    {
        folders.push_back(folder);
        return folders.size() < 3;
    }
    std::vector<std::string> folders;
};

TEST_F(TransactionTest, AWaiterIsToldAfterASecondAndMayGiveUp)
{
    const std::string folder = fs::canonical(folder_).string();
    const int held = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    TGiveUpLockWait wait;
    const auto start = std::chrono::steady_clock::now();
    try {
        TFileTransaction files(TFileTransaction::Locking::Folders, &wait);
        files.Create(PathOf("menu.html")).WriteLine("never");
        ADD_FAILURE() << "a locked folder was written";
    } catch (const TFileError& e) {
        EXPECT_EQ(std::string(e.what()), folder + " is locked by another save");
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ::close(held);
    // Told first after one second, then every tenth of a second.
    EXPECT_GE(seconds, 1.2);
    EXPECT_LT(seconds, 1.8);
    EXPECT_EQ(wait.folders, std::vector<std::string>(3, folder));
    EXPECT_TRUE(Names().empty());
}

TEST_F(TransactionTest, AFolderTheUserMayWriteButNotListKeepsOnlyItsTargets)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as another user needs the administrator's rights";
    const fs::path writeOnly = folder_ / "write-only";
    fs::create_directory(writeOnly);
    ASSERT_EQ(::chown(writeOnly.c_str(), 65534, 65534), 0);
    ::chmod(folder_.c_str(), 0755);
    ::chmod(writeOnly.c_str(), 0333);
    // Runs `work` as the user nobody; 77 when nobody cannot reach the folder.
    const auto asNobody = [&](const std::function<void()>& work) {
        const pid_t child = fork();
        if (child == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
                ::setresuid(65534, 65534, 65534) != 0 || ::access(writeOnly.c_str(), W_OK | X_OK) != 0)
                _exit(77);
            try {
                work();
            } catch (const std::exception& e) {
                std::cerr << e.what() << "\n";
                _exit(1);
            }
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    const auto names = [&] {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(writeOnly))
            found.push_back(entry.path().filename().string());
        std::sort(found.begin(), found.end());
        return found;
    };
    const int first = asNobody([&] { WriteSetIn(writeOnly, "old", set_); });
    if (first == 77)
        GTEST_SKIP() << "the user nobody cannot reach " << writeOnly;
    ASSERT_EQ(first, 0);
    const int killed = asNobody([&] {
        TInjectedFaults faults;
        faults.exitAtRename = 1;
        SetFileFaults(&faults);
        WriteSetIn(writeOnly, "dead", set_);
    });
    ASSERT_EQ(killed, 0);
    ASSERT_GT(names().size(), set_.size()) << "the killed save left its files";
    ASSERT_EQ(asNobody([&] { WriteSetIn(writeOnly, "next", {"menu.html"}); }), 0);
    std::vector<std::string> expected = set_;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names(), expected);
    EXPECT_EQ(ReadBytes((writeOnly / "menu.html").string()).rfind("next menu.html", 0), 0u);
    EXPECT_EQ(ReadBytes((writeOnly / "menu.tmz").string()).rfind("dead menu.tmz", 0), 0u) << "rolled forward";
}

#endif  // !defined(_WIN32)
