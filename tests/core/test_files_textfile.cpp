#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "files/textfile.h"
#include "test_files_support.h"

namespace fs = std::filesystem;

namespace {

using testfiles::ReadBytes;

class TextFileTest : public testfiles::ScratchFolderTest {
protected:
    static std::vector<std::string> Lines(const std::string& path)
    {
        TTextLineReader reader(path);
        std::vector<std::string> lines;
        std::string line;
        while (reader.ReadLine(line))
            lines.push_back(line);
        return lines;
    }
};

using V = std::vector<std::string>;

}  // namespace

TEST_F(TextFileTest, LinesEndAtCrAndSkipOneLf)
{
    EXPECT_EQ(Lines(Put("a", "one\r\ntwo\rthree\r\n\r\nfour")), (V{"one", "two", "three", "", "four"}));
    EXPECT_EQ(Lines(Put("b", "a\nb\r\n")), (V{"a\nb"}));           // a lone LF stays in the line
    EXPECT_EQ(Lines(Put("c", "a\r\n\nb\r\n")), (V{"a", "\nb"}));   // only one LF is skipped
    EXPECT_EQ(Lines(Put("d", "a\r\nb\x1A" "c\r\n")), (V{"a", "b"}));  // Ctrl-Z ends the file
    EXPECT_EQ(Lines(Put("e", "")), V{});
    EXPECT_EQ(Lines(Put("f", std::string("x\0y\r\n", 5))), (V{std::string("x\0y", 3)}));
}

TEST_F(TextFileTest, MissingFileNamesFileAndReason)
{
    const std::string path = PathOf("missing.tmz");
    try {
        TTextLineReader reader(path);
        FAIL() << "no error";
    } catch (const TFileError& e) {
        EXPECT_EQ(e.Path(), path);
        EXPECT_EQ(e.Reason(), "File not found");
        EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + path + "\". File not found");
    }
    EXPECT_THROW(TTextLineReader{folder_.string()}, TFileError);  // a folder is no text file
}

TEST_F(TextFileTest, WriterEndsEveryLineWithCrLfAndReplacesOnCommit)
{
    const std::string path = Put("out.txt", "old contents");
    {
        TTextFileWriter writer(path);
        writer.WriteLine("first");
        writer.Write("raw");
        writer.WriteLine("");
        EXPECT_EQ(ReadBytes(path), "old contents");  // untouched until the commit
        writer.Commit();
    }
    EXPECT_EQ(ReadBytes(path), "first\r\nraw\r\n");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(TextFileTest, WriterWithoutCommitLeavesOldFileAndNoLeftovers)
{
    const std::string path = Put("out.txt", "old");
    {
        TTextFileWriter writer(path);
        writer.WriteLine("new");
    }
    EXPECT_EQ(ReadBytes(path), "old");
    EXPECT_EQ(FileCount(), 1u);
}

TEST_F(TextFileTest, WriterIntoMissingFolderFailsWithTheTargetName)
{
    const std::string path = PathOf("no/such/folder/out.tmz");
    try {
        TTextFileWriter writer(path);
        FAIL() << "no error";
    } catch (const TFileError& e) {
        EXPECT_EQ(e.Path(), path);
        EXPECT_EQ(e.Reason(), "File not found");
    }
}

TEST_F(TextFileTest, ReplacementKeepsPermissionsAndFollowsLinks)
{
    const std::string path = Put("private.tmz", "old");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(path, PathOf("link.tmz"));
    {
        TTextFileWriter writer(PathOf("link.tmz"));
        writer.WriteLine("new");
        writer.Commit();
    }
    EXPECT_TRUE(fs::is_symlink(PathOf("link.tmz")));
    EXPECT_EQ(ReadBytes(path), "new\r\n");
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(TextFileTest, ReplacementRefusesWhatWritingWouldRefuse)
{
    const std::string readOnly = Put("locked.tmz", "old");
    fs::permissions(readOnly, fs::perms::owner_read);
    try {
        TTextFileWriter writer(readOnly);
        FAIL() << "no error";
    } catch (const TFileError& e) {
        EXPECT_EQ(e.Reason(), "Access denied");
    }
    EXPECT_EQ(ReadBytes(readOnly), "old");
    EXPECT_THROW(TTextFileWriter{folder_.string()}, TFileError);
    EXPECT_EQ(FileCount(), 1u);
}

TEST(FieldSplitting, NthFieldNeedsTheClosingSeparator)
{
    const std::string sep = "#$@";
    EXPECT_EQ(NthField("a#$@b#$@c", 1, sep), "a");
    EXPECT_EQ(NthField("a#$@b#$@c", 2, sep), "b");
    EXPECT_EQ(NthField("a#$@b#$@c", 3, sep), "");  // no separator after c
    EXPECT_EQ(NthField("#$@#$@x#$@", 3, sep), "x");
    EXPECT_EQ(NthField("", 1, sep), "");
    EXPECT_EQ(NthField("a#$@", 0, sep), "");
}

TEST(FieldSplitting, SplitFieldsAgreesWithNthField)
{
    const std::string sep = "#$@";
    for (const std::string line : {"", "a", "#$", "a#$@", "#$@#$@", "a#$@b#$@c", "x#$#$@@y#$@", "a##$@b#$", "#$@#",
                                   "1#$@#$@3#$@4#$@5#$@6#$@"}) {
        const auto fields = SplitFields(line, 5, sep);
        ASSERT_EQ(fields.size(), 5u);
        for (int n = 1; n <= 5; ++n)
            EXPECT_EQ(fields[static_cast<size_t>(n) - 1], NthField(line, n, sep)) << line << " field " << n;
    }
}
