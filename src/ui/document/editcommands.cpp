#include "ui/document/editcommands.h"

#include "model/itemtree.h"
#include "ui/document/editordocument.h"
#include "ui/document/undoids.h"

TSetFieldCommand::TSetFieldCommand(TEditorDocument& document, int target, int field, std::string value,
                                   const QString& text, Kind kind)
    : QUndoCommand(text),
      document_(document),
      target_(target),
      field_(field),
      old_(document.Field(target, field)),
      new_(std::move(value)),
      selectionBefore_(document.Selection()),
      kind_(kind),
      typingRun_(document.TypingRun())
{
}

int TSetFieldCommand::id() const
{
    return int(kind_ == Kind::Typed ? TUndoId::SetField : TUndoId::NoMerge);
}

void TSetFieldCommand::redo()
{
    document_.SetField(target_, field_, new_);
    document_.RequestSelection(target_);
}

void TSetFieldCommand::undo()
{
    document_.SetField(target_, field_, old_);
    document_.RequestSelection(selectionBefore_);
}

bool TSetFieldCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const TSetFieldCommand*>(other);
    if (next->target_ != target_ || next->field_ != field_ || next->typingRun_ != typingRun_)
        return false;
    new_ = next->new_;
    setObsolete(new_ == old_);
    return true;
}

std::unique_ptr<TSetExtendedCommand> TSetExtendedCommand::IfChanging(TEditorDocument& document,
                                                                     const std::string& name, const std::string& value,
                                                                     const QString& text, Kind kind)
{
    TExtendedValues after = document.Extended();
    if (after.Set(name, value) != TExtendedValues::TSetResult::Changed)
        return nullptr;
    return std::unique_ptr<TSetExtendedCommand>(new TSetExtendedCommand(document, name, std::move(after), text, kind));
}

TSetExtendedCommand::TSetExtendedCommand(TEditorDocument& document, std::string name, TExtendedValues after,
                                         const QString& text, Kind kind)
    : QUndoCommand(text),
      document_(document),
      name_(std::move(name)),
      before_(document.Extended()),
      after_(std::move(after)),
      selectionBefore_(document.Selection()),
      kind_(kind),
      typingRun_(document.TypingRun())
{
}

int TSetExtendedCommand::id() const
{
    return int(kind_ == Kind::Typed ? TUndoId::SetExtended : TUndoId::NoMerge);
}

void TSetExtendedCommand::redo()
{
    document_.SetExtended(after_);
    document_.RequestSelection(kAppletTarget);
}

void TSetExtendedCommand::undo()
{
    document_.SetExtended(before_);
    document_.RequestSelection(selectionBefore_);
}

bool TSetExtendedCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const TSetExtendedCommand*>(other);
    if (next->name_ != name_ || next->typingRun_ != typingRun_)
        return false;
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

TInsertItemsCommand::TInsertItemsCommand(TEditorDocument& document, int index, TItemArray items, const QString& text)
    : QUndoCommand(text),
      document_(document),
      index_(index),
      items_(std::move(items)),
      selectionBefore_(document.Selection())
{
}

void TInsertItemsCommand::redo()
{
    document_.InsertItems(index_, items_);
    document_.RequestSelection(index_);
}

void TInsertItemsCommand::undo()
{
    document_.RemoveItems(index_, static_cast<int>(items_.size()));
    document_.RequestSelection(selectionBefore_);
}

TRemoveItemsCommand::TRemoveItemsCommand(TEditorDocument& document, int index, int count, int selectionAfter,
                                         const QString& text)
    : QUndoCommand(text),
      document_(document),
      index_(index),
      count_(count),
      selectionBefore_(document.Selection()),
      selectionAfter_(selectionAfter)
{
}

void TRemoveItemsCommand::redo()
{
    removed_ = document_.RemoveItems(index_, count_);
    document_.RequestSelection(selectionAfter_);
}

void TRemoveItemsCommand::undo()
{
    document_.InsertItems(index_, removed_);
    removed_.clear();
    document_.RequestSelection(selectionBefore_);
}

TMoveItemsCommand::TMoveItemsCommand(TEditorDocument& document, int from, int count, int to, int level,
                                     const QString& text)
    : QUndoCommand(text),
      document_(document),
      from_(from),
      count_(count),
      to_(to),
      oldLevel_(ItemLevel(document.Items(), from)),
      newLevel_(level)
{
}

void TMoveItemsCommand::Move(int from, int to, int level)
{
    TItemArray block = document_.RemoveItems(from, count_);
    SetBlockLevel(block, level);
    document_.InsertItems(to, block);
    document_.RequestSelection(to);
}

void TMoveItemsCommand::redo()
{
    Move(from_, to_, newLevel_);
}

void TMoveItemsCommand::undo()
{
    Move(to_, from_, oldLevel_);
}
