// Text in every language: which encoding a file is in, that nothing is lost
// on the way through a document, tmzcfg.js in plain ASCII, and letter case
// beyond ASCII.
#include <gtest/gtest.h>

#include "codegen/generation.h"
#include "codegen/jsliteral.h"
#include "codegen/menucode.h"
#include "files/projectfile.h"
#include "files/structurefile.h"
#include "model/document.h"
#include "model/textencoding.h"
#include "test_files_support.h"

using testfiles::ReadBytes;

namespace {

const std::string kUeber = "\xC3\x9C" "ber uns Caf\xC3\xA9 \xE2\x82\xAC";  // "Über uns Café €"
const std::string kUeber1252 = "\xDC" "ber uns Caf\xE9 \x80";
const std::string kJapanese = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";  // 日本語
const std::string kEmoji = "\xF0\x9F\x98\x80";                      // U+1F600

std::string LegacyProject(const std::string& caption)
{
    std::string item = caption + "#$@";
    for (int i = 1; i < kItemFieldCount; ++i)
        item += (i == pLevel ? "0" : i == pStatusMsg ? std::string("Stra\xDF" "e \x81\x8D\x8F\x90\x9D") : "") +
                std::string("#$@");
    std::string parameters;
    for (int i = 0; i < kAppletFieldCount; ++i)
        parameters += (i == pDragBar_Title ? "Men\xFC" : "") + std::string("#$@");
    return "<Product_Name>\r\nTrellimenu 2006\r\n</Product_Name>\r\n<Product_Version>\r\n1.0\r\n</Product_Version>\r\n"
           "<Applet_Parameters>\r\n" + parameters + "\r\n</Applet_Parameters>\r\n<Item_Parameters>\r\n" + item +
           "\r\n</Item_Parameters>\r\n";
}

class EncodingFileTest : public testfiles::ScratchFolderTest {
protected:
    TSilentStatus status;
};

}  // namespace

TEST(TextEncoding, OnlyWellFormedUtf8CountsAsUtf8)
{
    for (const std::string valid : {std::string(), std::string("plain"), kUeber, kJapanese, kEmoji,
                                    std::string("\xF4\x8F\xBF\xBF"), std::string(20, 'a') + kEmoji}) {
        EXPECT_TRUE(IsValidUtf8(valid)) << valid;
    }
    for (const std::string invalid : {
             std::string("\xC3"),              // cut short
             std::string("\xC0\xAF"),          // overlong
             std::string("\xE0\x80\xAF"),      // overlong
             std::string("\xED\xA0\x80"),      // a surrogate
             std::string("\xF4\x90\x80\x80"),  // above U+10FFFF
             std::string("\xFF"),
             std::string(13, 'a') + "\xE9",  // past the eight-byte fast path
         }) {
        EXPECT_FALSE(IsValidUtf8(invalid)) << invalid;
        EXPECT_EQ(DetectEncoding(invalid), TTextEncoding::Windows1252);
    }
}

TEST(TextEncoding, EveryWindowsByteComesBackAsItWas)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string text = Windows1252ToUtf8(all);
    EXPECT_TRUE(IsValidUtf8(text));
    std::string back;
    ASSERT_TRUE(Utf8ToWindows1252(text, back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(Windows1252ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_FALSE(FitsEncoding(kJapanese, TTextEncoding::Windows1252));
    EXPECT_TRUE(FitsEncoding(kUeber, TTextEncoding::Windows1252));
}

TEST_F(EncodingFileTest, ALegacyProjectSavesByteForByte)
{
    const std::string original = LegacyProject(kUeber1252);
    TMenuDocument document;
    ASSERT_EQ(LoadProjectFile(Put("legacy.tmz", original), document, status).status, TReadResult::Complete);
    EXPECT_EQ(document.encoding, TTextEncoding::Windows1252);
    EXPECT_EQ(document.items[0][ICaption], kUeber);
    EXPECT_EQ(document.applet[pDragBar_Title], "Men\xC3\xBC");
    SaveProjectFile(document, PathOf("again.tmz"), status);
    EXPECT_EQ(ReadBytes(PathOf("again.tmz")).substr(ReadBytes(PathOf("again.tmz")).find("<Applet_Parameters>")),
              original.substr(original.find("<Applet_Parameters>")));

    ExportStructureFile(document, PathOf("legacy.gms"), status);
    EXPECT_NE(ReadBytes(PathOf("legacy.gms")).find("\r\n0#$@" + kUeber1252 + "#$@"), std::string::npos);
}

TEST_F(EncodingFileTest, ALegacyDocumentThatReceivesJapaneseBecomesUtf8Whole)
{
    TMenuDocument document;
    LoadProjectFile(Put("legacy.tmz", LegacyProject(kUeber1252)), document, status);
    EXPECT_FALSE(AdoptEncodingFor(document, "Caf\xC3\xA9"));  // still fits
    document.items[0][pURL] = kJapanese;
    EXPECT_TRUE(AdoptEncodingFor(document, kJapanese));
    EXPECT_EQ(document.encoding, TTextEncoding::Utf8);
    SaveProjectFile(document, PathOf("now.tmz"), status);
    const std::string bytes = ReadBytes(PathOf("now.tmz"));
    EXPECT_TRUE(IsValidUtf8(bytes));
    EXPECT_NE(bytes.find(kUeber + "#$@"), std::string::npos);
    EXPECT_NE(bytes.find(kJapanese), std::string::npos);
    EXPECT_NE(bytes.find("Stra\xC3\x9F" "e \xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"), std::string::npos);

    // A writer never loses text, even when nobody told the document.
    TMenuDocument unaware;
    LoadProjectFile(PathOf("now.tmz"), unaware, status);
    unaware.encoding = TTextEncoding::Windows1252;
    EXPECT_EQ(EffectiveEncoding(unaware), TTextEncoding::Utf8);
}

TEST_F(EncodingFileTest, WindowsTextThatWouldReadBackAsUtf8IsSavedAsUtf8)
{
    // "Ã„" in Windows-1252 is the UTF-8 of "Ä": a file holding only that
    // would be read back as UTF-8. Text, not bytes, is what must survive.
    TMenuDocument document;
    document.encoding = TTextEncoding::Windows1252;
    TItemData item = NewDefaultItem();
    item[ICaption] = Windows1252ToUtf8("\xC3\x84");
    item[pLevel] = "0";
    document.items.push_back(item);
    EXPECT_EQ(EffectiveEncoding(document), TTextEncoding::Utf8);
    for (const auto& [save, load] : {std::pair{SaveProjectFile, LoadProjectFile},
                                     std::pair{ExportStructureFile, ImportStructureFile}}) {
        save(document, PathOf("ambiguous"), status);
        TMenuDocument read;
        ASSERT_TRUE(load(PathOf("ambiguous"), read, status).Accepted());
        EXPECT_EQ(read.items[0][ICaption], item[ICaption]);
    }
    // One value that is no UTF-8 in Windows-1252 settles it.
    document.items[0][pURL] = "caf\xC3\xA9";
    EXPECT_EQ(EffectiveEncoding(document), TTextEncoding::Windows1252);
}

TEST_F(EncodingFileTest, NewAndUtf8DocumentsStayUtf8WithoutAByteOrderMark)
{
    TMenuDocument document;
    TItemData item = NewDefaultItem();
    item[ICaption] = kUeber;
    item[pLevel] = "0";
    document.items.push_back(item);
    SaveProjectFile(document, PathOf("new.tmz"), status);
    const std::string bytes = ReadBytes(PathOf("new.tmz"));
    EXPECT_EQ(bytes.rfind("<Warning_Info>", 0), 0u);
    ExportStructureFile(document, PathOf("new.gms"), status);
    TMenuDocument imported;
    ASSERT_TRUE(ImportStructureFile(PathOf("new.gms"), imported, status).Accepted());
    EXPECT_EQ(imported.encoding, TTextEncoding::Utf8);
    EXPECT_EQ(imported.items[0][ICaption], kUeber);
}

TEST(ParameterScript, IsPlainAsciiWithUtf16Escapes)
{
    EXPECT_EQ(EscapeForJavaScript(kUeber, TQuote::Apostrophe), "\\u00dcber uns Caf\\u00e9 \\u20ac");
    EXPECT_EQ(EscapeForJavaScript(kEmoji + kJapanese, TQuote::Apostrophe), "\\ud83d\\ude00\\u65e5\\u672c\\u8a9e");
    EXPECT_EQ(EscapeForJavaScript("\xE2\x80\xA8\xE2\x80\xA9", TQuote::Double), "\\u2028\\u2029");
    EXPECT_EQ(EscapeForJavaScript("it's \"x\"\\\r\n", TQuote::Apostrophe), "it\\'s \"x\"\\\\\\r\\n");

    TMenuDocument document;
    document.applet[pDragBar_Title] = kJapanese;
    TItemData item = NewDefaultItem();
    item[ICaption] = kUeber + " " + kEmoji;
    item[pLevel] = "0";
    document.items.push_back(item);
    TSilentStatus status;
    const TGeneratedMenu menu = GenerateMenu(document, status);
    for (char c : menu.script + menu.page)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80u) << menu.script;
}

TEST(PathReplacement, LettersBeyondAsciiCompareWithoutCase)
{
    EXPECT_EQ(ReplaceAllIgnoreCase("\xC3\x9C" "BER/x", "\xC3\xBC" "ber/", "u/"), "u/x");  // Ü and ü
    EXPECT_EQ(ReplaceAllIgnoreCase("\xC3\x89t\xC3\xA9", "\xC3\xA9", "e"), "ete");
    // KELVIN SIGN folds to k; the replaced bytes are the Kelvin sign's three.
    EXPECT_EQ(ReplaceAllIgnoreCase("\xE2\x84\xAA" "m/", "km/", "x/"), "x/");
    // Final and medial sigma fold alike.
    EXPECT_EQ(ReplaceAllIgnoreCase("\xCE\xA3\xCE\xB1\xCF\x82", "\xCF\x83\xCE\xB1\xCF\x83", "s"), "s");
    EXPECT_TRUE(EndsWithIgnoringCase("MENU.TMZ", ".tmz"));
    EXPECT_FALSE(EndsWithIgnoringCase("menu.tmz.bak", ".tmz"));
}

// Simple case folding, as the Unicode character database's CaseFolding.txt
// gives it (statuses C and S): values read from that file, at the edges of
// runs where a table of runs could go wrong.
TEST(CaseFolding, FollowsTheUnicodeSimpleFolding)
{
    const std::pair<char32_t, char32_t> cases[] = {
        {U'A', U'a'}, {U'Z', U'z'}, {U'[', U'['}, {U'@', U'@'},
        {0x00B5, 0x03BC},                     // MICRO SIGN
        {0x0100, 0x0101}, {0x0101, 0x0101},   // alternating capital and small letters
        {0x0130, 0x0130},                     // dotted capital I: full and Turkic foldings only
        {0x0178, 0x00FF},                     // Y WITH DIAERESIS, far from its small letter
        {0x1E9E, 0x00DF},                     // CAPITAL SHARP S: the simple folding, not "ss"
        {0x13F8, 0x13F0}, {0xAB70, 0x13A0},   // Cherokee folds to capitals
        {0x2C2F, 0x2C5F},                     // new in Unicode 14
        {0xFF3A, 0xFF5A}, {0xFF3B, 0xFF3B},   // the last fullwidth capital, and the next sign
        {0x10400, 0x10428}, {0x1E921, 0x1E943},  // beyond the basic plane
        {0x10FFFF, 0x10FFFF},
    };
    for (const auto& [code, folded] : cases)
        EXPECT_EQ(static_cast<unsigned>(FoldCase(code)), static_cast<unsigned>(folded)) << std::hex << code;
}
