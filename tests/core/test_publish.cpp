// Publishing at save time: the base name, the file set said in advance, the
// report, and what happens when the target folder cannot be written.
#include <gtest/gtest.h>

#include <algorithm>

#include "codegen/publishing.h"
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
        for (const std::string& name : menu_.agent.ScriptFileNames()) WriteBytes(program_ + name, "// " + name);
        menu_.agent.SetProgramFolder(program_);
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
        menu_.agent.MakePublishReport(site_, "report.txt");
        return ReadBytes(site_ + "report.txt");
    }

    ScratchFolder scratch_;
    MenuFixture menu_;
    std::string program_;
    std::string site_;
};

}  // namespace

TEST(PublishBaseName, RemovesEveryOccurrenceOfTheExtension) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"menu.tmz", "menu"}, {"MENU.TMZ", "MENU"},      {"a.tmz.tmz", "a"}, {"A.Tmz.TMZ", "A"},
        {"menu", "menu"},     {"my.menu.tmz", "my.menu"}, {"site.v2", "site"},
    };
    for (const auto& [name, base] : cases) EXPECT_EQ(PublishBaseName(name), base) << name;
}

TEST_F(PublishTest, SaveWritesExactlyThePlannedFiles) {
    menu_.agent.CopyArrowImagesToPreview(program_);  // nothing there yet: listed, not copied
    WriteBytes(menu_.agent.PreviewFolder() + "arrow_normal.gif", "normal");
    WriteBytes(menu_.agent.PreviewFolder() + "arrow_over.gif", "over");

    const TPublishPlan plan(menu_.agent, site_, "Menu.TMZ");
    EXPECT_EQ(plan.File(Kind::Page).name, "Menu.html");
    EXPECT_EQ(plan.File(Kind::Project).name, "Menu.tmz");
    EXPECT_EQ(plan.File(Kind::Report).name, "Menu_PublishReport.txt");
    for (const std::string& path : plan.Paths()) EXPECT_FALSE(fs::exists(path)) << path;

    EXPECT_TRUE(menu_.agent.SaveAndPublish(site_, "Menu.TMZ"));
    std::vector<std::string> planned;
    for (const TPublishedFile& file : plan.Files()) planned.push_back(file.name);
    std::sort(planned.begin(), planned.end());
    EXPECT_EQ(SiteFiles(), planned);
    EXPECT_EQ(ReadBytes(site_ + "tmzop.js"), "// tmzop.js");
    EXPECT_EQ(ReadBytes(site_ + "tmzcfg.js"), ReadBytes(program_ + "tmzcfg.js")) << "the fresh one";
    EXPECT_EQ(ReadBytes(site_ + "arrow_over.gif"), "over");

    MenuFixture reloaded;
    EXPECT_TRUE(reloaded.agent.LoadProject(site_ + "Menu.tmz", reloaded.tree).Accepted());
    ASSERT_EQ(reloaded.agent.ItemCount(), 3);
    EXPECT_EQ(reloaded.agent.Items()[1][pHasChildren], "1") << "saved after the generator's pre-pass";
}

TEST_F(PublishTest, ImagesNeverPreviewedAreSilentlyLeftOut) {
    EXPECT_TRUE(menu_.agent.SaveAndPublish(site_, "menu.tmz"));
    EXPECT_FALSE(fs::exists(site_ + "arrow_normal.gif"));
    EXPECT_TRUE(fs::exists(site_ + "menu_PublishReport.txt"));
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
    menu_.agent.SetStatusDisplay(&status);
    Report("a.gif", "b.gif");
    std::vector<std::string> expected = {"max 101", "hint Making Publish Report ... ...", "busy"};
    expected.insert(expected.end(), 5, "step 1");
    expected.insert(expected.end(), {"step 50", "step 50", "position 0", "hint ", "idle"});
    EXPECT_EQ(status.calls, expected);
}

TEST_F(PublishTest, ThePublishCommandsReportIsTheSavedOne) {
    menu_.agent.SaveAndPublish(site_, "menu.tmz");
    const fs::path previous = fs::current_path();
    fs::current_path(scratch_.Path());
    menu_.agent.MakePublishReport("", "PublishReport.txt");
    fs::current_path(previous);
    EXPECT_EQ(ReadBytes(scratch_.Path() / "PublishReport.txt"), ReadBytes(site_ + "menu_PublishReport.txt"));
}

TEST_F(PublishTest, AnUnwritableFolderFailsBeforeAnythingIsWritten) {
    const std::string missing = (scratch_.Path() / "gone").string() + "/";
    try {
        menu_.agent.SaveAndPublish(missing, "menu.tmz");
        FAIL() << "no error";
    } catch (const TFileError& e) {
        EXPECT_EQ(e.Path(), missing + "menu.html");
    }
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(PublishTest, SaveReportsEachStepThroughTheStatusArea) {
    RecordingStatus status;
    menu_.agent.SetStatusDisplay(&status);
    menu_.agent.SaveAndPublish(site_, "menu.tmz");
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
    menu_.agent.CopyToPreview(Put("escape.gif"));
    const std::string deep = scratch_.Folder("site/deep");
    const TPublishPlan plan(menu_.agent, deep, "menu.tmz");
    ASSERT_EQ(plan.FilesOf(Kind::ArrowImage).size(), 1u);
    EXPECT_EQ(plan.FilesOf(Kind::ArrowImage)[0].name, "escape.gif");

    menu_.agent.SaveAndPublish(deep, "menu.tmz");
    EXPECT_TRUE(fs::exists(deep + "escape.gif"));
    EXPECT_FALSE(fs::exists(scratch_.Path() / "escape.gif"));
    EXPECT_FALSE(fs::exists(site_ + "escape.gif"));
}
