// Publishing at save time: the names, the file set said in advance, where
// the arrow images come from, the report, and what a failed save leaves.
#include <gtest/gtest.h>

#include <algorithm>

#include "codegen/previewfolder.h"
#include "codegen/publishing.h"
#include "files/projectfile.h"
#include "files/textfile.h"
#include "test_codegen_support.h"

using namespace codegentest;

namespace {

using Kind = TPublishedFile::Kind;

class PublishTest : public ::testing::Test {
protected:
    PublishTest() : menu_({{0, "Home"}, {0, "Products"}, {1, "Tools"}}) {
        program_ = scratch_.Folder("program");
        site_ = scratch_.Folder("site");
        for (const std::string& name : ScriptFileNames()) WriteBytes(program_ + name, "// " + name);
        preview_.SetProgramFolder(program_);
        setup_.programFolder = program_;
        setup_.imageFolders = {preview_.Folder(), program_};
    }
    std::vector<std::string> SiteFiles() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(site_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string Put(const std::string& name) {
        WriteBytes(scratch_.Folder("elsewhere") + name, name);
        return scratch_.Folder("elsewhere") + name;
    }
    std::string Report(const std::string& normal, const std::string& over) {
        menu_.SetApplet(pSubMenuArrowFileNormal, normal);
        menu_.SetApplet(pSubMenuArrowFileOver, over);
        TSilentStatus status;
        return MakePublishReport(menu_.agent.Document(), status);
    }
    TPublishResult Save(const std::string& folder, const std::string& name, TStatusDisplay* status = nullptr) {
        TSilentStatus silent;
        return SaveAndPublish(menu_.agent.Document(), setup_, folder, name, status ? *status : silent);
    }

    ScratchFolder scratch_;
    MenuFixture menu_;
    TPreviewFolder preview_;
    TPublishSetup setup_;
    TSilentStatus silent_;
    std::string program_;
    std::string site_;
};

}  // namespace

TEST(PublishNames, TheBaseNameLosesTheLastExtensionOnlyAndTmzNamesAreKept) {
    // chosen name, base name, project file
    const std::vector<std::vector<std::string>> cases = {
        {"menu.tmz", "menu", "menu.tmz"},          {"MENU.TMZ", "MENU", "MENU.TMZ"},
        {"a.tmz.tmz", "a.tmz", "a.tmz.tmz"},       {"A.Tmz.TMZ", "A.Tmz", "A.Tmz.TMZ"},
        {"menu", "menu", "menu.tmz"},              {"menu.txt", "menu", "menu.tmz"},
        {"my.tmzfile.tmz", "my.tmzfile", "my.tmzfile.tmz"}, {"site.v2", "site", "site.tmz"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PublishBaseName(c[0]), c[1]) << c[0];
        EXPECT_EQ(ProjectFileNameFor(c[0]), c[2]) << c[0];
    }
}

TEST_F(PublishTest, SaveWritesExactlyThePlannedFiles) {
    fs::create_directories(preview_.Folder());
    WriteBytes(preview_.Folder() + "arrow_normal.gif", "normal");
    WriteBytes(preview_.Folder() + "arrow_over.gif", "over");

    const TPublishPlan plan(menu_.agent.GetAppletData(), setup_, site_, "Menu.TMZ");
    EXPECT_EQ(plan.File(Kind::Page).name, "Menu.html");
    EXPECT_EQ(plan.File(Kind::Project).name, "Menu.TMZ");
    EXPECT_EQ(plan.File(Kind::Report).name, "Menu_PublishReport.txt");
    for (const std::string& path : plan.Paths()) EXPECT_FALSE(fs::exists(path)) << path;

    const TPublishResult result = Save(site_, "Menu.TMZ");
    EXPECT_EQ(result.projectPath, site_ + "Menu.TMZ");
    std::vector<std::string> planned;
    for (const TPublishedFile& file : plan.Files()) planned.push_back(file.name);
    std::sort(planned.begin(), planned.end());
    EXPECT_EQ(SiteFiles(), planned);
    EXPECT_EQ(ReadBytes(site_ + "tmzop.js"), "// tmzop.js");
    EXPECT_EQ(ReadBytes(site_ + "tmzcfg.js"), GenerateMenu(menu_.agent.Document(), silent_).script);
    EXPECT_EQ(ReadBytes(site_ + "arrow_over.gif"), "over");

    MenuFixture reloaded;
    TSilentStatus status;
    EXPECT_TRUE(LoadProjectFile(site_ + "Menu.TMZ", reloaded.agent.Document(), status).Accepted());
    ASSERT_EQ(reloaded.agent.ItemCount(), 3);
    EXPECT_EQ(reloaded.agent.Items()[1][pHasChildren], "1") << "saved after the generator's pre-pass";
    EXPECT_EQ(reloaded.agent.Document().items, result.published.items);
}

TEST_F(PublishTest, ANameEndingInTmzTwiceNeverTouchesAnotherProject) {
    WriteBytes(site_ + "a.tmz", "another project");
    const TPublishResult result = Save(site_, "a.tmz.tmz");
    EXPECT_EQ(ReadBytes(site_ + "a.tmz"), "another project");
    EXPECT_TRUE(fs::exists(site_ + "a.tmz.tmz"));
    EXPECT_TRUE(fs::exists(site_ + "a.tmz.html"));
    EXPECT_TRUE(fs::exists(site_ + "a.tmz_PublishReport.txt"));
    EXPECT_EQ(result.projectPath, site_ + "a.tmz.tmz");
}

TEST_F(PublishTest, ArrowImagesComeFromThePreviewThenTheProjectThenTheProgramFolder) {
    const std::string project = scratch_.Folder("project");
    setup_.imageFolders = {preview_.Folder(), project, program_};
    WriteBytes(program_ + "arrow_normal.gif", "program normal");
    WriteBytes(program_ + "arrow_over.gif", "program over");
    WriteBytes(project + "arrow_normal.gif", "project normal");
    const TPublishResult result = Save(site_, "menu.tmz");
    EXPECT_EQ(ReadBytes(site_ + "arrow_normal.gif"), "project normal");
    EXPECT_EQ(ReadBytes(site_ + "arrow_over.gif"), "program over");
    EXPECT_TRUE(result.missingImages.empty());

    preview_.CopyToPreview(Put("arrow_normal.gif"));
    Save(site_, "menu.tmz");
    EXPECT_EQ(ReadBytes(site_ + "arrow_normal.gif"), "arrow_normal.gif");
}

TEST_F(PublishTest, AnImageFoundNowhereIsNamedAndTheReportStillListsIt) {
    menu_.SetApplet(pSubMenuArrowFileOver, "missing.gif");
    WriteBytes(program_ + "arrow_normal.gif", "normal");
    const TPublishResult result = Save(site_, "menu.tmz");
    EXPECT_EQ(result.missingImages, std::vector<std::string>{"missing.gif"});
    EXPECT_FALSE(fs::exists(site_ + "missing.gif"));
    EXPECT_NE(ReadBytes(site_ + "menu_PublishReport.txt").find("  missing.gif\r\n"), std::string::npos);
}

TEST_F(PublishTest, ReportListsEachImageOnce) {
    ExpectGolden("report_two_images", "report.txt", Report("arrow_normal.gif", "arrow_over.gif"));
    ExpectGolden("report_same_image", "report.txt", Report("arrow.gif", "arrow.gif"));
    ExpectGolden("report_letter_case", "report.txt", Report("arrow.gif", "ARROW.gif"));
    ExpectGolden("report_no_images", "report.txt", Report("", ""));
    ExpectGolden("report_over_only", "report.txt", Report("", "arrow_over.gif"));
}

TEST_F(PublishTest, ReportReportsProgress) {
    RecordingStatus status;
    MakePublishReport(menu_.agent.Document(), status);
    std::vector<std::string> expected = {"max 101", "hint Making Publish Report ... ...", "busy"};
    expected.insert(expected.end(), 5, "step 1");
    expected.insert(expected.end(), {"step 50", "step 50", "position 0", "hint ", "idle"});
    EXPECT_EQ(status.calls, expected);
}

TEST_F(PublishTest, ThePublishCommandsReportIsTheSavedOne) {
    Save(site_, "menu.tmz");
    TSilentStatus status;
    EXPECT_EQ(MakePublishReport(menu_.agent.Document(), status), ReadBytes(site_ + "menu_PublishReport.txt"));
}

TEST_F(PublishTest, AMissingFolderFailsNamingTheFolderAndWritesNothing) {
    const std::string missing = (scratch_.Path() / "gone").string() + "/";
    try {
        Save(missing, "menu.tmz");
        FAIL() << "no error";
    } catch (const TFileError& e) {
        EXPECT_NE(e.Path().find("gone"), std::string::npos) << e.what();
        EXPECT_EQ(e.Reason(), "File not found");
    }
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(PublishTest, AMissingScriptFailsTheWholeSave) {
    WriteBytes(site_ + "menu.tmz", "old project");
    fs::remove(program_ + "tmzop.js");
    try {
        Save(site_, "menu.tmz");
        FAIL() << "no error";
    } catch (const TFileError& e) {
        EXPECT_EQ(e.Path(), program_ + "tmzop.js");
    }
    EXPECT_EQ(SiteFiles(), std::vector<std::string>{"menu.tmz"});
    EXPECT_EQ(ReadBytes(site_ + "menu.tmz"), "old project");
}

TEST_F(PublishTest, SaveReportsEachStepThroughTheStatusArea) {
    RecordingStatus status;
    Save(site_, "menu.tmz", &status);
    std::vector<std::string> hints;
    for (const std::string& call : status.calls) {
        if (call.rfind("hint ", 0) == 0 && call != "hint ") hints.push_back(call.substr(5));
    }
    EXPECT_EQ(hints, (std::vector<std::string>{"Making HTML Codes ... ...", "Saving Data ... ...",
                                               "Making Publish Report ... ...", "Copying Publishable Files ... ..."}));
    const std::vector<std::string> tail(status.calls.end() - 8, status.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"max 100", "hint Copying Publishable Files ... ...", "busy", "step 50",
                                              "step 50", "position 0", "hint ", "idle"}));
}

TEST_F(PublishTest, AnImageNameWithFoldersNeverLeavesThePublishFolder) {
    menu_.SetApplet(pSubMenuArrowFileNormal, "../../escape.gif");
    menu_.SetApplet(pSubMenuArrowFileOver, "sub/escape.gif");
    preview_.CopyToPreview(Put("escape.gif"));
    const std::string deep = scratch_.Folder("site/deep");
    const TPublishPlan plan(menu_.agent.GetAppletData(), setup_, deep, "menu.tmz");
    ASSERT_EQ(plan.FilesOf(Kind::ArrowImage).size(), 1u);
    EXPECT_EQ(plan.FilesOf(Kind::ArrowImage)[0].name, "escape.gif");

    Save(deep, "menu.tmz");
    EXPECT_TRUE(fs::exists(deep + "escape.gif"));
    EXPECT_FALSE(fs::exists(scratch_.Path() / "escape.gif"));
    EXPECT_FALSE(fs::exists(site_ + "escape.gif"));
}
