#include "ui/livepreview/layoutsample.h"

#include "model/extendedvalues.h"

namespace {

const char* const kHead =
    "<!DOCTYPE html>\n"
    "<html lang=\"en\">\n"
    "<head>\n"
    "<meta charset=\"utf-8\">\n"
    "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
    "<title>Sample page</title>\n"
    "<style>\n"
    ":root{color-scheme:light dark}\n"
    "body{margin:0;font:16px/1.5 system-ui,sans-serif;color:#1f2328;background:#fff}\n"
    ".sample-header{background:#e8edf3;border-bottom:1px solid #c3ccd7;padding:12px 24px}\n"
    ".sample-site{margin:0 0 8px;font-size:22px;font-weight:bold}\n"
    ".sample-columns{display:flex;gap:24px;align-items:flex-start;padding:16px 24px}\n"
    ".sample-side{flex:none}\n"
    ".sample-main{padding:16px 24px;max-width:46em}\n"
    ".sample-columns .sample-main{flex:1;padding:0}\n"
    ".sample-note{color:#57606a;font-size:14px}\n"
    "@media (prefers-color-scheme:dark){body{color:#e6edf3;background:#0d1117}"
    ".sample-header{background:#161b22;border-color:#30363d}.sample-note{color:#9198a1}}\n"
    "</style>\n"
    "</head>\n"
    "<body>\n";

const char* const kSiteName = "<p class=\"sample-site\">Example Site</p>\n";

QByteArray Content(const char* where)
{
    QByteArray text = "<main class=\"sample-main\">\n<h1>Welcome</h1>\n<p class=\"sample-note\">A sample page of the "
                      "live preview: your menu ";
    text += where;
    text += ", where you paste its code block. Your saved page does not change.</p>\n";
    // Enough text to scroll, so a bar that sticks to the top shows it.
    for (int i = 1; i <= 6; ++i) {
        text += "<h2>Section " + QByteArray::number(i) + "</h2>\n";
        text += "<p>The page's own content follows the menu in the flow of the page: nothing is covered, and the "
                "menu moves with the page as the page's other parts do. Submenus open over the content and close "
                "again when the pointer leaves them.</p>\n";
    }
    return text + "</main>\n";
}

}  // namespace

QByteArray LayoutSamplePage(const TExtendedValues& values, const QByteArray& menuCode)
{
    const std::string layout = values.ValueOrDefault(extended::kLayout);
    QByteArray page = kHead;
    if (layout == "Bar") {
        const bool sticky = values.ValueOrDefault(extended::kSticky) == "1";
        page += "<header class=\"sample-header\">\n" + QByteArray(kSiteName);
        page += sticky ? "</header>\n" + menuCode : menuCode + "</header>\n";
        page += Content("as a bar in a site's header");
    } else if (layout == "Sidebar") {
        page += "<header class=\"sample-header\">\n" + QByteArray(kSiteName) + "</header>\n";
        page += "<div class=\"sample-columns\">\n<aside class=\"sample-side\">\n" + menuCode + "</aside>\n";
        page += Content("as a sidebar in a side column") + "</div>\n";
    } else {
        return QByteArray();
    }
    return page + "</body>\n</html>\n";
}
