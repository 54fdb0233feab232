#pragma once
// What the menu tree and the property pages need from the main window.

#include <QString>

class TEditorDocument;
class TvarnAppletAgent;
class TPrompts;

// The folders the file dialogs remember, each on its own.
enum class TFolderKind { Projects, Structures, Images };

class TEditorHost {
public:
    virtual ~TEditorHost() = default;
    virtual TvarnAppletAgent& Agent() = 0;
    virtual TPrompts& Prompts() = 0;
    virtual TEditorDocument& Document() = 0;
    virtual void ShowHint(const QString& text) = 0;  // the status hint line
    virtual QString ProgramFolder() const = 0;     // with a trailing separator
    virtual void CopyToPreview(const QString& path) = 0;  // a picked file, for the preview
    virtual QString ProjectFolder() const = 0;     // the saved project's folder; "" while untitled
    virtual void ShowHelpTopic(int tag) = 0;       // a group's help button
    // Where a file dialog of this kind starts: the folder last used, else the
    // user's home; and the folder of a file just chosen, to start there next.
    virtual QString LastFolder(TFolderKind kind) const = 0;
    virtual void RememberFolderOf(TFolderKind kind, const QString& file) = 0;
};
