#pragma once
// The menu structure exchange file (".gms", "General Menu Structure
// Description Format"): level, caption, link, target and status message of
// every item, nothing else.

#include <string>

#include "files/readdocument.h"
#include "files/textfile.h"
#include "model/statustask.h"

// Reads the file at path into a document with reset parameters and new-item
// values beside the five carried fields. Throws TFileError when unreadable.
TReadDocument ReadStructureFile(const std::string& path, const std::string& separator, TStatusTask& task);

// The lines before the item lines, "<Structure_Description>" included.
void WriteStructureHeader(TTextFileWriter& out, TStatusTask& task);
// The item lines and the closing tag; the caller commits.
void WriteStructureItems(TTextFileWriter& out, const TItemArray& items, const std::string& separator);
