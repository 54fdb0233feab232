#include "files/fileidentity.h"

#include "files/systemfiles.h"
#include "files/textfile.h"

namespace {

TFileIdentity Identify(const std::string& path, bool followLinks)
{
    TFileIdentity identity;
    if (const int error = IdentifyPath(path, followLinks, identity))
        throw TFileError("Cannot open file", path, ReasonFromErrno(error));
    return identity;
}

}  // namespace

TFileIdentity IdentifyFile(const std::string& path)
{
    return Identify(path, true);
}

TFileIdentity IdentifyEntry(const std::string& path)
{
    return Identify(path, false);
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
