#pragma once
// The text of the generated page and of the parameter script tmzcfg.js,
// built from the records. Pure functions: no files, no agent.

#include <string>
#include <vector>

#include "model/extendedvalues.h"
#include "model/records.h"

// The parameter script, generated into the program folder at every run.
inline constexpr const char* kParameterScriptName = "tmzcfg.js";

// Page lines 1 to 4 (always written).
const std::vector<std::string>& PageHeadLines();
// Page lines 5 to 15: the block to paste after <BODY>, written when the menu has items.
std::vector<std::string> PageCodeLines();
// The page tail from "<!-- CODES END -->" to "</HTML>" (always written).
const std::vector<std::string>& PageTailLines();

// createMenuGlobalParams(...); with the 69 menu-wide values.
std::string MenuParameterLine(const TAppletData& applet);
// createItem(...); with the 34 values of one item; groupMenuWidth is the
// pMenuWidth of the first item of the item's submenu.
std::string ItemLine(const TItemData& item, const std::string& groupMenuWidth);

// createMenuExtendedParams("Name","Value",...); with the known extended values
// that are set, in the order of the names table, after the item lines; ""
// when none is set, so a menu without them gets the script it always got.
std::string ExtendedParameterLine(const TExtendedValues& values);

// The values the generator always stores into a menu that has items.
void StoreFixedValues(TAppletData& applet, int menuCount);

// Item preparation just before its line is built: the two message flags,
// then the link rewriting between the local and the remote root folder.
void PrepareItem(TItemData& item, const TAppletData& applet);

// Every occurrence of `from` in `text` replaced by `to`, letters compared by
// simple Unicode case folding, left to right, without overlaps; inserted text
// is not searched again, and an occurrence lying wholly inside an occurrence
// of `keep` (compared the same way) is left as it is. An empty `from` changes
// nothing.
std::string ReplaceAllIgnoreCase(const std::string& text, const std::string& from, const std::string& to,
                                 const std::string& keep = std::string());
