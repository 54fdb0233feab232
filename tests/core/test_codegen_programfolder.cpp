// Where the program folder is: beside the executable in a build tree or a
// portable install, else a per-user folder filled from the installed data.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "codegen/programfolder.h"
#include "test_codegen_support.h"

using namespace codegentest;

namespace {

// Sets an environment variable for one test and restores it afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, hadValue_ = true;
        Set(name, value.c_str());
    }
    ~ScopedEnvironment() { Set(name_, hadValue_ ? old_.c_str() : nullptr); }

private:
    static void Set(const char* name, const char* value) {
#if defined(_WIN32)
        _putenv_s(name, value ? value : "");  // "" removes it there
#else
        value ? setenv(name, value, 1) : unsetenv(name);
#endif
    }

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
