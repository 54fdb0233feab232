#include <gtest/gtest.h>

#include "files/projectfile.h"
#include "files/textfile.h"
#include "model/appletagent.h"
#include "test_files_support.h"

using testfiles::ExpectLevelsInShape;
using testfiles::GoldenPath;
using testfiles::ReadBytes;
using testfiles::TRecordingStatus;

namespace {

// Fields the generator fills before every save, as it does for a lone main-menu item.
TItemData GeneratedLoneItem()
{
    TItemData item = NewDefaultItem();
    item[pHasChildren] = "0";
    item[pSiblingPosition] = "3";
    item[pIsFirstItem] = "1";
    item[pLevel] = "0";
    return item;
}

std::string ProjectText(const std::string& parameterLine, const std::vector<std::string>& itemLines,
                        bool closed = true)
{
    std::string text =
        "<Warning_Info>\r\nanything\r\ngoes here\r\n</Warning_Info>\r\n<Product_Name>\r\nTrellimenu 2006\r\n</Product_Name>\r\n"
        "<Product_Version>\r\n0.9\r\n</Product_Version>\r\n<Applet_Parameters>\r\n" +
        parameterLine + "\r\n</Applet_Parameters>\r\n<Item_Parameters>\r\n";
    for (const auto& line : itemLines)
        text += line + "\r\n";
    if (closed)
        text += "</Item_Parameters>\r\n";
    return text;
}

std::string ItemLine(const std::string& caption, const std::string& level)
{
    std::string line = caption + "#$@";
    for (int i = 1; i < kItemFieldCount; ++i)
        line += (i == pLevel ? level : std::string()) + "#$@";
    return line;
}

class ProjectFileTest : public testfiles::ScratchFolderTest {
protected:
    ProjectFileTest() { agent.ResetAppletToDefaults(); }

    TReadResult Load(const std::string& path) { return ReadInto(ReadProjectFile, path, agent.Document(), status); }
    void Save(const std::string& path) { SaveProjectFile(agent.Document(), path, status); }

    // A document the tests can recognise after a refused read.
    void OpenSomething()
    {
        agent.Document().items.push_back(NewDefaultItem());
        TAppletData data = agent.GetAppletData();
        data[pItemNoColor] = "ABCDEF";
        agent.SetAppletData(data);
    }
    void ExpectUnchanged() const
    {
        EXPECT_EQ(agent.ItemCount(), 1);
        EXPECT_EQ(agent.GetAppletData()[pItemNoColor], "ABCDEF");
    }
    void ExpectStatusReset() const
    {
        EXPECT_EQ(status.hint, "");
        EXPECT_EQ(status.position, 0);
        EXPECT_FALSE(status.busy);
    }

    TRecordingStatus status;
    TvarnAppletAgent agent;
};

}  // namespace

TEST_F(ProjectFileTest, SavesByteForByte)
{
    agent.Document().items.push_back(GeneratedLoneItem());
    Save(PathOf("one.tmz"));
    EXPECT_EQ(ReadBytes(PathOf("one.tmz")), ReadBytes(GoldenPath("default_one_item.tmz")));

    agent.ResetAppletToDefaults();
    Save(PathOf("empty.tmz"));
    EXPECT_EQ(ReadBytes(PathOf("empty.tmz")), ReadBytes(GoldenPath("empty_menu.tmz")));
}

TEST_F(ProjectFileTest, SaveReportsProgressAndResetsTheStatus)
{
    agent.Document().items = {GeneratedLoneItem(), GeneratedLoneItem()};
    Save(PathOf("two.tmz"));
    EXPECT_EQ(status.calls, (std::vector<std::string>{"max:91", "hint:Saving Data ... ...", "busy", "position:0",
                                                      "hint:", "normal"}));
    EXPECT_EQ(status.reached, 91);
}

TEST_F(ProjectFileTest, LoadsWhatItSaves)
{
    TAppletData data = DefaultAppletData();
    data[pSoundFile] = "C:\\sounds\\click.wav";  // not carried by the file
    data[pOnClickEventHandler] = "  alert('hi');  ";
    agent.SetAppletData(data);
    for (int level : {0, 1, 1, 0}) {
        TItemData item = NewDefaultItem();
        item[ICaption] = "Caption " + std::to_string(agent.ItemCount());
        item[pURL] = "page.html?x=1&y=<2>";
        item[pLevel] = std::to_string(level);
        agent.Document().items.push_back(item);
    }
    const TItemArray saved = agent.Items();
    Save(PathOf("menu.tmz"));

    TvarnAppletAgent other;
    const TReadResult result = testfiles::OpenProject(PathOf("menu.tmz"), other);
    EXPECT_EQ(result.status, TReadResult::Complete);
    EXPECT_EQ(other.Items(), saved);
    EXPECT_EQ(other.GetAppletData()[pSoundFile], "");
    EXPECT_EQ(other.GetAppletData()[pOnClickEventHandler], "  alert('hi');  ");
    EXPECT_EQ(other.GetAppletData(), StringsToApplet(AppletToStrings(data)));
    EXPECT_EQ(other.LoadedFileVersion(), "1.0");
}

TEST_F(ProjectFileTest, LoadReplacesTheDocumentAndReportsStatus)
{
    OpenSomething();
    const TReadResult result = Load(GoldenPath("empty_menu.tmz"));
    EXPECT_TRUE(result.Accepted());
    EXPECT_EQ(agent.ItemCount(), 0);
    EXPECT_EQ(agent.GetAppletData(), StringsToApplet(AppletToStrings(DefaultAppletData())));
    EXPECT_EQ(status.calls, (std::vector<std::string>{"hint:Loading Data ... ...", "busy", "position:0", "hint:",
                                                      "normal"}));
}

TEST_F(ProjectFileTest, ShortProductNameIsAccepted)
{
    const std::string path = Put("short.tmz", "<Product_Name>\r\nTrellimenu\r\n<Product_Version>\r\n1.0\r\n"
                                              "<Applet_Parameters>\r\n\r\n<Item_Parameters>\r\n</Item_Parameters>\r\n");
    EXPECT_EQ(Load(path).status, TReadResult::Complete);
}

TEST_F(ProjectFileTest, ForeignAndHeaderlessFilesAreRefusedAndChangeNothing)
{
    OpenSomething();
    const std::string golden = ReadBytes(GoldenPath("default_one_item.tmz"));
    std::string lfOnly;
    for (char c : golden)
        if (c != '\r')
            lfOnly += c;
    const std::vector<std::string> refused = {
        "",                                                          // empty
        lfOnly,                                                      // one long line to a CR reader
        "<html><body>not a menu</body></html>\r\n",                  // no header at all
        "<Product_Name>\r\n",                                        // header without a name
        "<Product_Name>\r\nSomething Else\r\n</Product_Name>\r\n",  // another product
        "<Product_Name>\r\nGeneral Menu Structure Description Format\r\n",
        std::string("\x1A") + golden,                                // Ctrl-Z before anything
    };
    for (size_t i = 0; i < refused.size(); ++i) {
        const TReadResult result = Load(Put("bad" + std::to_string(i), refused[i]));
        EXPECT_EQ(result.status, TReadResult::Refused) << i;
        EXPECT_EQ(result.message, "This file wasn't saved by Trellimenu 2006 1.0, open failed!");
        ExpectUnchanged();
    }
    EXPECT_TRUE(status.calls.empty());
}

TEST_F(ProjectFileTest, MissingFileThrowsAndChangesNothing)
{
    OpenSomething();
    try {
        Load(PathOf("gone.tmz"));
        FAIL() << "no error";
    } catch (const TFileError& e) {
        EXPECT_EQ(e.Reason(), "File not found");
        EXPECT_NE(std::string(e.what()).find("gone.tmz"), std::string::npos);
    }
    ExpectUnchanged();
}

TEST_F(ProjectFileTest, ShortParameterLineLeavesTheRestEmpty)
{
    std::string line;
    for (int i = 0; i < 10; ++i)
        line += "v" + std::to_string(i) + "#$@";
    ASSERT_TRUE(Load(Put("short.tmz", ProjectText(line + "unterminated", {}))).Accepted());
    const TAppletData data = agent.GetAppletData();
    EXPECT_EQ(data[pSlideStep], "v1");
    EXPECT_EQ(data[pParam7], "");  // uncarried even when present
    for (int i = 10; i < kAppletFieldCount; ++i)
        EXPECT_EQ(data[i], "") << i;
}

TEST_F(ProjectFileTest, ExtraValuesAreIgnored)
{
    const std::string path = Put("extra.tmz", ProjectText("", {ItemLine("A", "0") + "more#$@values#$@"}));
    ASSERT_TRUE(Load(path).Accepted());
    EXPECT_EQ(agent.GetItem(0)[UseURLAsStatusBarMsg], "");
    EXPECT_EQ(agent.GetItem(0)[ICaption], "A");
}

TEST_F(ProjectFileTest, NonIntegerLevelRefusesNamingTheLine)
{
    OpenSomething();
    // Items start on line 15; the blank line is the third item.
    const std::string path = Put("blank.tmz", ProjectText("", {ItemLine("A", "0"), ItemLine("B", "1"), ""}));
    const TReadResult result = Load(path);
    EXPECT_EQ(result.status, TReadResult::Refused);
    EXPECT_EQ(result.message, "Line 17: '' is not a valid integer value");
    ExpectUnchanged();
    ExpectStatusReset();

    const TReadResult word = Load(Put("word.tmz", ProjectText("", {ItemLine("A", "one")})));
    EXPECT_EQ(word.message, "Line 15: 'one' is not a valid integer value");
    ExpectUnchanged();
}

TEST_F(ProjectFileTest, DamagedLevelsAttachToTheDeepestPossibleParent)
{
    const std::string path = Put("levels.tmz", ProjectText("", {ItemLine("A", "5"), ItemLine("B", "3"),
                                                                ItemLine("C", "1"), ItemLine("D", "-1"),
                                                                ItemLine("E", "99999999999")}));
    OpenSomething();
    const TReadResult result = Load(path);
    // 99999999999 does not fit an integer: refused, like any other non-number.
    EXPECT_EQ(result.message, "Line 19: '99999999999' is not a valid integer value");

    const std::string fixable = Put("fixable.tmz", ProjectText("", {ItemLine("A", "5"), ItemLine("B", "3"),
                                                                    ItemLine("C", "1"), ItemLine("D", "-1")}));
    ASSERT_EQ(Load(fixable).status, TReadResult::Complete);
    EXPECT_EQ(agent.GetItem(0)[pLevel], "0");
    EXPECT_EQ(agent.GetItem(1)[pLevel], "1");
    EXPECT_EQ(agent.GetItem(2)[pLevel], "1");
    EXPECT_EQ(agent.GetItem(3)[pLevel], "0");
    ExpectLevelsInShape(agent.Items());
}

TEST_F(ProjectFileTest, TruncatedFileOpensWhatWasRead)
{
    OpenSomething();
    const std::string path = Put("cut.tmz", ProjectText("", {ItemLine("A", "0"), ItemLine("B", "1")}, false));
    const TReadResult result = Load(path);
    EXPECT_EQ(result.status, TReadResult::Incomplete);
    EXPECT_EQ(agent.ItemCount(), 2);
    ExpectLevelsInShape(agent.Items());
    ExpectStatusReset();

    // Cut before the items: an empty menu with the reset parameters.
    const TReadResult early = Load(Put("early.tmz", "<Product_Name>\r\nTrellimenu 2006\r\n"));
    EXPECT_EQ(early.status, TReadResult::Incomplete);
    EXPECT_EQ(agent.ItemCount(), 0);
    EXPECT_EQ(agent.GetAppletData()[pItemNoColor], "FFFFFF");
    ExpectLevelsInShape(agent.Items());

    // Ctrl-Z inside the item section ends the file there.
    const std::string z = ProjectText("", {ItemLine("A", "0"), "\x1A" + ItemLine("B", "0")});
    EXPECT_EQ(Load(Put("z.tmz", z)).status, TReadResult::Incomplete);
    EXPECT_EQ(agent.ItemCount(), 1);
}

TEST_F(ProjectFileTest, AFileEndingRightAfterTheItemTagIsIncomplete)
{
    const std::string whole = ProjectText("", {ItemLine("A", "0")});
    const std::string cut = whole.substr(0, whole.find("<Item_Parameters>\r\n") + 19);
    const TReadResult result = Load(Put("cut.tmz", cut));
    EXPECT_EQ(result.status, TReadResult::Incomplete);
    EXPECT_EQ(agent.ItemCount(), 0);
}

TEST_F(ProjectFileTest, ALastItemLineCutBeforeItsLevelIsDropped)
{
    OpenSomething();
    // The file breaks off inside B's line, long before its level.
    const std::string whole = ProjectText("", {ItemLine("A", "0"), ItemLine("B", "1")}, false);
    const std::string cut = whole.substr(0, whole.find("B#$@") + 10);
    const TReadResult result = Load(Put("cut.tmz", cut));
    EXPECT_EQ(result.status, TReadResult::Incomplete) << result.message;
    ASSERT_EQ(agent.ItemCount(), 1);
    EXPECT_EQ(agent.GetItem(0)[ICaption], "A");
    ExpectLevelsInShape(agent.Items());
    ExpectStatusReset();

    // Cut after the level: the item keeps what it has.
    const std::string late = whole.substr(0, whole.rfind("1#$@") + 4);
    ASSERT_EQ(Load(Put("late.tmz", late)).status, TReadResult::Incomplete);
    ASSERT_EQ(agent.ItemCount(), 2);
    EXPECT_EQ(agent.GetItem(1)[pLevel], "1");
    ExpectLevelsInShape(agent.Items());
}

TEST_F(ProjectFileTest, HostileBytesReadSoundly)
{
    std::string separators;
    for (int i = 0; i < 100000; ++i)
        separators += "#$@";
    const std::string huge(3 * 1024 * 1024, 'x');
    const std::string binary("\0\xff\xfe\x01\n", 5);
    const std::string path = Put("hostile.tmz", ProjectText(separators + huge, {ItemLine(binary, "0"), separators,
                                                                                ItemLine(huge, "1")}));
    const TReadResult result = Load(path);
    // The separator-only line carries a level of "": refused, nothing half-read.
    EXPECT_EQ(result.message, "Line 16: '' is not a valid integer value");

    const std::string fine = Put("fine.tmz", ProjectText(separators, {ItemLine(binary, "0"), ItemLine(huge, "1")}));
    ASSERT_TRUE(Load(fine).Accepted());
    // Bytes that are no UTF-8 make the file Windows-1252, and that reads any byte.
    EXPECT_EQ(agent.Document().encoding, TTextEncoding::Windows1252);
    EXPECT_EQ(agent.GetItem(0)[ICaption], Windows1252ToUtf8(binary));
    EXPECT_EQ(agent.GetItem(1)[ICaption].size(), huge.size());
    ExpectLevelsInShape(agent.Items());
}

TEST_F(ProjectFileTest, FailedSaveKeepsTheOldFile)
{
    agent.Document().items.push_back(GeneratedLoneItem());
    const std::string path = Put("keep.tmz", "previous contents");
    std::filesystem::create_directory(PathOf("blocker"));
    Put("blocker/inside", "x");  // renaming over a non-empty folder must fail
    EXPECT_THROW(Save(PathOf("blocker")), TFileError);
    ExpectStatusReset();
    EXPECT_EQ(ReadBytes(path), "previous contents");
    EXPECT_EQ(FileCount(), 2u);  // no temporary file left behind

    try {
        Save(PathOf("missing/folder/x.tmz"));
        FAIL() << "no error";
    } catch (const TFileError& e) {
        EXPECT_NE(std::string(e.what()).find("x.tmz"), std::string::npos);
    }
}
