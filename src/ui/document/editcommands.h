#pragma once
// The commands that change the document, one undo step each. They keep what
// they need to undo by value and address items by position, so a delete of a
// thousand items comes back exactly, whatever happened to the views.

#include <QString>
#include <QUndoCommand>
#include <memory>
#include <string>

#include "model/extendedvalues.h"
#include "model/records.h"

class TEditorDocument;

// One field of the menu or of an item. A typed edit merges into the last
// step while it is of the same field and of the same typing run (the run
// ends when the box loses focus, the selection moves or Enter commits); a
// committed edit (a rename in the tree) is a step of its own. An edit that
// ends where it began leaves no step at all. Redo and undo show the edited
// item (or the menu's pages) again.
class TSetFieldCommand final : public QUndoCommand {
public:
    enum class Kind { Typed, Committed };
    TSetFieldCommand(TEditorDocument& document, int target, int field, std::string value, const QString& text,
                     Kind kind = Kind::Typed);
    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    TEditorDocument& document_;
    int target_;
    int field_;
    std::string old_;
    std::string new_;
    int selectionBefore_;
    Kind kind_;
    int typingRun_;
};

// One of the menu's extended values, set through its rule (its default takes
// it out of the list). Undo gives back the list exactly as it was found.
// Typed edits merge as a field's do; the menu's pages come to the front.
class TSetExtendedCommand final : public QUndoCommand {
public:
    using Kind = TSetFieldCommand::Kind;
    // Null when the value changes nothing or is not one the name takes.
    static std::unique_ptr<TSetExtendedCommand> IfChanging(TEditorDocument& document, const std::string& name,
                                                           const std::string& value, const QString& text,
                                                           Kind kind = Kind::Committed);
    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    TSetExtendedCommand(TEditorDocument& document, std::string name, TExtendedValues after, const QString& text,
                        Kind kind);

    TEditorDocument& document_;
    std::string name_;
    TExtendedValues before_;
    TExtendedValues after_;
    int selectionBefore_;
    Kind kind_;
    int typingRun_;
};

// Items (absolute levels, pre-order) placed at a position: Insert, Paste,
// Duplicate. Afterwards the first of them is selected.
class TInsertItemsCommand final : public QUndoCommand {
public:
    TInsertItemsCommand(TEditorDocument& document, int index, TItemArray items, const QString& text);
    void redo() override;
    void undo() override;

private:
    TEditorDocument& document_;
    int index_;
    TItemArray items_;
    int selectionBefore_;
};

// A subtree taken out: Delete and Cut. Undo puts the very records back.
class TRemoveItemsCommand final : public QUndoCommand {
public:
    TRemoveItemsCommand(TEditorDocument& document, int index, int count, int selectionAfter, const QString& text);
    void redo() override;
    void undo() override;

private:
    TEditorDocument& document_;
    int index_;
    int count_;
    int selectionBefore_;
    int selectionAfter_;
    TItemArray removed_;
};

// A subtree moved: Move Up, Move Down, a drop in the tree. `to` is where its
// first item lands in the list without it; `level` the level it takes there.
class TMoveItemsCommand final : public QUndoCommand {
public:
    TMoveItemsCommand(TEditorDocument& document, int from, int count, int to, int level, const QString& text);
    void redo() override;
    void undo() override;

private:
    void Move(int from, int to, int level);

    TEditorDocument& document_;
    int from_;
    int count_;
    int to_;
    int oldLevel_;
    int newLevel_;
};
