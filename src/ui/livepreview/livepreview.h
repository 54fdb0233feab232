#pragma once
// The live preview pane: a dock beside the pages showing the document's menu
// as the run-time engine draws it, kept up to date as the document changes.
// A build without Qt WebEngine (TRELLIMENU_WITH_WEBENGINE off) has no pane
// and leaves this folder out.

#include <QString>

class QMainWindow;
class QMenu;
class TEditorDocument;
class TPrompts;
class TSettingsStore;

struct TLivePreviewSources {
    TEditorDocument& document;
    TSettingsStore& settings;
    TPrompts& prompts;
    QString programFolder;  // with its trailing separator
    // The window opens at a size kept from before, which made room for the
    // pane if it was shown then; otherwise the window grows to make room.
    bool windowSizeKept = false;
};

// Adds the dock to `window` (where the settings kept it; without a kept
// choice shown on a wide screen) and its toggle, F5, to `viewMenu`. The
// browser inside is started only after the window's first paint.
void InstallLivePreview(QMainWindow& window, QMenu& viewMenu, const TLivePreviewSources& sources);
