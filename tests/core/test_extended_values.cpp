// The menu-wide values after the item section: what a known name accepts,
// how the project file keeps them (and every value it does not know), and
// the one extra call the parameter script gets for them.
#include <gtest/gtest.h>

#include <filesystem>

#include "codegen/generation.h"
#include "files/projectfile.h"
#include "model/extendedvalues.h"
#include "test_files_support.h"

using testfiles::GoldenPath;
using testfiles::ReadBytes;

namespace {

namespace fs = std::filesystem;

const std::string kSectionStart = "<Extended_Parameters>\r\n";
const std::string kSectionEnd = "</Extended_Parameters>\r\n";

// The golden one-item project with text after its closing item tag.
std::string OneItemProjectWith(const std::string& tail)
{
    return ReadBytes(GoldenPath("default_one_item.tmz")) + tail;
}

class ExtendedFileTest : public testfiles::ScratchFolderTest {
protected:
    TReadResult Load(const std::string& path)
    {
        document = TMenuDocument();
        return LoadProjectFile(path, document, status);
    }
    std::string SaveAndRead(const std::string& name)
    {
        SaveProjectFile(document, PathOf(name), status);
        return ReadBytes(PathOf(name));
    }

    TMenuDocument document;
    TSilentStatus status;
};

}  // namespace

TEST(ExtendedValues, KnownNamesTakeOnlyValuesOfTheirKind)
{
    TExtendedValues values;
    using R = TExtendedValues::TSetResult;
    // Choices are exact words; a line break or the field separator is never one.
    EXPECT_EQ(values.Set("Layout", "bar"), R::Refused);
    EXPECT_EQ(values.Set("Layout", "Bar\r\n"), R::Refused);
    EXPECT_EQ(values.Set("Layout", "Bar#$@"), R::Refused);
    EXPECT_EQ(values.Set("Layout", "Bar"), R::Changed);
    EXPECT_EQ(values.Set("Layout", "Bar"), R::Unchanged);
    EXPECT_EQ(values.Set("Future", "1"), R::Refused);  // unknown names only come from files
    EXPECT_EQ(values.Set("Sticky", "2"), R::Refused);
    EXPECT_EQ(values.Set("Sticky", "1"), R::Changed);

    // Pixels: 0 to 9999, stored without leading zeros.
    EXPECT_EQ(values.Set("PhoneBelow", "10000"), R::Refused);
    EXPECT_EQ(values.Set("PhoneBelow", "-1"), R::Refused);
    EXPECT_EQ(values.Set("PhoneBelow", ""), R::Refused);
    EXPECT_EQ(values.Set("PhoneBelow", "09999"), R::Changed);
    EXPECT_EQ(values.ValueOrDefault("PhoneBelow"), "9999");
    EXPECT_EQ(values.Set("PhoneBelow", "0"), R::Changed);

    // Colours: six hex digits, upper case, "" for none.
    EXPECT_EQ(values.Set("DarkBorderColor", "1e1e1"), R::Refused);
    EXPECT_EQ(values.Set("DarkBorderColor", "1e1e1g"), R::Refused);
    EXPECT_EQ(values.Set("DarkBorderColor", "1e1e1f"), R::Changed);
    EXPECT_EQ(values.ValueOrDefault("DarkBorderColor"), "1E1E1F");

    std::vector<std::string> names;
    for (const TExtendedValue& entry : values.Entries())
        names.push_back(entry.name + "=" + entry.value);
    EXPECT_EQ(names, (std::vector<std::string>{"Layout=Bar", "Sticky=1", "PhoneBelow=0", "DarkBorderColor=1E1E1F"}));

    // The defaults take the values out again; the untouched ones answer theirs.
    for (const auto& [name, value] : {std::pair{"Layout", "Floating"}, {"Sticky", "0"}, {"PhoneBelow", "640"},
                                      {"DarkBorderColor", ""}})
        EXPECT_EQ(values.Set(name, value), R::Changed) << name;
    EXPECT_TRUE(values.Empty());
    EXPECT_EQ(values.Set("Layout", "Floating"), R::Unchanged);
    EXPECT_EQ(values.ValueOrDefault("BarAlign"), "Left");
    EXPECT_EQ(values.ValueOrDefault("BarWidth"), "Full");
    EXPECT_EQ(values.ValueOrDefault("DarkBarBGColor"), "");
}

TEST_F(ExtendedFileTest, EveryClassicProjectRoundTripsByteForByte)
{
    const fs::path data(TRELLIMENU_TEST_DATA);
    int checked = 0;
    for (const fs::path& folder : {data, data / ".." / "runtime" / "projects"}) {
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (entry.path().extension() != ".tmz")
                continue;
            ASSERT_EQ(Load(entry.path().string()).status, TReadResult::Complete) << entry.path();
            EXPECT_TRUE(document.extended.Empty());
            EXPECT_EQ(SaveAndRead("again.tmz"), ReadBytes(entry.path().string())) << entry.path();
            ++checked;
        }
    }
    EXPECT_GE(checked, 5);
}

TEST_F(ExtendedFileTest, UnknownNamesAndOddLinesSurviveASaveInPlace)
{
    const std::string path = Put("future.tmz", OneItemProjectWith(
        "<Something_Later>\r\n" + kSectionStart +
        "Future=1\r\nLayout=Bar\r\n\r\nno equals sign\r\nFormula=a=b\r\nBarAlign=Middle\r\n" + kSectionEnd));
    ASSERT_EQ(Load(path).status, TReadResult::Complete);
    EXPECT_EQ(document.extended.ValueOrDefault("Layout"), "Bar");
    EXPECT_EQ(document.extended.ValueOrDefault("BarAlign"), "Left") << "a word not in its list counts as unset";

    document.extended.Set("Layout", "Sidebar");
    document.extended.Set("DarkItemBGColor", "1e1e1e");
    EXPECT_EQ(SaveAndRead("saved.tmz"),
              OneItemProjectWith(kSectionStart +
                                 "Future=1\r\nLayout=Sidebar\r\nFormula=a=b\r\nBarAlign=Middle\r\n"
                                 "DarkItemBGColor=1E1E1E\r\n" + kSectionEnd));
}

TEST_F(ExtendedFileTest, SettingTheLastKnownValueToItsDefaultDropsTheSection)
{
    ASSERT_EQ(Load(Put("bar.tmz", OneItemProjectWith(kSectionStart + "Layout=Bar\r\n" + kSectionEnd))).status,
              TReadResult::Complete);
    EXPECT_EQ(document.extended.Set("Layout", "Floating"), TExtendedValues::TSetResult::Changed);
    EXPECT_EQ(SaveAndRead("floating.tmz"), ReadBytes(GoldenPath("default_one_item.tmz")));
}

TEST_F(ExtendedFileTest, ASectionCutOffOpensWithItsItems)
{
    // Ended inside the section: the lines before the end stand, a last line cut short does not.
    const TReadResult cut = Load(Put("cut.tmz", OneItemProjectWith(kSectionStart + "Layout=Bar\r\nPhoneBelow=80")));
    EXPECT_EQ(cut.status, TReadResult::Incomplete);
    EXPECT_EQ(document.ItemCount(), 1);
    EXPECT_EQ(document.extended.ValueOrDefault("Layout"), "Bar");
    EXPECT_EQ(document.extended.ValueOrDefault("PhoneBelow"), "640");

    const TReadResult ended = Load(Put("ended.tmz", OneItemProjectWith(kSectionStart + "PhoneBelow=800\r\n")));
    EXPECT_EQ(ended.status, TReadResult::Incomplete);
    EXPECT_EQ(document.extended.ValueOrDefault("PhoneBelow"), "800");

    // Only the opening tag: nothing to keep, the items still open.
    EXPECT_EQ(Load(Put("tag.tmz", OneItemProjectWith(kSectionStart))).status, TReadResult::Incomplete);
    EXPECT_EQ(document.ItemCount(), 1);
}

// Values read from a Windows-1252 file whose bytes happen to be valid UTF-8
// must not go back out as those bytes once nothing else in the file is
// outside ASCII: they would be read back as other characters.
TEST_F(ExtendedFileTest, AWindows1252ValueKeepsItsCharacters)
{
    std::string file = OneItemProjectWith(kSectionStart + "Note=\xC3\x84\r\n" + kSectionEnd);
    file.replace(file.find("Item#$@"), 4, "Caf\xE9");  // makes the file Windows-1252
    ASSERT_EQ(Load(Put("legacy.tmz", file)).status, TReadResult::Complete);
    ASSERT_EQ(document.encoding, TTextEncoding::Windows1252);
    EXPECT_EQ(document.extended.Entries().at(0).value, "\xC3\x83\xE2\x80\x9E");  // "Ã„"

    document.items[0][ICaption] = "Cafe";
    SaveAndRead("again.tmz");
    ASSERT_EQ(Load(PathOf("again.tmz")).status, TReadResult::Complete);
    EXPECT_EQ(document.extended.Entries().at(0).value, "\xC3\x83\xE2\x80\x9E");
}

TEST(ExtendedScript, OneCallAfterTheItemsWithTheKnownValuesThatAreSet)
{
    TMenuDocument document;
    TItemData item = NewDefaultItem();
    item[pLevel] = "0";
    document.items = {item};
    TSilentStatus status;
    const std::string classic = GenerateMenu(document, status).script;

    // Unknown names, defaults and values not of their kind change nothing.
    for (const auto& [name, value] : {std::pair{"Future", "1"}, {"Layout", "Floating"}, {"PhoneBelow", "wide"},
                                      {"DarkItemBGColor", ""}, {"Sticky", "yes"}})
        document.extended.AddAsRead(name, value);
    EXPECT_EQ(GenerateMenu(document, status).script, classic);

    // Set in another order than the names table; passed in the table's order.
    document.extended.Set("DarkItemBGColor", "1e1e1e");
    document.extended.Set("PhoneBelow", "800");
    document.extended.Set("Layout", "Bar");
    document.extended.Set("Sticky", "1");
    EXPECT_EQ(GenerateMenu(document, status).script,
              classic + "createMenuExtendedParams(\"Layout\",\"Bar\",\"PhoneBelow\",\"800\",\"Sticky\",\"1\","
                        "\"DarkItemBGColor\",\"#1E1E1E\");\r\n");

    // A menu without items has no script at all.
    document.items.clear();
    EXPECT_EQ(GenerateMenu(document, status).script, "");
}
