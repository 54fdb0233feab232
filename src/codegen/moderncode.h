#pragma once
// The modern form of the page code: the whole menu as a hidden <nav> of real
// links, then deferred scripts and, for visitors without script, a style
// sheet. No inline script or style, nothing that blocks the first paint, so
// it works under a strict content security policy and search engines and
// visitors without script get every link. The same tmzcfg.js serves both
// forms.

#include <string>
#include <vector>

#include "model/document.h"
#include "model/menushape.h"

// The style sheet that shows the nav's list without script.
inline constexpr const char* kMenuStylesheetName = "tmzmenu.css";

// The lines from "<!-- CODES BEGIN -->" up to the line before "<!-- CODES
// END -->", for a document as the generator leaves it (links prepared).
// Plain ASCII: other characters become character references.
std::vector<std::string> ModernCodeLines(const TMenuDocument& prepared, const TMenuShape& shape);

// tmzmenu.css: the list indented, in the menu's font and colours. Plain ASCII.
std::string MenuStylesheet(const TAppletData& applet);
// tmzmenu.css of a document: that list for a floating menu; for a bar or a
// sidebar the menu's final box, drawn before any script runs.
std::string MenuStylesheet(const TMenuDocument& prepared);

// Text for an HTML attribute value in double quotes: & " < > escaped, and
// every character above U+007F as a character reference.
std::string AttributeText(const std::string& text);
// HTML as it stands with characters above U+007F as character references.
std::string AsciiHtml(const std::string& html);
// The nav's name: the drag bar's title as text (tags dropped, blanks
// collapsed), else "Site menu".
std::string NavigationLabel(const TAppletData& applet);
