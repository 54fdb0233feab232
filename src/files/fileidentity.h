#pragma once
// What a file is on the disk, kept to tell later whether it is still the same
// file with the same bytes: a save checks that what it replaces is what it
// recorded, and the editor notices when another program changed its project.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/bytehash.h"

struct TFileIdentity {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;  // modification time, nanoseconds since the epoch

    bool operator==(const TFileIdentity& o) const
    {
        return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
               modifiedNs == o.modifiedNs;
    }
    bool operator!=(const TFileIdentity& o) const { return !(*this == o); }
};

// The identity of the file a path names, links followed; a path that names
// nothing gives exists == false. Any other failure throws TFileError.
TFileIdentity IdentifyFile(const std::string& path);
// The same for the path itself: a link is identified, not its target.
TFileIdentity IdentifyEntry(const std::string& path);

// The identity a stat call gave (POSIX systems only).
struct stat;
TFileIdentity IdentityOf(const struct stat& info);


// Identity and content together.
struct TFileFingerprint {
    TFileIdentity identity;
    std::uint64_t contentHash = 0;  // 0 and meaningless when the file does not exist
};
TFileFingerprint FingerprintFile(const std::string& path);

// True when `now` holds the same bytes as `before`: the same identity, or,
// after a rewrite that changed the identity only, the same size and hash.
// A file that has gone since counts as changed.
bool SameContent(const TFileFingerprint& before, const std::string& path);
