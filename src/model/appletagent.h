#pragma once
// The document object: the menu-wide record, the item list in tree order, and
// every file operation on them.

#include <string>
#include <vector>

#include "model/menutree.h"
#include "model/records.h"
#include "model/statusdisplay.h"

// How a read ended. Refused leaves the document and the tree untouched;
// Incomplete means the file ended early and the items read so far were kept.
struct TReadResult {
    enum Status { Complete, Incomplete, Refused };
    Status status = Complete;
    std::string message;  // for Refused: the text to show the user
    bool Accepted() const { return status != Refused; }
};

struct TReadDocument;
class TStatusTask;

extern const char* const kProjectRefusedMessage;    // "This file wasn't saved by Trellimenu 2006 1.0, open failed!"
extern const char* const kStructureRefusedMessage;  // "This file wasn't saved by specified format, open failed!"

class TvarnAppletAgent {
public:
    explicit TvarnAppletAgent(TStatusDisplay* status = nullptr);

    // --- Records (copies in, copies out) ---
    TAppletData GetAppletData() const { return appletData_; }
    void SetAppletData(const TAppletData& data) { appletData_ = data; }
    TItemData GetItem(int i) const;
    void SetItem(int i, const TItemData& item);
    int ItemCount() const { return static_cast<int>(items_.size()); }
    const TItemArray& Items() const { return items_; }
    const TStringArray& ScriptFileNames() const { return scriptFileNames_; }
    const TStringArray& PreviewFiles() const { return previewFiles_; }
    const std::string& FieldSeparator() const { return fieldSeparator_; }
    const std::string& LoadedFileVersion() const { return loadedFileVersion_; }

    void ResetAppletToDefaults();  // reset values and no items
    static TItemData NewDefaultItem() { return ::NewDefaultItem(); }

    // --- Elementary list edits ---
    void InsertItem(int index, const TItemData& item);
    void DeleteItem(int index);
    void SwapWithPrevious(int index);

    // --- Composite item commands: list and tree change in step ---
    TMenuTree::Node InsertItemUnder(TMenuTree& tree, TMenuTree::Node parent);  // returns the new node
    void DeleteItemSubtree(TMenuTree& tree, TMenuTree::Node node);
    bool MoveItemUp(TMenuTree& tree, TMenuTree::Node node);    // false when there is no previous sibling
    bool MoveItemDown(TMenuTree& tree, TMenuTree::Node node);  // false when there is no next sibling

    // Adds a node per item to a tree that holds only its root (adding the root
    // when there is none). Damaged levels are clamped to the deepest possible
    // parent and written back, so list and tree always agree; a level that is
    // not an integer throws std::invalid_argument before any node is added.
    void BuildTreeFromLevels(TMenuTree& tree);
    // pLevel of every item from its node's depth.
    void RefreshLevelsFromTree(const TMenuTree& tree);

    // --- Project and structure files (throw TFileError on input/output failure) ---
    // Reading builds the new document on the side. Accepted (Complete or
    // Incomplete): records replaced, the tree cleared, given its root and
    // rebuilt. Refused (foreign or headerless file, a level that is not an
    // integer): records, items and tree untouched. Writing goes through a
    // temporary file, so a failure leaves the old file as it was.
    TReadResult LoadProject(const std::string& path, TMenuTree& tree);
    void SaveProject(const std::string& path);
    void ExportStructure(const std::string& path);  // uses MenuTree()
    TReadResult ImportStructure(const std::string& path, TMenuTree& tree);

    // --- Generation, preview folder, publishing ---
    void MakeHTMLCodes(const std::string& pagePath);
    // pLevel, pHasChildren, pSiblingPosition and pIsFirstItem of every item
    // from MenuTree(), or from the stored levels when no tree matches the list.
    void RefreshDerivedItemFields();
    void CopyToPreview(const std::string& path);
    void CopyScriptsToPreview(const std::string& folder);
    void CopyArrowImagesToPreview(const std::string& folder);
    void ClearPreview();
    bool SaveAndPublish(const std::string& folder, const std::string& name);
    void MakePublishReport(const std::string& folder, const std::string& name);

    // --- Environment ---
    void SetMenuTree(TMenuTree* tree) { menuTree_ = tree; }
    TMenuTree* MenuTree() const { return menuTree_; }
    void SetStatusDisplay(TStatusDisplay* status);
    TStatusDisplay& Status() const { return *status_; }
    // The program folder, with a trailing separator.
    void SetProgramFolder(const std::string& folder);
    const std::string& ProgramFolder() const { return programFolder_; }
    std::string PreviewFolder() const;  // program folder + "preview" + separator

private:
    // Reads a file on the side; an accepted read replaces the document and
    // rebuilds the tree from its levels.
    using DocumentReader = TReadDocument (*)(const std::string& path, const std::string& separator, TStatusTask& task);
    TReadResult ReadAndAdopt(DocumentReader read, const std::string& path, TMenuTree& tree);

    // Members of the document, in their documented order.
    TAppletData appletData_;
    TItemArray items_;
    TStringArray scriptFileNames_;
    TStringArray previewFiles_;
    std::string fieldSeparator_;
    std::string loadedFileVersion_;

    TMenuTree* menuTree_ = nullptr;
    TStatusDisplay* status_ = nullptr;
    TSilentStatus silentStatus_;
    std::string programFolder_;
};
