// Reading and identifying files on POSIX systems.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "files/systemfiles.h"

TFileIdentity IdentityOf(const struct stat& info)
{
    TFileIdentity identity;
    identity.exists = true;
    identity.device = static_cast<std::uint64_t>(info.st_dev);
    identity.inode = static_cast<std::uint64_t>(info.st_ino);
    identity.size = static_cast<std::uint64_t>(info.st_size);
    identity.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec;
    return identity;
}

int OpenRegularFile(const std::string& path, TSystemHandle& file, std::uint64_t& sizeHint)
{
    // Non-blocking, so that opening a FIFO returns at once instead of waiting
    // for a writer; the mode is checked before a byte is read.
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return error;
    }
    if (!S_ISREG(info.st_mode)) {
        ::close(fd);
        return S_ISDIR(info.st_mode) ? EISDIR : kNotRegularFileError;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    file = fd;
    sizeHint = static_cast<std::uint64_t>(info.st_size);
    return 0;
}

int ReadSome(TSystemHandle file, char* data, std::size_t size, std::size_t& got)
{
    for (;;) {
        const ssize_t done = ::read(static_cast<int>(file), data, size);
        if (done >= 0) {
            got = static_cast<std::size_t>(done);
            return 0;
        }
        if (errno != EINTR)
            return errno;
    }
}

void CloseQuietly(TSystemHandle file)
{
    if (file != kNoHandle)
        ::close(static_cast<int>(file));
}

int IdentifyPath(const std::string& path, bool followLinks, TFileIdentity& identity)
{
    identity = {};
    struct stat info {};
    const int result = followLinks ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info);
    if (result != 0)
        return errno == ENOENT || errno == ENOTDIR ? 0 : errno;
    identity = IdentityOf(info);
    return 0;
}

std::string EnvironmentValue(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}
