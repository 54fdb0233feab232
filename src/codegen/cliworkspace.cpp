#include "codegen/cliworkspace.h"

#include <filesystem>
#include <random>

#include "codegen/fileops.h"
#include "codegen/menucode.h"
#include "files/textfile.h"

namespace fs = std::filesystem;

namespace {

const char* const kIncompleteReason = "The file ends before its closing tag; nothing was written.";

void CheckRead(const TReadResult& result, const std::string& path) {
    if (result.status == TReadResult::Refused) throw TCliRefusal{path, result.message};
    if (result.status == TReadResult::Incomplete) throw TCliRefusal{path, kIncompleteReason};
}

}  // namespace

TCliWorkspace::TCliWorkspace() {
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) throw TFileError("Cannot create folder", "(temporary folder)", error.message());
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = base / ("trellimenu-cli-" + std::to_string(random()));
        if (fs::create_directory(candidate, error)) {
            folder_ = InFolder(candidate.string(), "");
            return;
        }
    }
    throw TFileError("Cannot create folder", (base / "trellimenu-cli-*").string(),
                     error ? error.message() : "No free name");
}

TCliWorkspace::~TCliWorkspace() {
    std::error_code error;
    fs::remove_all(folder_, error);
}

void TCliWorkspace::TakeRuntimeScripts(const TvarnAppletAgent& agent, const std::string& programFolder) const {
    for (const std::string& name : agent.ScriptFileNames()) {
        if (name == kParameterScriptName) continue;
        const std::string source = InFolder(programFolder, name);
        std::error_code error;
        if (!fs::is_regular_file(source, error)) throw TFileError("Cannot open file", source, "File not found");
        if (!CopyFileReplacing(source, folder_ + name)) {
            throw TFileError("Cannot create file", folder_ + name, "Copy failed");
        }
    }
}

void OpenProjectLikeEditor(TvarnAppletAgent& agent, TMemoryMenuTree& tree, const std::string& path) {
    // Without a program folder of its own the agent's preview folder would be
    // "preview" in the caller's current folder: a user's folder, never ours to remove.
    if (!agent.ProgramFolder().empty()) agent.ClearPreview();
    tree.Clear();
    tree.AddRoot(kRootNodeText);
    CheckRead(agent.LoadProject(path, tree), path);
    agent.SetMenuTree(&tree);
}

void ImportStructureLikeEditor(TvarnAppletAgent& agent, TMemoryMenuTree& tree, const std::string& path) {
    tree.Clear();
    tree.AddRoot(kRootNodeText);
    CheckRead(agent.ImportStructure(path, tree), path);
    agent.SetMenuTree(&tree);
}
