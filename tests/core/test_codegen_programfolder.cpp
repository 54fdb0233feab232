// Where the program folder is: beside the executable in a build tree or a
// portable install, else a per-user folder filled from the installed data.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "codegen/fileops.h"
#include "codegen/programfolder.h"
#include "test_codegen_support.h"

using namespace codegentest;

namespace {

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        hadValue_ = Get(name, old_);
        Set(name, value.c_str());
    }
    ~ScopedEnvironment() { Set(name_, hadValue_ ? old_.c_str() : nullptr); }

private:
#if defined(_WIN32)
    // Wide both ways: the values are UTF-8, which the narrow calls would
    // take for the ANSI code page.
    static bool Get(const char* name, std::string& value) {
        const wchar_t* old = _wgetenv(fs::u8path(name).c_str());
        if (old) value = fs::path(old).u8string();
        return old != nullptr;
    }
    static void Set(const char* name, const char* value) {
        _wputenv_s(fs::u8path(name).c_str(), fs::u8path(value ? value : "").c_str());  // "" removes it there
    }
#else
    static bool Get(const char* name, std::string& value) {
        const char* old = std::getenv(name);
        if (old) value = old;
        return old != nullptr;
    }
    static void Set(const char* name, const char* value) { value ? setenv(name, value, 1) : unsetenv(name); }
#endif

    const char* name_;
    std::string old_;
    bool hadValue_ = false;
};

// Where the user's data goes: Qt's AppLocalDataLocation base on each system.
#if defined(_WIN32)
const char* const kDataHomeVariable = "LOCALAPPDATA";
#else
const char* const kDataHomeVariable = "XDG_DATA_HOME";
#endif
const std::string kSep(1, static_cast<char>(fs::path::preferred_separator));
// Names that no Western ANSI code page (Windows-1252) can hold.
const std::string kGreek = "\u03a9\u03bc\u03ad\u03b3\u03b1";     // Ωμέγα
const std::string kJapanese = "\u65e5\u672c\u8a9e";                 // 日本語

class ProgramFolderTest : public ::testing::Test {
protected:
    ProgramFolderTest()
        : home_("HOME", (scratch_.Path() / "home").string()),
          xdg_(kDataHomeVariable, (scratch_.Path() / "data").string()) {
        fs::create_directories(scratch_.Path() / "prefix" / "bin");
        fs::create_directories(Installed() / "templates");
    }
    std::string Executable() const { return (scratch_.Path() / "prefix" / "bin" / "trellimenu").string(); }
    fs::path Installed() const { return scratch_.Path() / "prefix" / "share" / "trellimenu"; }
    fs::path UserFolder() const { return scratch_.Path() / "data" / "Varn" / "Trellimenu 2006"; }

    ScratchFolder scratch_;
    ScopedEnvironment home_;
    ScopedEnvironment xdg_;
};

}  // namespace

TEST_F(ProgramFolderTest, AFolderWithTheScriptsIsUsedAsItIs) {
    WriteBytes(scratch_.Path() / "prefix" / "bin" / "tmzparams.js", "//");
    EXPECT_EQ(ResolveProgramFolder(Executable()), (scratch_.Path() / "prefix" / "bin").string() + kSep);
    EXPECT_FALSE(fs::exists(UserFolder()));
}

TEST_F(ProgramFolderTest, AnInstallIsCopiedIntoTheUserFolder) {
    WriteBytes(Installed() / "tmzparams.js", "// engine");
    WriteBytes(Installed() / "templates" / "Blue.tmz", "template");
    EXPECT_EQ(ResolveProgramFolder(Executable()), UserFolder().string() + kSep);
    EXPECT_EQ(ReadBytes(UserFolder() / "tmzparams.js"), "// engine");
    EXPECT_EQ(ReadBytes(UserFolder() / "templates" / "Blue.tmz"), "template");
}

TEST_F(ProgramFolderTest, RefreshReplacesOlderCopiesAndKeepsTheUsersFiles) {
    WriteBytes(Installed() / "tmzparams.js", "// engine 1");
    WriteBytes(Installed() / "templates" / "Blue.tmz", "template 1");
    ResolveProgramFolder(Executable());
    WriteBytes(UserFolder() / "templates" / "Mine.tmz", "my own");
    WriteBytes(UserFolder() / "templates" / "Blue.tmz", "edited by the user");
    fs::last_write_time(UserFolder() / "templates" / "Blue.tmz",
                        fs::last_write_time(Installed() / "templates" / "Blue.tmz") + std::chrono::hours(1));

    // A newer installation: its files are newer than the copies.
    WriteBytes(Installed() / "tmzparams.js", "// engine 2");
    fs::last_write_time(Installed() / "tmzparams.js",
                        fs::last_write_time(UserFolder() / "tmzparams.js") + std::chrono::hours(2));
    ResolveProgramFolder(Executable());
    EXPECT_EQ(ReadBytes(UserFolder() / "tmzparams.js"), "// engine 2");
    EXPECT_EQ(ReadBytes(UserFolder() / "templates" / "Blue.tmz"), "edited by the user");
    EXPECT_EQ(ReadBytes(UserFolder() / "templates" / "Mine.tmz"), "my own");
}

TEST_F(ProgramFolderTest, AReadOnlyFolderWithTheScriptsFillsTheUserFolderWithItsDataOnly) {
    const fs::path bin = scratch_.Path() / "prefix" / "bin";
    WriteBytes(bin / "tmzparams.js", "// engine");
    WriteBytes(bin / "arrow_over.gif", "gif");
    WriteBytes(bin / "trellimenu-cli", "a program");
    fs::create_directories(bin / "templates");
    WriteBytes(bin / "templates" / "Blue.tmz", "template");
    const auto readOnly = [](const std::string&) { return false; };
    EXPECT_EQ(ResolveProgramFolder(Executable(), readOnly), UserFolder().string() + kSep);
    EXPECT_EQ(ReadBytes(UserFolder() / "tmzparams.js"), "// engine");
    EXPECT_EQ(ReadBytes(UserFolder() / "arrow_over.gif"), "gif");
    EXPECT_EQ(ReadBytes(UserFolder() / "templates" / "Blue.tmz"), "template");
    EXPECT_FALSE(fs::exists(UserFolder() / "trellimenu-cli"));
}

TEST_F(ProgramFolderTest, AskingWhetherAFolderIsWritableLeavesNothingThere) {
    const fs::path folder = scratch_.Path() / "prefix" / "bin";
    EXPECT_TRUE(IsWritableFolder(folder.string()));
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_FALSE(IsWritableFolder((scratch_.Path() / "missing").string()));
}

TEST_F(ProgramFolderTest, ARelativeDataHomeIsIgnored) {
#if defined(_WIN32)
    GTEST_SKIP() << "the XDG rules hold on POSIX systems only";
#endif
    ScopedEnvironment relative("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(UserProgramFolder(), (scratch_.Path() / "home" / ".local" / "share" / "Varn" / "Trellimenu 2006").string() + kSep);
}

TEST_F(ProgramFolderTest, FoldersNamedOutsideTheAnsiCodePageAreFoundAndFilled) {
    const std::string scratch = scratch_.Path().u8string();
    // A portable copy there is used as it is.
    const std::string portable = scratch + kSep + kGreek + " " + kJapanese + kSep + "bin" + kSep;
    fs::create_directories(fs::u8path(portable));
    WriteBytes(fs::u8path(portable + "tmzparams.js"), "//");
    EXPECT_EQ(ResolveProgramFolder(portable + "trellimenu"), portable);

    // An installation there fills a user folder under a data home so named.
    const std::string prefix = scratch + kSep + kJapanese + kSep;
    fs::create_directories(fs::u8path(prefix + "bin"));
    fs::create_directories(fs::u8path(prefix + "share/trellimenu/templates"));
    WriteBytes(fs::u8path(prefix + "share/trellimenu/templates/" + kGreek + ".tmz"), "template");
    ScopedEnvironment dataHome(kDataHomeVariable, scratch + kSep + kGreek);
    const std::string user = scratch + kSep + kGreek + kSep + "Varn" + kSep + "Trellimenu 2006" + kSep;
    EXPECT_EQ(UserProgramFolder(), user);
    EXPECT_EQ(ResolveProgramFolder(prefix + "bin" + kSep + "trellimenu"), user);
    EXPECT_EQ(ReadBytes(fs::u8path(user + "templates/" + kGreek + ".tmz")), "template");
}

TEST_F(ProgramFolderTest, QuietFileOperationsTakeNamesOutsideTheAnsiCodePage) {
    const std::string folder = scratch_.Path().u8string() + kSep + kGreek;
    CreateFolderQuietly(folder);
    ASSERT_TRUE(fs::is_directory(fs::u8path(folder)));
    const std::string file = InFolder(folder, kJapanese + ".gif");
    WriteBytes(fs::u8path(file), "gif");
    EXPECT_TRUE(IsRegularFile(file));
    RemoveEmptyFolderQuietly(folder);
    EXPECT_TRUE(fs::exists(fs::u8path(file))) << "a folder holding a file stays";
    DeleteFileQuietly(file);
    EXPECT_FALSE(fs::exists(fs::u8path(file)));
    RemoveEmptyFolderQuietly(folder);
    EXPECT_FALSE(fs::exists(fs::u8path(folder)));
}
