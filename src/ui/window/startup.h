#pragma once
// The program entry's sequence, apart from the event loop so that tests can
// run it: main window, companion windows, then the command-line file or the
// template chooser.

#include <QStringList>
#include <memory>

#include "ui/services/editorenvironment.h"

class TMainForm;

// All arguments joined by single blanks and trimmed: a path with blanks that
// the desktop passed unquoted arrives whole again.
QString JoinCommandLine(const QStringList& arguments);

// Runs the start-up sequence and returns the shown main window; the caller
// runs the event loop. `arguments` excludes the program name.
std::unique_ptr<TMainForm> StartEditor(const QStringList& arguments, const TEditorEnvironment& environment);

// StartEditor, then the event loop until the main window has closed.
int RunEditor(const QStringList& arguments, const TEditorEnvironment& environment);
