#pragma once
// The project file (".tmz", also the template format): every menu-wide
// parameter and every item field, one record per line.

#include <string>

#include "files/readdocument.h"
#include "files/textfile.h"
#include "model/statustask.h"

// Reads the file at path; the end of the file before the closing item tag
// gives an Incomplete document, a foreign or headerless file a Refused one.
// Throws TFileError when the file cannot be read.
TReadDocument ReadProjectFile(const std::string& path, const std::string& separator, TStatusTask& task);

// Writes the whole file to an open writer, stepping the task's progress;
// the caller commits.
void WriteProjectFile(TTextFileWriter& out, TStatusTask& task, const TAppletData& applet, const TItemArray& items,
                      const std::string& separator);

// The progress maximum of a writer: 38 steps per item and 15 for the rest.
int SavingProgressMaximum(size_t itemCount);
