// The agent's file operations: each reads into a document on the side and
// adopts it only when accepted; each writes through a temporary file.

#include "files/projectfile.h"
#include "files/structurefile.h"
#include "model/appletagent.h"

const char* const kProjectRefusedMessage = "This file wasn't saved by Trellimenu 2006 1.0, open failed!";
const char* const kStructureRefusedMessage = "This file wasn't saved by specified format, open failed!";

TReadResult TvarnAppletAgent::ReadAndAdopt(DocumentReader read, const std::string& path, TMenuTree& tree)
{
    TStatusTask task(Status());
    TReadDocument document = read(path, fieldSeparator_, task);
    if (!document.result.Accepted())
        return document.result;
    appletData_ = std::move(document.applet);
    loadedFileVersion_ = std::move(document.version);
    tree.Clear();
    tree.AddRoot(kRootNodeText);
    FillItemsAndTree(document, fieldSeparator_, items_, tree);
    return document.result;
}

TReadResult TvarnAppletAgent::LoadProject(const std::string& path, TMenuTree& tree)
{
    return ReadAndAdopt(ReadProjectFile, path, tree);
}

TReadResult TvarnAppletAgent::ImportStructure(const std::string& path, TMenuTree& tree)
{
    return ReadAndAdopt(ReadStructureFile, path, tree);
}

void TvarnAppletAgent::SaveProject(const std::string& path)
{
    TTextFileWriter out(path);
    TStatusTask task(Status());
    task.BeginWithProgress(SavingProgressMaximum(items_.size()), kSavingDataHint);
    WriteProjectFile(out, task, appletData_, items_, fieldSeparator_);
    out.Commit();
}

void TvarnAppletAgent::ExportStructure(const std::string& path)
{
    TTextFileWriter out(path);
    TStatusTask task(Status());
    task.BeginWithProgress(SavingProgressMaximum(items_.size()), kSavingDataHint);
    WriteStructureHeader(out, task);
    // The tree is the authority on depth; stored levels may be stale or "".
    if (menuTree_)
        RefreshLevelsFromTree(*menuTree_);
    WriteStructureItems(out, items_, fieldSeparator_);
    out.Commit();
}
