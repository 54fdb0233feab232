#pragma once
// The command-line tool's own program folder. Each run generates tmzcfg.js and
// fills its preview folder in a private temporary folder, so that runs side
// by side (and an open editor) never write each other's scratch files.

#include <string>

#include "model/appletagent.h"
#include "model/memorymenutree.h"

class TCliWorkspace {
public:
    // Creates the private folder; throws TFileError when it cannot.
    TCliWorkspace();
    ~TCliWorkspace();  // removes the private folder with everything in it
    TCliWorkspace(const TCliWorkspace&) = delete;
    TCliWorkspace& operator=(const TCliWorkspace&) = delete;

    const std::string& Folder() const { return folder_; }  // trailing separator

    // Copies the fixed run-time scripts of the installed program folder into
    // the private one; throws TFileError naming a script that is missing.
    void TakeRuntimeScripts(const TvarnAppletAgent& agent, const std::string& programFolder) const;

private:
    std::string folder_;
};

// A project or structure file that was refused or ended early.
struct TCliRefusal {
    std::string path;
    std::string reason;
};

// Opens a project as the editor's Open does: a fresh tree, the file read
// (throws TCliRefusal when refused or incomplete), the preview cleared. The
// agent's tree is set to `tree`.
void OpenProjectLikeEditor(TvarnAppletAgent& agent, TMemoryMenuTree& tree, const std::string& path);
// Reads a structure file into a fresh document the same way.
void ImportStructureLikeEditor(TvarnAppletAgent& agent, TMemoryMenuTree& tree, const std::string& path);
