#pragma once
// Items as the clipboard carries them between editors: every field of each
// item in the project file's item lines, between two tags of their own, the
// block's levels relative to its first item. Other tools get the structure
// file's text beside it.

#include <optional>
#include <string>

#include "model/records.h"

// The block's text; its first item at level 0.
std::string ItemsClipboardText(const TItemArray& block);
// The items of such a text, levels clamped into a tree whose first item is at
// level 0; nothing when the text is not in this format.
std::optional<TItemArray> ItemsFromClipboardText(const std::string& text);

// The MIME type of the private format.
extern const char* const kItemsMimeType;  // "application/x-trellimenu-items"
