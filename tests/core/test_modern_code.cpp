// The modern page code: the menu as a hidden list of real links, deferred
// scripts and a style sheet for visitors without script; nothing a strict
// content security policy refuses, and plain ASCII whatever the captions.
#include <gtest/gtest.h>

#include <regex>

#include "codegen/moderncode.h"
#include "codegen/publishing.h"
#include "test_codegen_support.h"

using namespace codegentest;

namespace {

const std::vector<TMenuLine> kLines = {{0, "Home"},   {0, "Products"},  {1, "Tools"}, {2, "Hammers"},
                                       {1, "-"},      {1, "Gadgets"},   {0, "Contact"}};

// Links, targets, captions and a title with everything that needs escaping.
void Dress(MenuFixture& menu) {
    menu.SetItemField(menu.IndexOf("Home"), pURL, "index.html?a=1&b=\"2\"");
    menu.SetItemField(menu.IndexOf("Home"), pTarget, "");
    menu.SetItemField(menu.IndexOf("Products"), pURL, "");  // a submenu without a page of its own
    menu.SetItemField(menu.IndexOf("Tools"), pURL, "tools.html");
    menu.SetItemField(menu.IndexOf("Tools"), pTarget, "_blank");
    menu.SetItemField(menu.IndexOf("Hammers"), ICaption, "<b>Hammers</b> &amp; \xC3\x9C" "ber \xF0\x9F\x98\x80");
    menu.SetItemField(menu.IndexOf("-"), pSeparator, "1");
    menu.SetItemField(menu.IndexOf("Contact"), pURL, "mailto:me@example.com");
    menu.SetApplet(pDragBar_Title, "  <i>Our</i>\tsite \"menu\" \xE2\x82\xAC ");
}

}  // namespace

TEST(ModernPageCode, GoldenPageAndStyleSheet) {
    MenuFixture menu(kLines), classic(kLines);
    Dress(menu);
    Dress(classic);
    const TGeneratedMenu generated = menu.Generate(nullptr, TPageCode::Modern);
    ExpectGolden("modern_page", "page.html", generated.page);
    ExpectGolden("modern_page", "tmzmenu.css", generated.stylesheet);
    // Both forms load the same parameter script.
    EXPECT_EQ(generated.script, classic.Generate().script);
}

TEST(ModernPageCode, NothingAStrictPolicyRefusesAndOnlyAscii) {
    MenuFixture menu(kLines);
    Dress(menu);
    const TGeneratedMenu generated = menu.Generate(nullptr, TPageCode::Modern);
    for (const std::string& text : {generated.page, generated.stylesheet}) {
        for (char c : text) ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
    }
    const std::string& page = generated.page;
    EXPECT_EQ(page.find("document.write"), std::string::npos);
    EXPECT_EQ(page.find("<style"), std::string::npos);
    EXPECT_EQ(page.find(" style="), std::string::npos);
    // Every script is an external, deferred one.
    const std::regex script("<script[^>]*>");
    int scripts = 0;
    for (auto it = std::sregex_iterator(page.begin(), page.end(), script); it != std::sregex_iterator(); ++it) {
        EXPECT_EQ(it->str().find(" defer src=\""), 7u) << it->str();
        ++scripts;
    }
    EXPECT_EQ(scripts, 3);
    // Every list is closed, every item too.
    const auto count = [&page](const std::string& tag) {
        size_t n = 0;
        for (size_t at = page.find(tag); at != std::string::npos; at = page.find(tag, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count("<ul>"), count("</ul>"));
    EXPECT_EQ(count("<li>") + count("<li role="), count("</li>"));
    EXPECT_EQ(count("<a"), 6u);  // every item but the separator
}

TEST(ModernPageCode, AnItemOfEveryDepthFindsItsPlaceWithoutRecursion) {
    constexpr int kDepth = 20000;
    std::vector<TMenuLine> chain;
    for (int i = 0; i < kDepth; ++i) chain.push_back({i, "L"});
    MenuFixture menu(chain);
    const std::string page = menu.Generate(nullptr, TPageCode::Modern).page;
    size_t lists = 0;
    for (size_t at = page.find("<ul>"); at != std::string::npos; at = page.find("<ul>", at + 1)) ++lists;
    EXPECT_EQ(lists, static_cast<size_t>(kDepth));
}

TEST(ModernPageCode, TheLabelIsTheTitlesTextElseSiteMenu) {
    TAppletData applet = DefaultAppletData();
    applet[pDragBar_Title] = "<b>Welcome</b>  to   <i>us</i>";
    EXPECT_EQ(NavigationLabel(applet), "Welcome to us");
    applet[pDragBar_Title] = " <img src=\"logo.gif\"> ";
    EXPECT_EQ(NavigationLabel(applet), "Site menu");
    applet[pDragBar_Title] = "Tom &amp; Jerry's \"Caf\xC3\xA9\"";
    EXPECT_EQ(NavigationLabel(applet), "Tom &amp; Jerry's &quot;Caf&#xE9;&quot;");
}

TEST(ModernPageCode, TheStyleSheetCannotBeBrokenOutOf) {
    TAppletData applet = DefaultAppletData();
    applet[pItemFontFamily] = "Evil}body{display:none;<x>\\";
    applet[pItemNoColor] = "red;}x{";
    const std::string css = MenuStylesheet(applet);
    EXPECT_NE(css.find("font-family: Evilbodydisplay:nonex, sans-serif;"), std::string::npos) << css;
    EXPECT_NE(css.find("color: #000000;"), std::string::npos);
    EXPECT_EQ(css.find("red"), std::string::npos);
}

TEST(ModernPageCode, PublishingWritesTheStyleSheetAndTheReportNamesIt) {
    ScratchFolder scratch;
    MenuFixture menu(kLines);
    Dress(menu);
    TPublishSetup setup;
    setup.programFolder = scratch.Folder("program");
    for (const std::string& name : ScriptFileNames()) WriteBytes(setup.programFolder + name, "//");
    setup.pageCode = TPageCode::Modern;
    const TPublishPlan plan(menu.agent.GetAppletData(), setup, scratch.Folder("site"), "menu.tmz");
    ASSERT_EQ(plan.FilesOf(TPublishedFile::Kind::Stylesheet).size(), 1u);
    TSilentStatus status;
    SaveAndPublish(menu.agent.Document(), setup, scratch.Folder("site"), "menu.tmz", status);
    EXPECT_EQ(ReadBytes(scratch.Folder("site") + "tmzmenu.css"), MenuStylesheet(menu.Generate().document.applet));
    const std::string report = ReadBytes(scratch.Folder("site") + "menu_PublishReport.txt");
    const std::string classic = MakePublishReport(menu.agent.Document(), status);
    EXPECT_EQ(report.substr(0, classic.size()), classic) << "the specified lines first";
    EXPECT_EQ(report.substr(classic.size()),
              "\r\n[Style sheet for visitors without JavaScript]: Copy it with the script files!\r\n  tmzmenu.css\r\n");
}

// A bar or a sidebar shows from its style sheet before any script runs: the
// sheet is linked ahead of a nav that is not hidden, and names the phone
// form's button without a way out of its CSS string.
TEST(ModernPageCode, ABarOrSidebarIsDrawnByItsStyleSheetBeforeAnyScript) {
    MenuFixture bar(kLines), sidebar(kLines);
    Dress(bar);
    bar.SetApplet(pDragBar_Title, "<i>Caf\xC3\xA9</i> \"x\\\"}");
    bar.agent.Document().extended.Set("Layout", "Bar");
    bar.agent.Document().extended.Set("PhoneBelow", "500");
    const TGeneratedMenu generated = bar.Generate(nullptr, TPageCode::Modern);
    // The nav's second class names its sheet: the sheet selects that class only.
    const std::string opening = "<link rel=\"stylesheet\" href=\"tmzmenu.css\">\r\n<nav class=\"trellimenu trellimenu-";
    const size_t at = generated.page.find(opening);
    ASSERT_NE(at, std::string::npos) << generated.page;
    const std::string scope = generated.page.substr(at + opening.size() - 11, 19);
    EXPECT_EQ(generated.page.substr(at + opening.size() + 8, 47), "\" aria-label=\"Caf&#xE9; &quot;x\\&quot;}\">\r\n<ul>");
    EXPECT_EQ(generated.page.find("noscript"), std::string::npos);
    const std::string& css = generated.stylesheet;
    EXPECT_EQ(css.find("nav.trellimenu:"), std::string::npos) << css;
    EXPECT_NE(css.find("\r\nnav." + scope + ":not(.tmz-nav){all:initial;"), std::string::npos) << scope << css;
    EXPECT_NE(css.find("content:\"Caf\\E9  \\22 x\\5C \\22 }\";"), std::string::npos) << css;
    EXPECT_NE(css.find("(max-width:499.98px)"), std::string::npos);
    EXPECT_NE(css.find("display:flex;flex-wrap:wrap;justify-content:flex-start;"), std::string::npos);

    sidebar.SetItemField(0, pMenuWidth, "150");
    sidebar.agent.Document().extended.Set("Layout", "Sidebar");
    const std::string side = sidebar.Generate(nullptr, TPageCode::Modern).stylesheet;
    EXPECT_NE(side.find(";width:158px}"), std::string::npos) << "the main list and the frame round it: " << side;
    EXPECT_EQ(side.find("display:flex"), std::string::npos);

    // Another look gets another name; the same look, published again, the same.
    const auto scopeOf = [](MenuFixture& menu) {
        const std::string page = menu.Generate(nullptr, TPageCode::Modern).page;
        return page.substr(page.find("trellimenu-"), 19);
    };
    EXPECT_EQ(scopeOf(bar), scope);
    bar.SetApplet(pItemNoColor, "FFFF00");
    EXPECT_NE(scopeOf(bar), scope);
}
