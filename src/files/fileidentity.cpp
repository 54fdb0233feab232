#include "files/fileidentity.h"

#include <sys/stat.h>

#include <cerrno>

#include "files/textfile.h"

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

namespace {

TFileIdentity FromStat(int result, const struct stat& info, const std::string& path)
{
    if (result != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return {};
        throw TFileError("Cannot open file", path, ReasonFromErrno(errno));
    }
    return IdentityOf(info);
}

}  // namespace

TFileIdentity IdentifyFile(const std::string& path)
{
    struct stat info {};
    const int result = ::stat(path.c_str(), &info);
    return FromStat(result, info, path);
}

TFileIdentity IdentifyEntry(const std::string& path)
{
    struct stat info {};
    const int result = ::lstat(path.c_str(), &info);
    return FromStat(result, info, path);
}

std::uint64_t HashBytes(std::string_view bytes)
{
    std::uint64_t hash = 14695981039346656037ull;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

TFileFingerprint FingerprintFile(const std::string& path)
{
    TFileFingerprint fingerprint;
    fingerprint.identity = IdentifyFile(path);
    if (fingerprint.identity.exists)
        fingerprint.contentHash = HashBytes(ReadWholeFile(path));
    return fingerprint;
}

bool SameContent(const TFileFingerprint& before, const std::string& path)
{
    const TFileIdentity now = IdentifyFile(path);
    if (!now.exists || !before.identity.exists)
        return now.exists == before.identity.exists;
    if (now == before.identity)
        return true;
    return now.size == before.identity.size && HashBytes(ReadWholeFile(path)) == before.contentHash;
}
