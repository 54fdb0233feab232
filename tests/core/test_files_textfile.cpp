#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

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

// FIFOs and /dev exist only on POSIX systems; Windows devices are refused
// by name (see test_files_windows.cpp).
#if !defined(_WIN32)
TEST_F(TextFileTest, OnlyRegularFilesAreRead)
{
    const std::string fifo = PathOf("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero"), std::string("/dev/null")}) {
        try {
            TTextLineReader reader(path);  // must neither hang nor fill memory
            FAIL() << path;
        } catch (const TFileError& e) {
            EXPECT_EQ(e.Reason(), "Is not a regular file") << path;
            EXPECT_EQ(e.Path(), path);
        }
    }
    fs::create_symlink(Put("real.txt", "through\r\n"), PathOf("link.txt"));
    EXPECT_EQ(Lines(PathOf("link.txt")), V{"through"});
}

#endif

TEST_F(TextFileTest, EncodingIsDecidedOncePerFile)
{
    // Valid UTF-8 throughout: read as it is.
    TTextLineReader utf8(Put("u", "caf\xC3\xA9\r\n\xE6\x97\xA5\r\n"));
    EXPECT_EQ(utf8.Encoding(), TTextEncoding::Utf8);
    // One byte that is no UTF-8 makes the whole file Windows-1252, the line
    // that looked like UTF-8 too.
    TTextLineReader legacy(Put("w", "caf\xC3\xA9\r\n\xDC" "ber\r\n\x80\x81\x8D\x8F\x90\x9D\r\n"));
    EXPECT_EQ(legacy.Encoding(), TTextEncoding::Windows1252);
    std::string line;
    ASSERT_TRUE(legacy.ReadLine(line));
    EXPECT_EQ(line, "caf\xC3\x83\xC2\xA9");
    ASSERT_TRUE(legacy.ReadLine(line));
    EXPECT_EQ(line, "\xC3\x9C" "ber");
    ASSERT_TRUE(legacy.ReadLine(line));
    EXPECT_EQ(line, "\xE2\x82\xAC\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");  // euro sign, then the five undefined bytes
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
