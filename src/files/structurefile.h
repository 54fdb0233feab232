#pragma once
// The menu structure exchange file (".gms", "General Menu Structure
// Description Format"): level, caption, link, target and status message of
// every item, nothing else.

#include <string>

#include "files/filetransaction.h"
#include "files/readdocument.h"
#include "model/document.h"
#include "model/statusdisplay.h"

// Reads the file at path into `document` when accepted: reset parameters,
// and new-item values beside the five carried fields; the document takes the
// file's encoding. Throws TFileError when unreadable.
TReadResult ImportStructureFile(const std::string& path, TMenuDocument& document, TStatusDisplay& status);

// Writes the document's items, their levels taken from the tree the levels
// describe; in a transaction of its own, or as part of one.
void ExportStructureFile(const TMenuDocument& document, const std::string& path, TStatusDisplay& status);
void StageStructureFile(const TMenuDocument& document, TFileTransaction& files, const std::string& path,
                        TStatusDisplay& status);

// The reader alone, for ReadInto.
TReadDocument ReadStructureFile(const std::string& path, TStatusDisplay& status);

// The file's text, and the document a text in this format describes (the
// clipboard carries items this way for other tools).
std::string StructureFileText(const TMenuDocument& document);
TReadResult ReadStructureText(const std::string& text, TMenuDocument& document);
