#pragma once
// The generator: the page and the parameter script tmzcfg.js made from a
// document, in memory. Save, Preview, Build HTML, the command-line tool and
// the live preview all call this one function.

#include <string>

#include "model/document.h"
#include "model/statusdisplay.h"

// The two forms of the code a page pastes: the classic block that writes the
// script tags (what existing sites have), or the modern one of real links and
// deferred scripts.
enum class TPageCode { Classic, Modern };

// "classic" / "modern", as the settings and the command line say it.
const char* PageCodeName(TPageCode code);
bool PageCodeFromName(const std::string& name, TPageCode& code);

struct TGeneratedMenu {
    // The records as generation leaves them: the tree-derived item fields,
    // the fixed menu values and the prepared links. A save writes this
    // document as the project, so the project matches the page beside it.
    TMenuDocument document;
    std::string page;    // the generated page, every line ended by CR LF
    std::string script;  // tmzcfg.js: one createMenuGlobalParams line, one createItem line per item
    std::string stylesheet;  // tmzmenu.css of the modern form, "" for the classic one
};

// Generates the page and tmzcfg.js, showing "Making HTML Codes ... ..." while
// it works.
TGeneratedMenu GenerateMenu(const TMenuDocument& document, TStatusDisplay& status,
                            TPageCode pageCode = TPageCode::Classic);
