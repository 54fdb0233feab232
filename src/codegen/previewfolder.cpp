#include "codegen/previewfolder.h"

#include "codegen/fileops.h"
#include "codegen/publishing.h"
#include "files/filetransaction.h"
#include "files/textfile.h"
#include "model/statustask.h"

namespace {

const TAppletField kArrowImageFields[] = {pSubMenuArrowFileNormal, pSubMenuArrowFileOver};

}  // namespace

TPreviewFolder::TPreviewFolder(const std::string& programFolder) {
    SetProgramFolder(programFolder);
}

void TPreviewFolder::SetProgramFolder(const std::string& programFolder) {
    programFolder_ = programFolder.empty() ? programFolder : InFolder(programFolder, "");
}

std::string TPreviewFolder::Folder() const {
    return InFolder(InFolder(programFolder_, "preview"), "");
}

void TPreviewFolder::CopyToPreview(const std::string& path) {
    Put(FileNamePart(path), [&path] { return ReadWholeFile(path); });
}

void TPreviewFolder::WriteToPreview(const std::string& name, const std::string& bytes) {
    Put(name, [&bytes] { return bytes; });
}

void TPreviewFolder::Put(const std::string& name, const std::function<std::string()>& bytes) {
    const std::string preview = Folder();
    CreateFolderQuietly(preview);
    if (IsPlainFileName(name)) {
        try {
            WriteFileAtomically(preview + name, bytes(), TFileTransaction::Locking::None);
        } catch (const TFileError&) {
        }
    }
    previewFiles_.push_back(name);
}

void TPreviewFolder::CopyScriptsToPreview(const std::string& folder) {
    for (const std::string& name : ScriptFileNames()) CopyToPreview(InFolder(folder, name));
}

void TPreviewFolder::CopyArrowImagesToPreview(const std::string& folder, const TAppletData& applet,
                                              TStatusDisplay& status) {
    TStatusTask task(status);
    task.BeginWithProgress(100, "Copying Resource Files ... ...");
    for (TAppletField field : kArrowImageFields) {
        if (!applet[field].empty()) CopyToPreview(InFolder(folder, applet[field]));
    }
    task.Step(50);
    task.Step(50);
}

void TPreviewFolder::ClearPreview() {
    const std::string preview = Folder();
    for (const std::string& name : previewFiles_) {
        if (IsPlainFileName(name)) DeleteFileQuietly(preview + name);
    }
    previewFiles_.clear();
    RemoveEmptyFolderQuietly(preview);
}
