#include "ui/pages/typingboxes.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QUndoStack>
#include <QWidget>

#include "ui/document/editordocument.h"

TTypingBoxes::TTypingBoxes(TEditorDocument& document, QObject* parent) : QObject(parent), document_(document)
{
}

void TTypingBoxes::Watch(QWidget* box)
{
    // A spin box or a combo box takes the keys first and hands them to its line.
    box->installEventFilter(this);
    for (QLineEdit* line : box->findChildren<QLineEdit*>())
        line->installEventFilter(this);
}

bool TTypingBoxes::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::FocusOut:
        document_.EndTypingRun();
        break;
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = key->matches(QKeySequence::Undo);
        const bool redo = key->matches(QKeySequence::Redo);
        if (undo || redo) {
            // Not taken as the box's own key: the window's Undo and Redo
            // run; should the key still arrive here, the document undoes.
            key->ignore();
            if (event->type() == QEvent::KeyPress) {
                document_.EndTypingRun();
                if (undo)
                    document_.UndoStack().undo();
                else
                    document_.UndoStack().redo();
            }
            return true;
        }
        if (event->type() == QEvent::KeyPress && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter))
            document_.EndTypingRun();
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
