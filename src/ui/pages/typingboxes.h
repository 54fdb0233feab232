#pragma once
// Text boxes as part of the document's editing. Typing in a box makes one
// undo step per typing run, and the run ends when the box loses focus or
// Enter commits it. A box keeps no undo history of its own: the undo and redo
// keys pressed in it undo and redo the document's last step, whatever it was.

#include <QObject>

class QWidget;
class TEditorDocument;

class TTypingBoxes final : public QObject {
public:
    explicit TTypingBoxes(TEditorDocument& document, QObject* parent = nullptr);

    // A text box, a spin box or an editable combo box (and the line inside it).
    void Watch(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TEditorDocument& document_;
};
