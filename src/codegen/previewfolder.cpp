// The agent's preview folder: the files it copies there for the browser
// preview, and the cleaning that removes exactly those again.
#include <string>

#include "codegen/fileops.h"
#include "model/appletagent.h"
#include "model/statustask.h"

namespace {

const TAppletField kArrowImageFields[] = {pSubMenuArrowFileNormal, pSubMenuArrowFileOver};

}  // namespace

std::string TvarnAppletAgent::PreviewFolder() const {
    return InFolder(InFolder(ProgramFolder(), "preview"), "");
}

void TvarnAppletAgent::CopyToPreview(const std::string& path) {
    const std::string preview = PreviewFolder();
    CreateFolderQuietly(preview);
    const std::string name = FileNamePart(path);
    if (IsPlainFileName(name)) CopyFileReplacing(path, preview + name);
    previewFiles_.push_back(name);
}

void TvarnAppletAgent::CopyScriptsToPreview(const std::string& folder) {
    for (const std::string& name : scriptFileNames_) CopyToPreview(InFolder(folder, name));
}

void TvarnAppletAgent::CopyArrowImagesToPreview(const std::string& folder) {
    TStatusTask task(Status());
    task.BeginWithProgress(100, "Copying Resource Files ... ...");
    for (TAppletField field : kArrowImageFields) {
        if (!appletData_[field].empty()) CopyToPreview(InFolder(folder, appletData_[field]));
    }
    task.Step(50);
    task.Step(50);
}

void TvarnAppletAgent::ClearPreview() {
    const std::string preview = PreviewFolder();
    for (const std::string& name : previewFiles_) {
        if (IsPlainFileName(name)) DeleteFileQuietly(preview + name);
    }
    previewFiles_.clear();
    RemoveEmptyFolderQuietly(preview);
}
