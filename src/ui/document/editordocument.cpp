#include "ui/document/editordocument.h"

TEditorDocument::TEditorDocument(TvarnAppletAgent& agent, QObject* parent) : QObject(parent), agent_(agent)
{
}

const std::string& TEditorDocument::Field(int target, int field) const
{
    const TMenuDocument& document = agent_.Document();
    return target == kAppletTarget ? document.applet[field] : document.items[static_cast<size_t>(target)][field];
}

void TEditorDocument::SetField(int target, int field, const std::string& value)
{
    TMenuDocument& document = agent_.Document();
    std::string& stored =
        target == kAppletTarget ? document.applet[field] : document.items[static_cast<size_t>(target)][field];
    if (stored == value)
        return;
    stored = value;
    const bool nowUtf8 = AdoptEncodingFor(document, value);
    emit fieldChanged(target, field);
    if (nowUtf8)
        emit encodingChanged();
    emit changed();
}

void TEditorDocument::SetExtended(const TExtendedValues& values)
{
    TExtendedValues& stored = agent_.Document().extended;
    if (stored == values)
        return;
    stored = values;
    emit extendedChanged();
    emit changed();
}

void TEditorDocument::InsertItems(int index, const TItemArray& items)
{
    if (items.empty())
        return;
    emit itemsAboutToBeInserted(index, items);
    TItemArray& list = agent_.Document().items;
    list.insert(list.begin() + index, items.begin(), items.end());
    bool nowUtf8 = false;
    for (const TItemData& item : items) {
        for (const std::string& value : item.values)
            nowUtf8 = AdoptEncodingFor(agent_.Document(), value) || nowUtf8;
    }
    emit itemsInserted(index, static_cast<int>(items.size()));
    if (nowUtf8)
        emit encodingChanged();
    emit changed();
}

TItemArray TEditorDocument::RemoveItems(int index, int count)
{
    TItemArray& list = agent_.Document().items;
    emit itemsAboutToBeRemoved(index, count);
    TItemArray removed(std::make_move_iterator(list.begin() + index),
                       std::make_move_iterator(list.begin() + index + count));
    list.erase(list.begin() + index, list.begin() + index + count);
    emit itemsRemoved(index, count);
    emit changed();
    return removed;
}

void TEditorDocument::Replace(TMenuDocument document)
{
    emit aboutToBeReplaced();
    agent_.Document() = std::move(document);
    selection_ = kAppletTarget;
    undoStack_.clear();
    emit documentReplaced();
    emit changed();
}

void TEditorDocument::SetFileName(const QString& fileName)
{
    if (fileName == fileName_)
        return;
    fileName_ = fileName;
    emit fileNameChanged();
}

void TEditorDocument::Normalize(const TMenuDocument& document)
{
    TMenuDocument& current = agent_.Document();
    if (current == document)
        return;
    current.applet = document.applet;
    current.items = document.items;
    emit normalized();
    emit changed();
}

void TEditorDocument::NormalizeItem(int k, const TItemData& item)
{
    TItemData& current = agent_.Document().items[static_cast<size_t>(k)];
    bool any = false;
    for (int field = 0; field < kItemFieldCount; ++field) {
        if (current[field] == item[field])
            continue;
        current[field] = item[field];
        any = true;
        emit fieldChanged(k, field);
    }
    if (any)
        emit changed();
}

void TEditorDocument::RequestSelection(int selection)
{
    selection_ = selection;
    emit selectionRequested(selection);
}

void TEditorDocument::SetSelection(int selection)
{
    if (selection != selection_)
        EndTypingRun();
    selection_ = selection;
}
