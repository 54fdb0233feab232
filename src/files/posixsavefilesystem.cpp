// The save's calls on POSIX systems.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "files/savefilesystem.h"

extern const char* const kFolderLockName;

namespace {

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

void Describe(const struct stat& st, TEntryInfo& info)
{
    using Kind = TEntryInfo::Kind;
    info.kind = S_ISREG(st.st_mode)   ? Kind::File
                : S_ISLNK(st.st_mode) ? Kind::Link
                : S_ISDIR(st.st_mode) ? Kind::Folder
                                      : Kind::Other;
    info.ownedByUser = st.st_uid == ::geteuid();
    info.writableByNobody = (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    info.mode = st.st_mode & 07777;
    info.owner = st.st_uid;
    info.group = st.st_gid;
    info.identity = IdentityOf(st);
}

int ErrnoOr0(int result)
{
    return result == 0 ? 0 : errno;
}

class TPosixSaveFileSystem final : public TSaveFileSystem {
public:
    int Inspect(const std::string& path, TEntryInfo& info) override
    {
        info = {};
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0)
            return errno == ENOENT || errno == ENOTDIR ? 0 : errno;
        Describe(st, info);
        return 0;
    }

    int ReadLink(const std::string& path, std::string& target) override
    {
        char link[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), link, sizeof link);
        if (length < 0)
            return errno;
        if (static_cast<size_t>(length) >= sizeof link)
            return ENAMETOOLONG;
        target.assign(link, static_cast<size_t>(length));
        return 0;
    }

    int ResolveFolder(const std::string& folder, std::string& resolved) override
    {
        char path[PATH_MAX];
        if (!::realpath(folder.c_str(), path))
            return errno;
        resolved = path;
        return 0;
    }

    int CheckWritable(const std::string& path) override { return ErrnoOr0(::access(path.c_str(), W_OK)); }

    int List(const std::string& folder, std::vector<std::string>& names) override
    {
        DIR* dir = ::opendir(folder.c_str());
        if (!dir)
            return errno;
        while (const dirent* entry = ::readdir(dir))
            names.emplace_back(entry->d_name);
        ::closedir(dir);
        return 0;
    }

    int ReadOwnFile(const std::string& path, std::string& bytes, TEntryInfo& info) override
    {
        info = {};
        const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            if (errno != ELOOP)
                return errno;
            info.kind = TEntryInfo::Kind::Link;
            return EPERM;
        }
        struct stat st {};
        int error = ErrnoOr0(::fstat(fd, &st));
        if (error == 0) {
            Describe(st, info);
            if (info.kind != TEntryInfo::Kind::File || !info.ownedByUser)
                error = EPERM;
        }
        char chunk[65536];
        while (error == 0) {
            const ssize_t got = ::read(fd, chunk, sizeof chunk);
            if (got > 0)
                bytes.append(chunk, static_cast<size_t>(got));
            else if (got == 0)
                break;
            else if (errno != EINTR)
                error = errno;
        }
        ::close(fd);
        return error;
    }

    int StageBeside(const std::string& path, const TEntryInfo& replaced, TSystemHandle& file) override
    {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0)
            return errno;
        // Created 0600, then given the target's mode: the temporary file is
        // never readable by more people than the file it replaces.
        if (replaced.kind == TEntryInfo::Kind::File) {
            ::fchmod(fd, replaced.mode);
            if (replaced.owner != ::geteuid() || replaced.group != ::getegid()) {
                if (::fchown(fd, replaced.owner, replaced.group) == 0)
                    ::fchmod(fd, replaced.mode);  // chown clears set-id bits
            }
        } else {
            ::fchmod(fd, NewFileMode());
        }
        file = fd;
        return 0;
    }

    int Write(TSystemHandle file, const char* data, std::size_t size) override
    {
        while (size > 0) {
            const ssize_t done = ::write(static_cast<int>(file), data, size);
            if (done < 0) {
                if (errno == EINTR)
                    continue;
                return errno;
            }
            data += done;
            size -= static_cast<size_t>(done);
        }
        return 0;
    }

    int Flush(TSystemHandle file) override { return ErrnoOr0(::fsync(static_cast<int>(file))); }
    int Close(TSystemHandle file) override { return ErrnoOr0(::close(static_cast<int>(file))); }
    int Replace(const std::string& from, const std::string& to) override
    {
        return ErrnoOr0(::rename(from.c_str(), to.c_str()));
    }

    int KeepAside(const std::string& path, const std::string& keep, bool& moved) override
    {
        moved = false;
        if (::link(path.c_str(), keep.c_str()) == 0)
            return 0;
        if (errno != EPERM && errno != EMLINK && errno != ENOTSUP && errno != EOPNOTSUPP)
            return errno;
        moved = true;  // no second names here (or not for another user's file)
        return ErrnoOr0(::rename(path.c_str(), keep.c_str()));
    }

    int Remove(const std::string& path) override { return ErrnoOr0(::unlink(path.c_str())); }

    int SyncFolder(const std::string& folder) override
    {
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return errno == EACCES ? SyncFolderWithoutReading(folder) : errno;
        const int error = ErrnoOr0(::fsync(fd));
        ::close(fd);
        return error;
    }

    int TryLockFolder(const std::string& folder, TFolderLock& lock) override
    {
        // The folder itself is locked, so nothing is left in a web folder
        // that gets uploaded.
        const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd >= 0) {
            const int error = LockNow(fd);
            if (error == 0 || error == EWOULDBLOCK) {
                if (error == 0)
                    lock = {fd, ""};
                else
                    ::close(fd);
                return error;
            }
            ::close(fd);
        }
        return LockWithFile(folder + "/" + kFolderLockName, lock);
    }

    void UnlockFolder(TFolderLock& lock) override
    {
        if (lock.handle == kNoHandle)
            return;
        // Removed while still held: a waiter then finds its file unlinked and
        // starts over on a new one (see LockWithFile).
        if (!lock.lockFile.empty())
            ::unlink(lock.lockFile.c_str());
        ::close(static_cast<int>(lock.handle));
        lock = {};
    }

private:
    static int LockNow(int fd)
    {
        while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EINTR)
                return errno == EAGAIN ? EWOULDBLOCK : errno;
        }
        return 0;
    }

    // Where the file system cannot lock a folder (NFS), or the user may not
    // read it (a folder of mode 0333), a lock file serves; it is removed on
    // release so that nothing stays in a folder the user cannot list.
    static int LockWithFile(const std::string& path, TFolderLock& lock)
    {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, NewFileMode());
            if (fd < 0)
                return errno;
            const int error = LockNow(fd);
            if (error != 0) {
                ::close(fd);
                return error;
            }
            // The holder before may have removed the file after this open:
            // the lock counts only on the file the name still gives.
            struct stat held {}, named {};
            if (::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
                held.st_ino == named.st_ino) {
                lock = {fd, path};
                return 0;
            }
            ::close(fd);
        }
        return EWOULDBLOCK;
    }

    // A folder of mode 0333 cannot be opened to sync it (a descriptor
    // opened only to name it cannot be synced); syncing every disk makes its
    // entries durable all the same.
    static int SyncFolderWithoutReading(const std::string&)
    {
        ::sync();
        return 0;
    }
};

}  // namespace

TSaveFileSystem& SystemSaveFileSystem()
{
    static TPosixSaveFileSystem system;
    return system;
}
