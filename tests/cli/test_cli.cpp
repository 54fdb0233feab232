// trellimenu-cli as web authors' scripts run it.
#include <gtest/gtest.h>

#if !defined(_WIN32)
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

#include "codegen/publishing.h"
#include "files/projectfile.h"
#include "files/savefilesystem.h"

namespace fs = std::filesystem;

namespace {

const fs::path kBin = TRELLIMENU_BIN_DIR;
#if defined(_WIN32)
const char* const kToolFile = "trellimenu-cli.exe";
#else
const char* const kToolFile = "trellimenu-cli";
#endif

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// The programs run through the system's shell: sh, or cmd.exe on Windows
// (where no test path holds a double quote).
#if defined(_WIN32)
std::string ShellQuoted(const std::string& text) { return "\"" + text + "\""; }
std::string InFolder(const fs::path& folder) { return "cd /d " + ShellQuoted(folder.u8string()) + " &&"; }
std::string Assigned(const std::string& name, const std::string& value) {
    return "set " + ShellQuoted(name + "=" + value) + " && ";
}
std::string WithTemporaryFolder(const fs::path& folder) {
    return Assigned("TMP", folder.u8string()) + Assigned("TEMP", folder.u8string());
}
std::string WithDataHome(const fs::path& home) { return Assigned("LOCALAPPDATA", (home / "data").u8string()); }
// cmd.exe drops the first and the last quote of a command that starts with
// one; the command goes as UTF-16, so no name is lost to the ANSI code page.
int RunShell(const std::string& command) { return _wsystem(fs::u8path("\"" + command + "\"").wstring().c_str()); }
int ExitCode(int status) { return status; }
#else
std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}
std::string InFolder(const fs::path& folder) { return "cd " + ShellQuoted(folder.u8string()) + " &&"; }
std::string Assigned(const std::string& name, const std::string& value) {
    return name + "=" + ShellQuoted(value) + " ";
}
std::string WithTemporaryFolder(const fs::path& folder) { return Assigned("TMPDIR", folder.u8string()); }
std::string WithDataHome(const fs::path& home) {
    return Assigned("HOME", home.u8string()) + Assigned("XDG_DATA_HOME", (home / "data").u8string());
}
int RunShell(const std::string& command) { return std::system(command.c_str()); }
int ExitCode(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }
#endif

struct TRun {
    int exitCode = -1;
    std::string out;
    std::string err;
    int ErrLines() const { return static_cast<int>(std::count(err.begin(), err.end(), '\n')); }
};

std::vector<std::string> Listing(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().u8string());
    std::sort(names.begin(), names.end());
    return names;
}

class CliTest : public ::testing::Test {
protected:
    CliTest() {
        std::random_device random;
        scratch_ = fs::temp_directory_path() / ("trellimenu-cli-test-" + std::to_string(random()));
        fs::create_directories(scratch_ / "site");
    }
    ~CliTest() override {
        std::error_code error;
        fs::remove_all(scratch_, error);
    }

    // Runs the tool (by default the built one) with its output in files of
    // their own, so that parallel runs never mix.
    TRun Run(const std::vector<std::string>& args, const fs::path& tool = kBin / kToolFile,
             const std::string& environment = "") const {
        static std::atomic<int> counter{0};
        const fs::path base = scratch_ / ("run" + std::to_string(counter++));
        std::string command = environment + " " + ShellQuoted(tool.u8string());
        for (const std::string& arg : args) command += " " + ShellQuoted(arg);
        command += " >" + ShellQuoted(base.u8string() + ".out") + " 2>" + ShellQuoted(base.u8string() + ".err");
        const int status = RunShell(command);
        TRun run;
        run.exitCode = ExitCode(status);
        run.out = ReadBytes(base.u8string() + ".out");
        run.err = ReadBytes(base.u8string() + ".err");
        return run;
    }

    // A template copied into its own folder as `name`.
    fs::path Project(const std::string& templateName, const fs::path& folder, const std::string& name = "menu.tmz") {
        fs::create_directories(folder);
        fs::copy_file(kBin / "templates" / (templateName + ".tmz"), folder / fs::u8path(name), fs::copy_options::overwrite_existing);
        return folder / fs::u8path(name);
    }

    // The files a Save of this project writes, as the core plans them.
    static std::vector<std::string> PlannedNames(const fs::path& project) {
        TMenuDocument document;
        TSilentStatus status;
        LoadProjectFile(project.u8string(), document, status);
        const TPublishPlan plan(document.applet, {}, "", project.filename().u8string());
        std::vector<std::string> names;
        for (const TPublishedFile& file : plan.Files()) {
            names.push_back(file.name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path scratch_;
};

}  // namespace

TEST_F(CliTest, WrongUsageEndsWithOne) {
    const std::vector<std::vector<std::string>> usages = {
        {},
        {"frobnicate", "menu.tmz"},
        {"publish"},
        {"publish", "a.tmz", "b.tmz"},
        {"html", "a.tmz", "--out", "x"},
        {"publish", "a.tmz", "--out"},
        {"export-structure", "a.tmz"},
        {"import-structure", "a.gms", "b.tmz", "c"},
        {"publish", "--force", "a.tmz"},
        {"publish", "a.tmz", "--wait", "soon"},
        {"publish", "a.tmz", "--wait", "-1"},
        {"html", "a.tmz", "--wait", "5"},
    };
    for (const auto& args : usages) {
        const TRun run = Run(args);
        SCOPED_TRACE(::testing::PrintToString(args));
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find("trellimenu-cli: "), std::string::npos) << run.err;
    }
}

TEST_F(CliTest, OptionsTakeBothFormsAndADashedNameAfterTheEnd) {
    const fs::path project = Project("Classic Blue", scratch_ / "site");
    const fs::path out = scratch_ / "out";
    const TRun joined = Run({"publish", project.u8string(), "--out=" + out.u8string()});
    ASSERT_EQ(joined.exitCode, 0) << joined.err;
    EXPECT_TRUE(fs::exists(out / "menu.html"));

    const TRun twice = Run({"publish", project.u8string(), "--out", out.u8string(), "--out=" + out.u8string()});
    EXPECT_EQ(twice.exitCode, 1);
    EXPECT_NE(twice.err.find("--out given twice"), std::string::npos) << twice.err;

    // A file whose name starts with a dash, after "--".
    const fs::path dashed = Project("Classic Blue", scratch_ / "dash", "-menu.tmz");
    const TRun unended = Run({"html", "-menu.tmz"}, kBin / kToolFile, InFolder(dashed.parent_path()));
    EXPECT_EQ(unended.exitCode, 1);
    const TRun ended = Run({"html", "--", "-menu.tmz"}, kBin / kToolFile, InFolder(dashed.parent_path()));
    EXPECT_EQ(ended.exitCode, 0) << ended.err;
    EXPECT_NE(ended.out.find("<!-- CODES BEGIN -->"), std::string::npos);
}

TEST_F(CliTest, ARunLeavesNoScratchFolderAndNoProbeFileAnywhere) {
    const fs::path project = Project("Deep Submenus", scratch_ / "site");
    const fs::path temporary = scratch_ / "tmp";
    fs::create_directories(temporary);
    const auto programFolderBefore = Listing(kBin);
    const std::string environment = WithTemporaryFolder(temporary);
    const fs::path gms = scratch_ / "menu.gms";
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"publish", project.u8string()}, {"html", project.u8string()},
          {"export-structure", project.u8string(), gms.u8string()},
          {"import-structure", gms.u8string(), (scratch_ / "back.tmz").u8string()},
          {"publish", (scratch_ / "missing.tmz").u8string()}}) {
        Run(args, kBin / kToolFile, environment);
    }
    EXPECT_TRUE(fs::is_empty(temporary));
    EXPECT_EQ(Listing(kBin), programFolderBefore);
    for (const std::string& name : Listing(scratch_ / "site")) {
        EXPECT_EQ(name.find(".~"), std::string::npos) << name;
        EXPECT_EQ(name.find("probe"), std::string::npos) << name;
    }
}

TEST_F(CliTest, PublishesIntoOneFolderAtOnceLeaveOneWholeSet) {
    // Two different menus under one name, published into the same folder
    // side by side: the folder must hold one of them whole, never a mix.
    const fs::path a = Project("Classic Blue", scratch_ / "a");
    const fs::path b = Project("Deep Submenus", scratch_ / "b");
    ASSERT_EQ(Run({"publish", a.u8string()}).exitCode, 0);
    ASSERT_EQ(Run({"publish", b.u8string()}).exitCode, 0);
    const auto setOf = [](const fs::path& folder) {
        std::vector<std::string> bytes;
        for (const char* name : {"tmzcfg.js", "menu.html", "menu.tmz", "menu_PublishReport.txt"})
            bytes.push_back(ReadBytes(folder / name));
        return bytes;
    };
    const auto setA = setOf(scratch_ / "a");
    const auto setB = setOf(scratch_ / "b");
    ASSERT_NE(setA[0], setB[0]);
    const fs::path shared = scratch_ / "shared";
    int mixed = 0;
    for (int round = 0; round < 30; ++round) {
        std::vector<std::thread> runs;
        for (const fs::path& project : {a, b})
            runs.emplace_back([&, project] { Run({"publish", project.u8string(), "--out", shared.u8string()}); });
        for (std::thread& run : runs) run.join();
        const auto set = setOf(shared);
        mixed += set != setA && set != setB;
    }
    EXPECT_EQ(mixed, 0);
}

TEST_F(CliTest, ThePageCodeIsClassicUnlessModernIsAskedFor) {
    const fs::path project = Project("Classic Blue", scratch_ / "site");
    const TRun classic = Run({"html", project.u8string()});
    EXPECT_EQ(Run({"html", project.u8string(), "--page-code", "classic"}).out, classic.out);
    EXPECT_NE(classic.out.find("document.write"), std::string::npos);

    const TRun modern = Run({"html", "--page-code=modern", project.u8string()});
    ASSERT_EQ(modern.exitCode, 0) << modern.err;
    EXPECT_EQ(modern.out.find("document.write"), std::string::npos);
    EXPECT_NE(modern.out.find("<nav class=\"trellimenu\""), std::string::npos);

    const fs::path out = scratch_ / "modern";
    ASSERT_EQ(Run({"publish", project.u8string(), "--out", out.u8string(), "--page-code", "modern"}).exitCode, 0);
    EXPECT_EQ(ReadBytes(out / "menu.html"), modern.out);
    EXPECT_TRUE(fs::exists(out / "tmzmenu.css"));
    EXPECT_FALSE(fs::exists(scratch_ / "site" / "tmzmenu.css"));
    // Both forms publish the same tmzcfg.js.
    ASSERT_EQ(Run({"publish", project.u8string()}).exitCode, 0);
    EXPECT_EQ(ReadBytes(out / "tmzcfg.js"), ReadBytes(scratch_ / "site" / "tmzcfg.js"));

    for (const std::vector<std::string>& wrong :
         {std::vector<std::string>{"html", project.u8string(), "--page-code", "fancy"},
          {"html", project.u8string(), "--page-code"},
          {"export-structure", project.u8string(), (scratch_ / "x.gms").u8string(), "--page-code", "modern"},
          {"html", project.u8string(), "--page-code", "modern", "--page-code", "modern"}}) {
        EXPECT_EQ(Run(wrong).exitCode, 1) << ::testing::PrintToString(wrong);
    }
}

TEST_F(CliTest, HelpAndVersionSucceed) {
    const TRun help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_NE(help.out.find("publish PROJECT.tmz [--out DIR]"), std::string::npos);
    const TRun version = Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "trellimenu-cli (Trellimenu 2006) 1.0\n");
}

TEST_F(CliTest, AMissingFileEndsWithTwoAndOneLineNamingIt) {
    const std::string missing = (scratch_ / "missing.tmz").u8string();
    for (const std::string& command : {"publish", "html"}) {
        const TRun run = Run({command, missing});
        EXPECT_EQ(run.exitCode, 2) << command;
        EXPECT_EQ(run.ErrLines(), 1) << run.err;
        EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("File not found"), std::string::npos) << run.err;
    }
    EXPECT_EQ(Run({"import-structure", (scratch_ / "missing.gms").u8string(), missing}).exitCode, 2);
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(CliTest, AForeignFileIsRefusedAndNothingIsWritten) {
    const fs::path page = scratch_ / "site" / "index.tmz";
    WriteBytes(page, "<HTML>\r\n<BODY>\r\n</BODY>\r\n</HTML>\r\n");
    const TRun run = Run({"publish", page.u8string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.ErrLines(), 1);
    EXPECT_NE(run.err.find(page.u8string()), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("This file wasn't saved by Trellimenu 2006 1.0, open failed!"), std::string::npos);
    EXPECT_EQ(Listing(scratch_ / "site"), std::vector<std::string>{"index.tmz"});

    const TRun import = Run({"import-structure", page.u8string(), (scratch_ / "out.tmz").u8string()});
    EXPECT_EQ(import.exitCode, 2);
    EXPECT_NE(import.err.find("This file wasn't saved by specified format, open failed!"), std::string::npos);
}

TEST_F(CliTest, ATruncatedProjectIsNotPublishedOverItself) {
    const fs::path project = Project("Classic Blue", scratch_ / "site");
    std::string bytes = ReadBytes(project);
    bytes.resize(bytes.find("</Item_Parameters>"));
    WriteBytes(project, bytes);
    const TRun run = Run({"publish", project.u8string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(ReadBytes(project), bytes);
    EXPECT_EQ(Listing(scratch_ / "site"), std::vector<std::string>{"menu.tmz"});
}

TEST_F(CliTest, PublishWritesWhatASaveWrites) {
    const fs::path project = Project("Deep Submenus", scratch_ / "site");
    const TRun run = Run({"publish", project.u8string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_EQ(Listing(scratch_ / "site"), PlannedNames(project));
    EXPECT_EQ(ReadBytes(scratch_ / "site" / "tmzmo.js"), ReadBytes(kBin / "tmzmo.js"));
    EXPECT_EQ(ReadBytes(scratch_ / "site" / "arrow_over.gif"), ReadBytes(kBin / "arrow_over.gif"))
        << "not beside the project: taken from the program folder";

    const TRun html = Run({"html", project.u8string()});
    EXPECT_EQ(html.exitCode, 0);
    EXPECT_EQ(html.out, ReadBytes(scratch_ / "site" / "menu.html"));
}

TEST_F(CliTest, PublishIntoAnotherFolderLeavesTheProjectAlone) {
    const fs::path project = Project("Forest Green", scratch_ / "site", "Forest.TMZ");
    WriteBytes(scratch_ / "site" / "arrow_normal.gif", "the project's own arrow");
    const std::string before = ReadBytes(project);
    const fs::path out = scratch_ / "public" / "menus";
    const TRun run = Run({"publish", "--out", out.u8string(), project.u8string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Listing(scratch_ / "site"), (std::vector<std::string>{"Forest.TMZ", "arrow_normal.gif"}));
    EXPECT_EQ(ReadBytes(project), before);
    EXPECT_EQ(Listing(out), PlannedNames(project));
    EXPECT_TRUE(fs::exists(out / "Forest.html"));
    EXPECT_EQ(ReadBytes(out / "arrow_normal.gif"), "the project's own arrow");
}

TEST_F(CliTest, AnUnwritableOutputFolderEndsWithTwo) {
    const fs::path project = Project("Ocean Teal", scratch_ / "site");
    WriteBytes(scratch_ / "blocker", "a file where a folder should be");
    const TRun run = Run({"publish", project.u8string(), "--out", (scratch_ / "blocker" / "sub").u8string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.ErrLines(), 1);
    EXPECT_NE(run.err.find((scratch_ / "blocker" / "sub").u8string()), std::string::npos) << run.err;
}

TEST_F(CliTest, WithoutTheRunTimeScriptsNothingIsPublished) {
    // A copy of the tool with no scripts beside it and an empty home.
    const fs::path lonely = scratch_ / "lonely" / "bin";
    fs::create_directories(lonely);
    fs::copy_file(kBin / kToolFile, lonely / kToolFile);
    const fs::path project = Project("Ocean Teal", scratch_ / "site");
    const TRun run = Run({"publish", project.u8string()}, lonely / kToolFile, WithDataHome(scratch_ / "home"));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.ErrLines(), 1);
    EXPECT_NE(run.err.find("tmzparams.js"), std::string::npos) << run.err;
    EXPECT_EQ(Listing(scratch_ / "site"), std::vector<std::string>{"menu.tmz"});
}

TEST_F(CliTest, StructureRoundTripWritesOnlyTheNamedFiles) {
    const fs::path project = Project("Deep Submenus", scratch_ / "site");
    const fs::path gms = scratch_ / "exchange" / "tree.gms";
    fs::create_directories(gms.parent_path());
    ASSERT_EQ(Run({"export-structure", project.u8string(), gms.u8string()}).exitCode, 0);
    EXPECT_EQ(Listing(gms.parent_path()), std::vector<std::string>{"tree.gms"});

    const fs::path imported = scratch_ / "exchange" / "imported.tmz";
    const TRun run = Run({"import-structure", gms.u8string(), imported.u8string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Listing(gms.parent_path()), (std::vector<std::string>{"imported.tmz", "tree.gms"}));

    TMenuDocument original, copy;
    TSilentStatus status;
    LoadProjectFile(project.u8string(), original, status);
    ASSERT_TRUE(LoadProjectFile(imported.u8string(), copy, status).Accepted());
    ASSERT_EQ(copy.ItemCount(), original.ItemCount());
    for (int i = 0; i < copy.ItemCount(); ++i) {
        for (int field : {ICaption, pURL, pLevel, pHasChildren, pSiblingPosition, pIsFirstItem}) {
            EXPECT_EQ(copy.items[i][field], original.items[i][field]) << "item " << i << " field " << field;
        }
    }
}

TEST_F(CliTest, StructureCommandsLeaveTheCurrentFolderAlone) {
    const fs::path project = Project("Deep Submenus", scratch_ / "site");
    // The author's own empty "preview" folder where the tool is run.
    const fs::path work = scratch_ / "work";
    fs::create_directories(work / "preview");
    const std::string inWork = InFolder(work);
    const fs::path gms = scratch_ / "tree.gms";
    ASSERT_EQ(Run({"export-structure", project.u8string(), gms.u8string()}, kBin / kToolFile, inWork).exitCode, 0);
    ASSERT_EQ(Run({"import-structure", gms.u8string(), (scratch_ / "copy.tmz").u8string()}, kBin / kToolFile, inWork)
                  .exitCode,
              0);
    EXPECT_TRUE(fs::is_directory(work / "preview"));
    EXPECT_EQ(Listing(work), std::vector<std::string>{"preview"});
}

TEST_F(CliTest, ParallelPublishesDoNotInterfere) {
    const std::vector<std::string> templates = {"Classic Blue", "Deep Submenus", "Forest Green", "Graphite Night",
                                                "Ocean Teal",   "Sunset Orange", "Classic Blue", "Deep Submenus"};
    // The expected bytes come from runs one after another.
    std::vector<fs::path> serial, parallel;
    for (size_t i = 0; i < templates.size(); ++i) {
        serial.push_back(Project(templates[i], scratch_ / ("serial" + std::to_string(i))));
        parallel.push_back(Project(templates[i], scratch_ / ("parallel" + std::to_string(i))));
        ASSERT_EQ(Run({"publish", serial.back().u8string()}).exitCode, 0);
    }
    for (int round = 0; round < 3; ++round) {
        std::vector<std::thread> runs;
        std::vector<int> codes(templates.size(), -1);
        for (size_t i = 0; i < templates.size(); ++i) {
            runs.emplace_back([&, i] { codes[i] = Run({"publish", parallel[i].u8string()}).exitCode; });
        }
        for (std::thread& run : runs) run.join();
        for (size_t i = 0; i < templates.size(); ++i) {
            SCOPED_TRACE(templates[i] + " run " + std::to_string(i) + " round " + std::to_string(round));
            ASSERT_EQ(codes[i], 0);
            for (const char* name : {"tmzcfg.js", "menu.html", "menu.tmz", "menu_PublishReport.txt"}) {
                EXPECT_EQ(ReadBytes(parallel[i].parent_path() / name), ReadBytes(serial[i].parent_path() / name))
                    << name;
            }
        }
    }
}

TEST_F(CliTest, APublishIntoALockedFolderSaysItWaitsAndGivesUpAfterWait) {
    const fs::path project = Project("Classic Blue", scratch_ / "site");
    const std::string folder = fs::canonical(scratch_ / "site").u8string();
    const std::string waiting = "Waiting for another save into " + folder + " to finish\xE2\x80\xA6\n";
#if defined(_WIN32)
    // Held as another save holds it: the hidden lock file, locked.
    TFolderLock held;
    ASSERT_EQ(SystemSaveFileSystem().TryLockFolder(folder, held), 0);
    const auto release = [&held] { SystemSaveFileSystem().UnlockFolder(held); };
#else
    const int held = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const auto release = [held] { ::close(held); };
#endif

    const auto start = std::chrono::steady_clock::now();
    const TRun givenUp = Run({"publish", project.u8string(), "--wait", "2"});
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(givenUp.exitCode, 2);
    EXPECT_EQ(givenUp.err, waiting + "trellimenu-cli: " + folder + " is locked by another save\n");
    EXPECT_GE(seconds, 2.0);
    EXPECT_LT(seconds, 10.0);
    EXPECT_FALSE(fs::exists(scratch_ / "site" / "menu.html"));

    // Released once it says it waits (no fixed delay: under a loaded emulator
    // the tool can take longer than any to start): the publish goes on.
    const std::vector<std::string> earlierRuns = Listing(scratch_);
    std::thread releasing([&] {
        const auto saysItWaits = [&] {
            for (const std::string& name : Listing(scratch_)) {
                const bool newOutput = name.size() > 4 && name.compare(name.size() - 4, 4, ".err") == 0 &&
                                       std::find(earlierRuns.begin(), earlierRuns.end(), name) == earlierRuns.end();
                if (newOutput && ReadBytes(scratch_ / name) == waiting) return true;
            }
            return false;
        };
        for (int i = 0; i < 1200 && !saysItWaits(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        release();
    });
    const TRun waited = Run({"publish", project.u8string(), "--wait", "10"});
    releasing.join();
    EXPECT_EQ(waited.exitCode, 0);
    EXPECT_EQ(waited.err, waiting);
    EXPECT_TRUE(fs::exists(scratch_ / "site" / "menu.html"));
}

TEST_F(CliTest, NamesBeyondOneCodePageArePublished) {
    // Japanese and Latin-1 letters together fit in no ANSI code page.
    const fs::path folder = scratch_ / fs::u8path(u8"\u30B5\u30A4\u30C8 caf\u00E9");
    const fs::path project = Project("Classic Blue", folder, u8"men\u00FC.tmz");
    const TRun run = Run({"publish", project.u8string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::exists(folder / fs::u8path(u8"men\u00FC.html")));
    EXPECT_TRUE(fs::exists(folder / "tmzcfg.js"));
    const TRun missing = Run({"publish", (folder / fs::u8path(u8"\u00E9t\u00E9.tmz")).u8string()});
    EXPECT_EQ(missing.exitCode, 2);
    EXPECT_NE(missing.err.find(u8"\u30B5\u30A4\u30C8 caf\u00E9"), std::string::npos) << missing.err;
}

namespace {

// Names that no Western ANSI code page (Windows-1252) can hold.
const std::string kGreek = "\u03a9\u03bc\u03ad\u03b3\u03b1";         // Ωμέγα
const std::string kGreekUpper = "\u03a9\u039c\u0388\u0393\u0391";    // ΩΜΈΓΑ
const std::string kJapanese = "\u65e5\u672c\u8a9e";                     // 日本語
const std::string kSep(1, static_cast<char>(fs::path::preferred_separator));

}  // namespace

TEST_F(CliTest, AProjectInAFolderNamedOutsideTheAnsiCodePagePublishes) {
    const fs::path site = scratch_ / fs::u8path(kGreek + " " + kJapanese);
    const fs::path project = Project("Deep Submenus", site, kGreek + ".tmz");
    WriteBytes(site / "arrow_normal.gif", "the project's own arrow");
    // Links to the site's own pages, written in another case, become links
    // on the web server.
    const std::string siteText = scratch_.u8string() + kSep + kGreek + " " + kJapanese + kSep;
    TMenuDocument document;
    TSilentStatus status;
    ASSERT_TRUE(LoadProjectFile(project.u8string(), document, status).Accepted());
    document.applet[pInternalUse_RootDir_Local] = siteText;
    document.applet[pInternalUse_RootDir_Remote] = "https://example.org/";
    document.applet[pInternalUse_RootDir_Local_Checked] = "0";
    document.items[0][pURL] = scratch_.u8string() + kSep + kGreekUpper + " " + kJapanese + kSep + "page.html";
    SaveProjectFile(document, project.u8string(), status);

    const fs::path out = scratch_ / fs::u8path(kJapanese) / "menus";
    const TRun run = Run({"publish", project.u8string(), "--out", out.u8string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_EQ(Listing(out), PlannedNames(project));
    EXPECT_EQ(ReadBytes(out / "arrow_normal.gif"), "the project's own arrow");
    EXPECT_EQ(ReadBytes(out / "tmzmo.js"), ReadBytes(kBin / "tmzmo.js"));
    const std::string config = ReadBytes(out / "tmzcfg.js");
    EXPECT_NE(config.find("https://example.org/page.html"), std::string::npos) << config.substr(0, 2000);

    // Published beside itself, and nothing made anywhere else.
    ASSERT_EQ(Run({"publish", project.u8string()}).exitCode, 0);
    EXPECT_EQ(Listing(site), PlannedNames(project));
    std::vector<std::string> made;
    for (const std::string& name : Listing(scratch_))
        if (name.rfind("run", 0) != 0) made.push_back(name);
    EXPECT_EQ(made, (std::vector<std::string>{"site", kGreek + " " + kJapanese, kJapanese}));  // sorted by bytes
}

TEST_F(CliTest, AnInstallAndADataHomeNamedOutsideTheAnsiCodePagePublish) {
    // The tool alone in <prefix>/bin, the run-time files in
    // <prefix>/share/trellimenu, copied from there into the user's folder.
    const fs::path prefix = scratch_ / fs::u8path(kJapanese + " " + kGreek);
    const fs::path share = prefix / "share" / "trellimenu";
    fs::create_directories(prefix / "bin");
    fs::create_directories(share);
    fs::copy_file(kBin / kToolFile, prefix / "bin" / kToolFile);
    for (const auto& entry : fs::directory_iterator(kBin)) {
        const std::string extension = entry.path().extension().u8string();
        if (extension == ".js" || extension == ".gif") fs::copy_file(entry.path(), share / entry.path().filename());
    }
    const fs::path home = scratch_ / fs::u8path(kGreek);
    const fs::path project = Project("Ocean Teal", scratch_ / "site");
    const TRun run = Run({"publish", project.u8string()}, prefix / "bin" / kToolFile, WithDataHome(home));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadBytes(scratch_ / "site" / "tmzmo.js"), ReadBytes(kBin / "tmzmo.js"));
    EXPECT_EQ(ReadBytes(home / "data" / "Varn" / "Trellimenu 2006" / "tmzparams.js"), ReadBytes(kBin / "tmzparams.js"));
}
