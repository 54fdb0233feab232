// The preview folder: what is copied there, how it lists the copies,
// and how cleaning removes exactly those.
#include <gtest/gtest.h>

#include "codegen/previewfolder.h"
#include "codegen/publishing.h"
#include "test_codegen_support.h"

using namespace codegentest;

namespace {

class PreviewTest : public ::testing::Test {
protected:
    PreviewTest() {
        program_ = scratch_.Folder("program");
        source_ = scratch_.Folder("source");
        preview_.SetProgramFolder(program_);
    }
    std::string Source(const std::string& name, const std::string& bytes = "data") {
        WriteBytes(source_ + name, bytes);
        return source_ + name;
    }
    fs::path Preview() const { return fs::path(program_) / "preview"; }
    const TStringArray& Listed() const { return preview_.PreviewFiles(); }

    ScratchFolder scratch_;
    MenuFixture menu_;
    TPreviewFolder preview_;
    std::string program_;
    std::string source_;
};

}  // namespace

TEST_F(PreviewTest, CopiesAreListedInOrderEvenTwiceOrWhenTheyFail) {
    preview_.CopyToPreview(Source("a.gif", "first"));
    preview_.CopyToPreview(source_ + "missing.gif");
    preview_.CopyToPreview(Source("a.gif", "second"));
    EXPECT_EQ(Listed(), (TStringArray{"a.gif", "missing.gif", "a.gif"}));
    EXPECT_EQ(ReadBytes(Preview() / "a.gif"), "second");
    EXPECT_FALSE(fs::exists(Preview() / "missing.gif"));
}

TEST_F(PreviewTest, ScriptsAreCopiedFromTheGivenFolderInTheirOrder) {
    for (const std::string& name : ScriptFileNames()) Source(name, "// " + name);
    preview_.CopyScriptsToPreview(source_);
    EXPECT_EQ(Listed(), ScriptFileNames());
    EXPECT_EQ(ReadBytes(Preview() / "tmzop.js"), "// tmzop.js");
}

TEST_F(PreviewTest, ArrowImagesSkipEmptyFieldsAndReportProgress) {
    RecordingStatus status;
    Source("arrow_normal.gif");
    menu_.SetApplet(pSubMenuArrowFileOver, "");
    preview_.CopyArrowImagesToPreview(source_, menu_.agent.GetAppletData(), status);
    EXPECT_EQ(Listed(), TStringArray{"arrow_normal.gif"});
    EXPECT_TRUE(fs::exists(Preview() / "arrow_normal.gif"));
    EXPECT_EQ(status.calls, (std::vector<std::string>{"max 100", "hint Copying Resource Files ... ...", "busy",
                                                      "step 50", "step 50", "position 0", "hint ", "idle"}));
}

TEST_F(PreviewTest, ClearingRemovesTheCopiesAndTheEmptyFolder) {
    preview_.CopyToPreview(Source("a.gif"));
    preview_.CopyToPreview(Source("b.gif"));
    preview_.ClearPreview();
    EXPECT_TRUE(Listed().empty());
    EXPECT_FALSE(fs::exists(Preview()));
    preview_.ClearPreview();  // a second run finds nothing to do
    EXPECT_FALSE(fs::exists(Preview()));
    EXPECT_TRUE(fs::exists(source_ + "a.gif")) << "the sources stay";
}

TEST_F(PreviewTest, AForeignFileIsKeptAndSoIsTheFolder) {
    fs::create_directories(Preview());
    WriteBytes(Preview() / "left-by-earlier-run.html", "x");
    preview_.CopyToPreview(Source("a.gif"));
    preview_.ClearPreview();
    EXPECT_FALSE(fs::exists(Preview() / "a.gif"));
    EXPECT_TRUE(fs::exists(Preview() / "left-by-earlier-run.html"));
    EXPECT_TRUE(Listed().empty());
}

TEST_F(PreviewTest, NamesThatAreNoFileNeverDeleteAFolder) {
    fs::create_directories(Preview() / "sub");
    preview_.CopyToPreview(source_ + "..");
    preview_.CopyToPreview(source_);  // a folder path: its name part is empty
    preview_.CopyToPreview(Preview().string() + "/sub");
    EXPECT_EQ(Listed(), (TStringArray{"..", "", "sub"}));
    preview_.ClearPreview();
    EXPECT_TRUE(fs::is_directory(Preview() / "sub"));
    EXPECT_TRUE(fs::is_directory(program_));
}
