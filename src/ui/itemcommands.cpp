#include "ui/itemcommands.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "files/itemclipboard.h"
#include "files/structurefile.h"
#include "model/itemtree.h"
#include "ui/editcommands.h"
#include "ui/editordocument.h"
#include "ui/pagebindings.h"
#include "ui/prompts.h"

struct TItemBlock {
    TItemArray items;
};

namespace {

// What is selected after item k's subtree goes: its next sibling (which
// takes its place), else its previous sibling, else its parent.
int SelectionAfterRemoving(const TItemArray& items, int k)
{
    if (NextSiblingIndex(items, k) >= 0)
        return k;
    const int previous = PreviousSiblingIndex(items, k);
    return previous >= 0 ? previous : ParentIndex(items, k);
}

}  // namespace

QString TItemCommands::Caption(int k) const
{
    return QString::fromStdString(TrimBlanks(document_.Items()[size_t(k)][ICaption]));
}

void TItemCommands::Insert(int parent)
{
    const TItemPlace place = PlaceAmongChildren(document_.Items(), parent, ChildCount(document_.Items(), parent));
    TItemData item = NewDefaultItem();
    item[pLevel] = std::to_string(place.level);
    document_.UndoStack().push(new TInsertItemsCommand(document_, place.index, {item}, "Insert"));
}

void TItemCommands::Delete(int k)
{
    if (k < 0) {
        prompts_.Warning("You can't delete root item.");
        return;
    }
    if (prompts_.AskYesNo("Are you sure to delete this item and all it's children?") != TPrompts::Answer::Yes)
        return;
    const TItemArray& items = document_.Items();
    document_.UndoStack().push(new TRemoveItemsCommand(document_, k, SubtreeEnd(items, k) - k,
                                                       SelectionAfterRemoving(items, k),
                                                       QString("Delete '%1'").arg(Caption(k))));
}

bool TItemCommands::MoveUp(int k)
{
    const TItemArray& items = document_.Items();
    const int previous = k >= 0 ? PreviousSiblingIndex(items, k) : -1;
    if (previous < 0)
        return false;
    document_.UndoStack().push(new TMoveItemsCommand(document_, k, SubtreeEnd(items, k) - k, previous,
                                                     ItemLevel(items, k), QString("Move Up '%1'").arg(Caption(k))));
    return true;
}

bool TItemCommands::MoveDown(int k)
{
    const TItemArray& items = document_.Items();
    const int next = k >= 0 ? NextSiblingIndex(items, k) : -1;
    if (next < 0)
        return false;
    // Without k's subtree the next sibling starts at k; k's goes after it.
    const int to = k + (SubtreeEnd(items, next) - next);
    document_.UndoStack().push(new TMoveItemsCommand(document_, k, SubtreeEnd(items, k) - k, to, ItemLevel(items, k),
                                                     QString("Move Down '%1'").arg(Caption(k))));
    return true;
}

void TItemCommands::MoveTo(int k, int parent, int position)
{
    const TItemArray& items = document_.Items();
    const int count = SubtreeEnd(items, k) - k;
    if (parent >= k && parent < k + count)
        return;  // into its own subtree
    const TItemPlace place = PlaceForMove(items, k, count, parent, position);
    if (place.index == k && place.level == ItemLevel(items, k))
        return;
    document_.UndoStack().push(
        new TMoveItemsCommand(document_, k, count, place.index, place.level, QString("Move '%1'").arg(Caption(k))));
}

bool TItemCommands::Rename(int k, const QString& text)
{
    QString caption = text;
    caption.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    caption = TrimmedBlanks(caption);
    if (RefuseFieldSeparator(prompts_, caption))
        return false;  // the caption stays as it was
    const std::string value = caption.toStdString();
    if (value == document_.Items()[size_t(k)][ICaption])
        return false;
    document_.UndoStack().push(new TSetFieldCommand(document_, k, ICaption, value, "Rename"));
    return true;
}

void TItemCommands::Copy(int k)
{
    const TItemArray block = CopySubtree(document_.Items(), k);
    TMenuDocument asStructure;
    asStructure.items = block;
    auto* data = new QMimeData;
    data->setData(kItemsMimeType, QByteArray::fromStdString(ItemsClipboardText(block)));
    data->setText(QString::fromStdString(StructureFileText(asStructure)));
    QGuiApplication::clipboard()->setMimeData(data);
}

void TItemCommands::Cut(int k)
{
    Copy(k);
    const TItemArray& items = document_.Items();
    document_.UndoStack().push(new TRemoveItemsCommand(document_, k, SubtreeEnd(items, k) - k,
                                                       SelectionAfterRemoving(items, k), QString("Cut '%1'").arg(Caption(k))));
}

void TItemCommands::InsertBlock(int selection, TItemBlock block, const QString& name)
{
    const TItemArray& items = document_.Items();
    SetBlockLevel(block.items, selection < 0 ? 0 : ItemLevel(items, selection));
    const int at = selection < 0 ? document_.ItemCount() : SubtreeEnd(items, selection);
    document_.UndoStack().push(new TInsertItemsCommand(document_, at, std::move(block.items), name));
}

bool TItemCommands::Paste(int selection)
{
    // Our own format carries every field; a structure file's text from
    // another tool carries five.
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    TItemBlock block;
    if (data && data->hasFormat(kItemsMimeType)) {
        if (std::optional<TItemArray> items = ItemsFromClipboardText(data->data(kItemsMimeType).toStdString()))
            block.items = std::move(*items);
    } else if (data && data->hasText()) {
        TMenuDocument read;
        if (ReadStructureText(data->text().toStdString(), read).status == TReadResult::Complete)
            block.items = std::move(read.items);
    }
    if (block.items.empty())
        return false;
    InsertBlock(selection, std::move(block), "Paste");
    return true;
}

void TItemCommands::Duplicate(int k)
{
    InsertBlock(k, TItemBlock{CopySubtree(document_.Items(), k)}, QString("Duplicate '%1'").arg(Caption(k)));
}
