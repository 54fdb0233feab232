// File identities and fingerprints: what tells a save, or the editor, that a
// file is no longer the one it saw.

#include <gtest/gtest.h>

#include <filesystem>

#include "files/fileidentity.h"
#include "test_files_support.h"

namespace {

using testfiles::ScratchFolderTest;
namespace fs = std::filesystem;

// The published FNV-1a test vectors (64-bit), not values this code produced.
TEST(FileIdentity, HashIsFnv1a64)
{
    EXPECT_EQ(HashBytes(""), 0xcbf29ce484222325ull);
    EXPECT_EQ(HashBytes("a"), 0xaf63dc4c8601ec8cull);
    EXPECT_EQ(HashBytes("foobar"), 0x85944171f73967e8ull);
}

class FileFingerprint : public ScratchFolderTest {};

TEST_F(FileFingerprint, TellsARewriteWithOtherBytesFromOneWithTheSame)
{
    const std::string path = Put("menu.tmz", "one");
    const TFileFingerprint seen = FingerprintFile(path);
    ASSERT_TRUE(seen.identity.exists);
    EXPECT_TRUE(SameContent(seen, path));

    // Another program writes a new file with the same bytes and renames it
    // over: a new inode, nothing changed for the user.
    Put("other", "one");
    fs::rename(PathOf("other"), path);
    EXPECT_NE(IdentifyFile(path), seen.identity);
    EXPECT_TRUE(SameContent(seen, path));

    // Same size, other bytes.
    Put("other", "two");
    fs::rename(PathOf("other"), path);
    EXPECT_FALSE(SameContent(seen, path));

    fs::remove(path);
    EXPECT_FALSE(SameContent(seen, path));
    EXPECT_FALSE(IdentifyFile(path).exists);
}

TEST_F(FileFingerprint, AnEntryIsTheLinkAndAFileItsTarget)
{
#if defined(_WIN32)
    GTEST_SKIP() << "making a symbolic link takes a privilege ordinary Windows users lack";
#endif
    const std::string target = Put("target", "bytes");
    fs::create_symlink(target, PathOf("link"));
    EXPECT_EQ(IdentifyFile(PathOf("link")), IdentifyFile(target));
    EXPECT_NE(IdentifyEntry(PathOf("link")).inode, IdentifyFile(target).inode);
    fs::create_symlink(PathOf("nowhere"), PathOf("dangling"));
    EXPECT_FALSE(IdentifyFile(PathOf("dangling")).exists);
    EXPECT_TRUE(IdentifyEntry(PathOf("dangling")).exists);
}

}  // namespace
