#include <gtest/gtest.h>

#include "files/structurefile.h"
#include "files/textfile.h"
#include "model/appletagent.h"
#include "test_files_support.h"

using testfiles::GoldenPath;
using testfiles::ReadBytes;
using testfiles::TRecordingStatus;

namespace {

const char* const kHeader =
    "<Generator_Name>\r\nOther Tool\r\n</Generator_Name>\r\n<Product_Name>\r\n"
    "General Menu Structure Description Format\r\n</Product_Name>\r\n<Product_Version>\r\n2.5\r\n"
    "</Product_Version>\r\n<Structure_Description>\r\n";

class StructureFileTest : public testfiles::ScratchFolderTest {
protected:
    StructureFileTest() { agent.ResetAppletToDefaults(); }

    TReadResult ImportFile(const std::string& path)
    {
        return ReadInto(ReadStructureFile, path, agent.Document(), status);
    }
    void Export(const std::string& path) { ExportStructureFile(agent.Document(), path, status); }

    void Add(int level, const std::string& caption, const std::string& url, const std::string& target,
             const std::string& statusMsg)
    {
        TItemData item = NewDefaultItem();
        item[pLevel] = std::to_string(level);
        item[ICaption] = caption;
        item[pURL] = url;
        item[pTarget] = target;
        item[pStatusMsg] = statusMsg;
        agent.Document().items.push_back(item);
    }
    TReadResult Import(const std::string& body)
    {
        return ImportFile(Put("in.gms", kHeader + body));
    }

    TRecordingStatus status;
    TvarnAppletAgent agent;
};

}  // namespace

TEST_F(StructureFileTest, ExportsByteForByte)
{
    Add(0, "Home", "index.html", "_self", "");
    Add(1, "News", "news.html", "_blank", "Latest news");
    Add(2, "Archive", "", "_self", "");
    Add(1, "About", "about.html", "", "");
    Add(0, "Contact", "mailto:me@example.com", "_top", "Write to us");
    Export(PathOf("out.gms"));
    EXPECT_EQ(ReadBytes(PathOf("out.gms")), ReadBytes(GoldenPath("sample.gms")));
    EXPECT_EQ(status.calls, (std::vector<std::string>{"max:205", "hint:Saving Data ... ...", "busy", "position:0",
                                                      "hint:", "normal"}));
    EXPECT_EQ(status.reached, 15);
}

TEST_F(StructureFileTest, EmptyMenuRoundTrip)
{
    Export(PathOf("empty.gms"));
    EXPECT_EQ(ReadBytes(PathOf("empty.gms")), ReadBytes(GoldenPath("empty_menu.gms")));
    EXPECT_EQ(ImportFile(PathOf("empty.gms")).status, TReadResult::Complete);
    EXPECT_EQ(agent.ItemCount(), 0);
}

TEST_F(StructureFileTest, ImportResetsEverythingButTheFiveFields)
{
    TAppletData data = agent.GetAppletData();
    data[pItemNoBgColor] = "000000";
    agent.SetAppletData(data);
    const TReadResult result = Import("0#$@Top#$@top.html#$@_self#$@Top msg#$@\r\n1#$@Sub#$@#$@#$@#$@\r\n"
                                      "0#$@Many#$@u#$@t#$@s#$@sixth#$@seventh#$@\r\n</Structure_Description>\r\n");
    EXPECT_EQ(result.status, TReadResult::Complete);
    EXPECT_EQ(agent.GetAppletData(), DefaultAppletData());
    EXPECT_EQ(agent.LoadedFileVersion(), "2.5");
    ASSERT_EQ(agent.ItemCount(), 3);
    const TItemData sub = agent.GetItem(1);
    EXPECT_EQ(sub[ICaption], "Sub");
    EXPECT_EQ(sub[pTarget], "");
    EXPECT_EQ(sub[pImageLeft], "105");
    EXPECT_EQ(sub[UseURLAsStatusBarMsg], "1");
    EXPECT_EQ(sub[pLevel], "1");
    const TItemData many = agent.GetItem(2);
    EXPECT_EQ(many[pStatusMsg], "s");
    TItemData expected = NewDefaultItem();
    expected[ICaption] = "Many";
    expected[pURL] = "u";
    expected[pTarget] = "t";
    expected[pStatusMsg] = "s";
    expected[pLevel] = "0";
    EXPECT_EQ(many, expected);
    EXPECT_EQ(status.calls, (std::vector<std::string>{"hint:Loading Data ... ...", "busy", "position:0", "hint:",
                                                      "normal"}));
}

TEST_F(StructureFileTest, ForeignFilesAreRefusedAndChangeNothing)
{
    Add(0, "Keep", "", "", "");
    const TItemArray before = agent.Items();
    const std::string project = ReadBytes(GoldenPath("default_one_item.tmz"));
    for (const std::string& bytes : {std::string(), project, std::string("<Product_Name>\r\nTrellimenu 2006\r\n")}) {
        const TReadResult result = ImportFile(Put("foreign.gms", bytes));
        EXPECT_EQ(result.status, TReadResult::Refused);
        EXPECT_EQ(result.message, "This file wasn't saved by specified format, open failed!");
        EXPECT_EQ(agent.Items(), before);
    }
    EXPECT_THROW(ImportFile(PathOf("missing.gms")), TFileError);
    EXPECT_EQ(agent.Items(), before);
}

TEST_F(StructureFileTest, DamagedLevelsAreRepairedAndANonNumberRefused)
{
    const TReadResult jump = Import("3#$@A#$@#$@#$@#$@\r\n0#$@B#$@#$@#$@#$@\r\n4#$@C#$@#$@#$@#$@\r\n");
    EXPECT_EQ(jump.status, TReadResult::Incomplete);
    ASSERT_EQ(agent.ItemCount(), 3);
    EXPECT_EQ(agent.GetItem(0)[pLevel], "0");
    EXPECT_EQ(agent.GetItem(1)[pLevel], "0");
    EXPECT_EQ(agent.GetItem(2)[pLevel], "1");

    const TReadResult bad = Import("0#$@A#$@#$@#$@#$@\r\nA#$@B#$@\r\n</Structure_Description>\r\n");
    EXPECT_EQ(bad.message, "Line 12: 'A' is not a valid integer value");
    EXPECT_EQ(agent.ItemCount(), 3);
}

TEST_F(StructureFileTest, AValueWithoutItsSeparatorIsEmpty)
{
    // The status message of B has no separator after it: it is no value.
    const TReadResult result =
        Import("0#$@A#$@a.html#$@_self#$@A status#$@\r\n0#$@B#$@b.html#$@_top#$@B status\r\n</Structure_Description>\r\n");
    EXPECT_EQ(result.status, TReadResult::Complete);
    ASSERT_EQ(agent.ItemCount(), 2);
    EXPECT_EQ(agent.GetItem(0)[pStatusMsg], "A status");
    EXPECT_EQ(agent.GetItem(1)[pTarget], "_top");
    EXPECT_EQ(agent.GetItem(1)[pStatusMsg], "");
}

TEST_F(StructureFileTest, ALastLineCutInsideItsLevelIsDropped)
{
    const TReadResult cut = Import("0#$@A#$@#$@#$@#$@\r\n1#$");
    EXPECT_EQ(cut.status, TReadResult::Incomplete) << cut.message;
    ASSERT_EQ(agent.ItemCount(), 1);
    EXPECT_EQ(agent.GetItem(0)[ICaption], "A");
}

TEST_F(StructureFileTest, ExportWritesTheLevelsOfTheTreeTheStoredOnesDescribe)
{
    TMenuDocument document;
    for (const char* level : {"0", "+1", "7", "x"}) {
        TItemData item = NewDefaultItem();
        item[pLevel] = level;
        document.items.push_back(item);
    }
    ExportStructureFile(document, PathOf("levels.gms"), status);
    TMenuDocument read;
    EXPECT_EQ(ImportStructureFile(PathOf("levels.gms"), read, status).status, TReadResult::Complete);
    ASSERT_EQ(read.ItemCount(), 4);
    EXPECT_EQ(read.items[1][pLevel], "1");
    EXPECT_EQ(read.items[2][pLevel], "2");
    EXPECT_EQ(read.items[3][pLevel], "0");  // not a number: a top-level item
}
