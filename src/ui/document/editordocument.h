#pragma once
// The one document the editor edits, and the one place that changes it. Every
// user edit is a command on its undo stack; every view (the tree, the pages,
// the live preview, the window title) refreshes from its change
// notifications and never holds a second copy. Items are addressed by their
// position in the list (the tree's pre-order), never by pointers.

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <string>

#include "model/appletagent.h"
#include "model/document.h"

// Whose field: the menu-wide record, or an item by position.
inline constexpr int kAppletTarget = -1;

class TEditorDocument final : public QObject {
    Q_OBJECT
public:
    explicit TEditorDocument(TvarnAppletAgent& agent, QObject* parent = nullptr);

    const TMenuDocument& Document() const { return agent_.Document(); }
    const TItemArray& Items() const { return agent_.Document().items; }
    int ItemCount() const { return agent_.ItemCount(); }
    const std::string& Field(int target, int field) const;
    const TExtendedValues& Extended() const { return agent_.Document().extended; }
    QUndoStack& UndoStack() { return undoStack_; }
    const QUndoStack& UndoStack() const { return undoStack_; }

    // --- Edits, for the commands (and nothing else) ---
    // Sets one field. A text Windows-1252 cannot hold turns the document
    // into UTF-8 for good (encodingChanged).
    void SetField(int target, int field, const std::string& value);
    // Items with absolute levels, in pre-order, placed at `index`.
    void InsertItems(int index, const TItemArray& items);
    TItemArray RemoveItems(int index, int count);
    // The extended values as a whole: a command keeps the list it found, so
    // its undo gives back names this program does not know, and their order.
    void SetExtended(const TExtendedValues& values);

    // --- Changes that are no user edit, outside the undo history ---
    // A new document (New, Open, Import): the history starts afresh.
    void Replace(TMenuDocument document);
    // The same document as a gather or the generator leaves it: values
    // normalised, derived fields recomputed; structure and captions as
    // before. Changes nothing in the history or the saved state.
    void Normalize(const TMenuDocument& document);
    // The same for one item: the fields that differ change, each reported.
    void NormalizeItem(int k, const TItemData& item);

    // The user's selection, which commands restore on undo and redo: an item
    // position, or kAppletTarget for the menu itself.
    int Selection() const { return selection_; }
    // A move of the selection ends the typing run.
    void SetSelection(int selection);
    void RequestSelection(int selection);

    // Typed edits of one field merge into one undo step while they belong to
    // one typing run; the views end a run when the box loses focus or Enter
    // commits it.
    int TypingRun() const { return typingRun_; }
    void EndTypingRun() { ++typingRun_; }

    // The file the document was opened from or last saved to; "" while it is
    // untitled. Set by the window after it has opened or saved a file.
    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& fileName);

signals:
    void fieldChanged(int target, int field);
    void extendedChanged();
    // Before the items go in (a model announces its rows), and after.
    void itemsAboutToBeInserted(int index, const TItemArray& items);
    void itemsInserted(int index, int count);
    void itemsAboutToBeRemoved(int index, int count);
    void itemsRemoved(int index, int count);
    // Around a replacement by a new document: every view starts afresh
    // (a model resets between the two).
    void aboutToBeReplaced();
    void documentReplaced();
    void normalized();
    void encodingChanged();
    void selectionRequested(int selection);
    void fileNameChanged();
    // After every change of any kind.
    void changed();

private:
    TvarnAppletAgent& agent_;
    QUndoStack undoStack_;
    int selection_ = kAppletTarget;
    int typingRun_ = 0;
    QString fileName_;
};
