#pragma once
// The project file (".tmz", also the template format): every menu-wide
// parameter and every item field, one record per line, in the document's
// encoding.

#include <string>

#include "files/filetransaction.h"
#include "files/readdocument.h"
#include "model/document.h"
#include "model/statusdisplay.h"

// Reads the file at path into `document` when it is accepted; the end of the
// file before the closing item tag gives Incomplete, a foreign or headerless
// file Refused (and `document` untouched). Throws TFileError when the file
// cannot be read.
TReadResult LoadProjectFile(const std::string& path, TMenuDocument& document, TStatusDisplay& status);

// Writes the project file as part of a transaction, showing progress.
void StageProjectFile(const TMenuDocument& document, TFileTransaction& files, const std::string& path,
                      TStatusDisplay& status);
// The same in a transaction of its own; throws TFileError, and then the old
// file is as it was.
void SaveProjectFile(const TMenuDocument& document, const std::string& path, TStatusDisplay& status);


// The reader alone, for ReadInto.
TReadDocument ReadProjectFile(const std::string& path, TStatusDisplay& status);
