#pragma once
// The file dialogs of the document actions: each starts in the folder last
// used for its kind of file.

#include <QString>

#include "ui/services/foldermemory.h"

class TPrompts;

extern const char* const kProjectFilter;    // "Trellimenu 2006 Files (*.tmz)"
extern const char* const kStructureFilter;  // "General Menu Structure File (*.gms)"

enum class TFileChoice { Open, Save };

// The chosen file, "" when cancelled. A folder chosen to read from is
// remembered at once; one chosen to write in only once the writing
// succeeded, which is the caller's to do. `folder` overrides the start.
QString AskForFile(TPrompts& prompts, TFolderMemory& folders, TFileChoice choice, const QString& caption,
                   TFolderKind kind, const QString& filter, const QString& folder = QString());
