// The generated page and tmzcfg.js: golden bytes for the cases that matter,
// and what the generator leaves in the records.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "codegen/jsliteral.h"
#include "codegen/menucode.h"
#include "files/textfile.h"
#include "test_codegen_support.h"

using namespace codegentest;

namespace {

struct GoldenCase {
    const char* name;
    std::vector<TMenuLine> lines;
    std::function<void(MenuFixture&)> setup;
    bool comparePage;
};

const std::string kRemote = "http://www.example.com/site/";
const std::string kLocal = "file:///C|/Site/";

void SetRoots(MenuFixture& m, const std::string& local, const std::string& remote, const char* towardsLocal) {
    m.SetApplet(pInternalUse_RootDir_Local, local);
    m.SetApplet(pInternalUse_RootDir_Remote, remote);
    m.SetApplet(pInternalUse_RootDir_Local_Checked, towardsLocal);
}

// Links in several letter cases, two occurrences, and text around them.
void SetLinks(MenuFixture& m) {
    m.SetItemField(0, pURL, "HTTP://WWW.EXAMPLE.COM/Site/a.htm");
    m.SetItemField(1, pURL, "file:///c|/site/b.htm");
    m.SetItemField(1, UseURLAsStatusBarMsg, "0");
    m.SetItemField(1, pStatusMsg, "see http://www.example.com/site/ and file:///C|/Site/x");
    m.SetItemField(1, pPopDescText, "http://www.example.com/site/http://www.example.com/site/");
}

const std::vector<TMenuLine> kTwoItems = {{0, "One"}, {0, "Two"}};

const GoldenCase kCases[] = {
    {"no_items", {}, nullptr, true},
    {"lone_default_item", {{0, "Item"}}, nullptr, true},
    {"positions_and_widths",
     {{0, "A"}, {1, "A1"}, {0, "B"}, {1, "B1"}, {1, "B2"}, {0, "C"}, {1, "C1"}, {1, "C2"}, {1, "C3"}},
     [](MenuFixture& m) {
         m.SetItemField(m.IndexOf("A"), pMenuWidth, "150");
         m.SetItemField(m.IndexOf("B"), pMenuWidth, "999");
         m.SetItemField(m.IndexOf("B1"), pMenuWidth, "200");
         m.SetItemField(m.IndexOf("B2"), pMenuWidth, "77");
         m.SetItemField(m.IndexOf("C2"), pMenuWidth, "300");
         m.SetItemField(m.IndexOf("C3"), pSeparator, "1");
     },
     false},
    {"generation_order", {{0, "A"}, {1, "A1"}, {1, "A2"}, {2, "A2a"}, {0, "B"}}, nullptr, false},
    {"paths_to_local", kTwoItems, [](MenuFixture& m) { SetLinks(m); SetRoots(m, kLocal, kRemote, "1"); }, false},
    {"paths_to_remote", kTwoItems, [](MenuFixture& m) { SetLinks(m); SetRoots(m, kLocal, kRemote, "0"); }, false},
    {"paths_blank_root", kTwoItems, [](MenuFixture& m) { SetLinks(m); SetRoots(m, kLocal, " \t", "1"); }, false},
    {"message_flags",
     {{0, "Both"}, {0, "PopOnly"}, {0, "Neither"}},
     [](MenuFixture& m) {
         for (int i = 0; i < 3; ++i) {
             m.SetItemField(i, pURL, "u" + std::to_string(i) + ".htm");
             m.SetItemField(i, pStatusMsg, "status" + std::to_string(i));
             m.SetItemField(i, pPopDescText, "pop" + std::to_string(i));
         }
         m.SetItemField(0, UseStatusMsgAsPopDescMsg, "1");
         m.SetItemField(1, UseURLAsStatusBarMsg, "0");
         m.SetItemField(1, UseStatusMsgAsPopDescMsg, "1");
         m.SetItemField(2, UseURLAsStatusBarMsg, "0");
     },
     false},
    {"escaping",
     {{0, "Bob's \"menu\""}, {0, "Lines"}},
     [](MenuFixture& m) {
         m.SetApplet(pOnClickEventHandler, "alert(\"it's\")");
         m.SetApplet(pDragBar_Title, "C:\\Menus\\");
         m.SetApplet(pSnapDistance, "15px");
         m.SetApplet(pMenuZIndex, "");
         m.SetApplet(pItemFontWeight, "1");
         m.SetApplet(pItemNoColor, "FF\"0000");
         m.SetItemField(0, pTarget, "x');alert('y");
         m.SetItemField(0, pImageLeft, "1e3");
         m.SetItemField(1, pPopDescText, "one\r\ntwo\nthree\xE2\x80\xA8" "four\xE2\x80\xA9" "five \xE2\x80\x94 six");
         m.SetItemField(1, UseURLAsStatusBarMsg, "0");
         m.SetItemField(1, pStatusMsg, "back\\slash");
     },
     false},
};

class GeneratorGolden : public ::testing::TestWithParam<GoldenCase> {};

}  // namespace

TEST_P(GeneratorGolden, WritesExpectedBytes) {
    const GoldenCase& c = GetParam();
    MenuFixture menu(c.lines);
    if (c.setup) c.setup(menu);
    const TGeneratedMenu generated = menu.Generate();
    ExpectGolden(c.name, "tmzcfg.js", generated.script);
    if (c.comparePage) ExpectGolden(c.name, "page.html", generated.page);
}

INSTANTIATE_TEST_SUITE_P(Cases, GeneratorGolden, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<GoldenCase>& info) { return std::string(info.param.name); });

TEST(Generator, DerivedFieldsAndMenuCountFollowTheTree) {
    MenuFixture menu({{0, "A"}, {1, "A1"}, {1, "A2"}, {2, "A2a"}, {0, "B"}});
    for (int f : {pHasChildren, pSiblingPosition, pIsFirstItem}) {
        for (int i = 0; i < menu.agent.ItemCount(); ++i) menu.SetItemField(i, f, "stale");
    }
    menu.Generate();

    const auto field = [&](const char* caption, int f) { return menu.agent.Items()[menu.IndexOf(caption)][f]; };
    const std::vector<std::vector<std::string>> expected = {
        // caption, pLevel, pHasChildren, pSiblingPosition, pIsFirstItem
        {"A", "0", "1", "1", "1"}, {"A1", "1", "0", "1", "0"}, {"A2", "1", "1", "2", "0"},
        {"A2a", "2", "0", "3", "0"}, {"B", "0", "0", "2", "0"},
    };
    for (const auto& row : expected) {
        SCOPED_TRACE(row[0]);
        EXPECT_EQ(field(row[0].c_str(), pLevel), row[1]);
        EXPECT_EQ(field(row[0].c_str(), pHasChildren), row[2]);
        EXPECT_EQ(field(row[0].c_str(), pSiblingPosition), row[3]);
        EXPECT_EQ(field(row[0].c_str(), pIsFirstItem), row[4]);
    }
    EXPECT_EQ(menu.agent.GetAppletData()[pMenuCount], "3");
}

TEST(Generator, FixedValuesAreStoredOnlyWhenThereAreItems) {
    for (const bool withItem : {false, true}) {
        MenuFixture menu(withItem ? std::vector<TMenuLine>{{0, "A"}} : std::vector<TMenuLine>{});
        TAppletData gathered = menu.agent.GetAppletData();
        for (int f : {pParam7, pParam9, pDragBar_Cursor, pParam30, pParam32, pParam33, pMenuCount}) gathered[f] = "";
        menu.agent.SetAppletData(gathered);
        menu.Generate();
        const TAppletData after = menu.agent.GetAppletData();
        SCOPED_TRACE(withItem);
        EXPECT_EQ(after[pParam7], withItem ? "0" : "");
        EXPECT_EQ(after[pParam9], withItem ? "1" : "");
        EXPECT_EQ(after[pDragBar_Cursor], withItem ? "move" : "");
        EXPECT_EQ(after[pParam33], withItem ? "0" : "");
        EXPECT_EQ(after[pMenuCount], withItem ? "1" : "");
    }
}

TEST(Generator, RewrittenLinksStayInTheRecordsAndConvertBack) {
    MenuFixture menu(kTwoItems);
    SetLinks(menu);
    SetRoots(menu, kLocal, kRemote, "1");
    menu.Generate();
    EXPECT_EQ(menu.agent.Items()[0][pURL], kLocal + "a.htm");
    EXPECT_EQ(menu.agent.Items()[0][pStatusMsg], kLocal + "a.htm");

    SetRoots(menu, kLocal, kRemote, "0");
    menu.Generate();
    EXPECT_EQ(menu.agent.Items()[0][pURL], kRemote + "a.htm");
    EXPECT_EQ(menu.agent.Items()[1][pURL], kRemote + "b.htm");
    EXPECT_EQ(menu.agent.Items()[1][pPopDescText], kRemote + kRemote);
}

TEST(Generator, DamagedLevelsAttachToTheDeepestPossibleParent) {
    MenuFixture menu({{0, "A"}, {1, "B"}});
    TItemData jumped = TvarnAppletAgent::NewDefaultItem();
    jumped[ICaption] = "Deep";
    jumped[pLevel] = "5";  // more than one below its predecessor
    menu.agent.Document().items.push_back(jumped);
    menu.Generate();
    EXPECT_EQ(menu.agent.Items()[2][pLevel], "2");
    EXPECT_EQ(menu.agent.Items()[1][pHasChildren], "1");
    EXPECT_EQ(menu.agent.GetAppletData()[pMenuCount], "3");
}

TEST(Generator, NegativeAndWildLevelsGiveATreeNotAnException) {
    MenuFixture menu;
    for (const char* level : {"-3", "0", "-1", "2147483647", "1"}) {
        TItemData item = TvarnAppletAgent::NewDefaultItem();
        item[ICaption] = level;
        item[pLevel] = level;
        menu.agent.Document().items.push_back(item);
    }
    TGeneratedMenu generated;
    ASSERT_NO_THROW(generated = menu.Generate());
    std::vector<std::string> levels;
    for (const TItemData& item : generated.document.items) levels.push_back(item[pLevel]);
    EXPECT_EQ(levels, (std::vector<std::string>{"0", "0", "0", "1", "1"}));
    EXPECT_EQ(std::count(generated.script.begin(), generated.script.end(), '\n'), 6);
}

TEST(Generator, PreparedLinksStayAsTheyAreWhenTheRemoteRootHoldsTheLocalOne) {
    // Local "site/", remote "http://example.com/site/": saving twice must not
    // grow a link, and a link already on the server stays as written.
    MenuFixture menu({{0, "Near"}, {0, "Far"}, {0, "Both"}});
    menu.SetItemField(0, pURL, "site/near.html");
    menu.SetItemField(1, pURL, "http://example.com/site/far.html");
    menu.SetItemField(2, pURL, "SITE/a.html and HTTP://EXAMPLE.COM/SITE/b.html");
    SetRoots(menu, "site/", "http://example.com/site/", "0");
    const TItemArray first = menu.Generate().document.items;
    EXPECT_EQ(first[0][pURL], "http://example.com/site/near.html");
    EXPECT_EQ(first[1][pURL], "http://example.com/site/far.html");
    EXPECT_EQ(first[2][pURL], "http://example.com/site/a.html and HTTP://EXAMPLE.COM/SITE/b.html");
    EXPECT_EQ(menu.Generate().document.items, first) << "a second save changes nothing";

    SetRoots(menu, "site/", "http://example.com/site/", "1");
    const TItemArray back = menu.Generate().document.items;
    EXPECT_EQ(back[0][pURL], "site/near.html");
    EXPECT_EQ(back[2][pURL], "site/a.html and site/b.html");
    EXPECT_EQ(menu.Generate().document.items, back);
}

TEST(Generator, ADeepChainIsGeneratedInOrder) {
    constexpr int kDepth = 20000;
    std::vector<TMenuLine> chain;
    for (int i = 0; i < kDepth; ++i) chain.push_back({i, "L" + std::to_string(i)});
    MenuFixture menu(chain);
    const std::string script = menu.Generate().script;
    size_t at = script.find("\r\n") + 2;
    for (int i = 0; i < kDepth; ++i) {
        const std::string start = "createItem('L" + std::to_string(i) + "',";
        ASSERT_EQ(script.compare(at, start.size(), start), 0) << script.substr(at, 40);
        at = script.find("\r\n", at) + 2;
    }
    EXPECT_EQ(menu.agent.GetAppletData()[pMenuCount], std::to_string(kDepth));
}

TEST(Generator, StatusShowsTheHintAndResetsIt) {
    RecordingStatus status;
    MenuFixture menu({{0, "A"}});
    menu.Generate(&status);
    ASSERT_GE(status.calls.size(), 4u);
    EXPECT_EQ(status.calls[0], "hint Making HTML Codes ... ...");
    EXPECT_EQ(status.calls[1], "busy");
    EXPECT_EQ(status.calls[status.calls.size() - 2], "hint ");
    EXPECT_EQ(status.calls.back(), "idle");
}

TEST(JavaScriptLiteral, BareValuesMustBeIntegers) {
    for (const char* integer : {"0", "-5", "1000", "007"}) EXPECT_TRUE(IsIntegerText(integer)) << integer;
    for (const char* other : {"", "-", "+1", " 1", "1 ", "1.5", "0x1F", "1e3", "bold", "1;alert(1)"}) {
        EXPECT_FALSE(IsIntegerText(other)) << other;
    }
    EXPECT_EQ(BareLiteral("-12", TQuote::Apostrophe), "-12");
    EXPECT_EQ(BareLiteral("1);alert(1", TQuote::Double), "\"1);alert(1\"");
    // Bytes that are no UTF-8 (no reader hands such text over) still come
    // out as ASCII, each as the character of its value.
    EXPECT_EQ(EscapeForJavaScript("a\xE2\x80", TQuote::Double), "a\\u00e2\\u0080");
}

TEST(PathReplacement, IgnoresCaseAndNeverOverlapsOrRescans) {
    EXPECT_EQ(ReplaceAllIgnoreCase("a/x a/", "a/", "b/a/", "b/a/"), "b/a/x b/a/");
    EXPECT_EQ(ReplaceAllIgnoreCase("b/a/x", "a/", "b/a/", "b/a/"), "b/a/x");  // inside the kept text
    EXPECT_EQ(ReplaceAllIgnoreCase("B/A/x a/", "a/", "b/a/", "b/a/"), "B/A/x b/a/");
    EXPECT_EQ(ReplaceAllIgnoreCase("aaa", "aa", "b"), "ba");
    EXPECT_EQ(ReplaceAllIgnoreCase("xX", "x", "xx"), "xxxx");
    EXPECT_EQ(ReplaceAllIgnoreCase("ABC abc", "b", ""), "AC ac");
    EXPECT_EQ(ReplaceAllIgnoreCase("same", "", "x"), "same");
    EXPECT_EQ(ReplaceAllIgnoreCase("same", "", "x"), "same");
}
