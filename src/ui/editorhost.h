#pragma once
// What the menu tree and the property pages need from the main window.

#include <QString>

class TvarnAppletAgent;
class TPrompts;

class TEditorHost {
public:
    virtual ~TEditorHost() = default;
    virtual TvarnAppletAgent& Agent() = 0;
    virtual TPrompts& Prompts() = 0;
    virtual void MarkModified() = 0;               // Modified true, Save enabled
    virtual void ShowHint(const QString& text) = 0;  // the status hint line
    virtual QString ProgramFolder() const = 0;     // with a trailing separator
    virtual void CopyToPreview(const QString& path) = 0;  // a picked file, for the preview
    virtual QString ProjectFolder() const = 0;     // the saved project's folder; "" while untitled
    virtual void ShowHelpTopic(int tag) = 0;       // a group's help button
};
