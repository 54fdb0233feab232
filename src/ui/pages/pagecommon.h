#pragma once
// What every property page shares: the change handling that marks the
// document modified, the separator check of typed text, the help buttons, the
// status hint line, and the small factories that give each page the same look.

#include <QObject>
#include <QString>
#include <QStringList>
#include <initializer_list>

class QAbstractButton;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QSpinBox;
class QToolButton;
class QVBoxLayout;
class QWidget;
class TColorSwatch;
class TEditorDocument;
class THelpTopics;
class THints;
class TPrompts;
class TTypingBoxes;

class TPageCommon final : public QObject {
    Q_OBJECT
public:
    TPageCommon(TEditorDocument& document, TPrompts& prompts, THints& hints, THelpTopics& help,
                const bool& suppressTreeEvents, QObject* parent = nullptr);

    TEditorDocument& Document() const { return document_; }
    TPrompts& Prompts() const { return prompts_; }
    THints& Hints() const { return hints_; }

    // While quiet (the program filling the pages) no change handling runs.
    bool Quiet() const { return quiet_; }
    class QuietScope {
    public:
        explicit QuietScope(TPageCommon& c) : c_(c), was_(c.quiet_) { c_.quiet_ = true; }
        ~QuietScope() { c_.quiet_ = was_; }

    private:
        TPageCommon& c_;
        bool was_;
    };

    // spnedtApWidthChange: the edit reported (edited), unless the program
    // itself is filling the pages.
    void Changed(QWidget* control);
    // Edits made together (the two colours of "Suggested Color") report as
    // one step: the group lasts as long as this guard.
    class EditGroup {
    public:
        EditGroup(TPageCommon& c, const QString& name) : c_(c) { emit c_.editsBegun(name); }
        ~EditGroup() { emit c_.editsEnded(); }
        EditGroup(const EditGroup&) = delete;
        EditGroup& operator=(const EditGroup&) = delete;

    private:
        TPageCommon& c_;
    };

    // Connects the control's user changes to Changed (spin boxes, text boxes,
    // lists, editable combo boxes, toggle and check buttons). A box's typing
    // run ends when it loses focus or Enter commits it, and its undo keys undo
    // the document's last step: a box keeps no undo history of its own.
    void WatchChanges(QWidget* control);
    // A text box or editable combo box turns pasted line breaks into blanks
    // and refuses the field separator with a hint.
    void KeepOnOneLine(QWidget* control);
    // Over these widgets the status hint line shows their hint (tool tip) or
    // is emptied, unless tree events are suppressed.
    void WatchHint(QWidget* widget);

    // --- Factories: controls carry their name as objectName ---
    QWidget* NewPage(const QString& name, QVBoxLayout** layout);
    // A captioned group with its help button (tag 0: none) at the right edge.
    QGroupBox* NewGroup(const QString& caption, int helpTag, QGridLayout** grid);
    QToolButton* NewHelpButton(int tag);
    QLabel* NewNote(const QString& text);  // grey explanatory text
    QSpinBox* NewSpin(const QString& name);
    QToolButton* NewToggle(const QString& name, bool bold);
    TColorSwatch* NewSwatch(const QString& name);
    QComboBox* NewList(const QString& name, const QStringList& entries, bool editable);

signals:
    // A user edit of a bound control; its new value is read from the control.
    void edited(QWidget* control);
    void editsBegun(const QString& name);
    void editsEnded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TEditorDocument& document_;
    TPrompts& prompts_;
    THints& hints_;
    THelpTopics& help_;
    TTypingBoxes* typingBoxes_;
    const bool& suppressTreeEvents_;
    bool quiet_ = false;
};

// Rows of a group: notes and check boxes span the width; other rows put their
// widgets in consecutive columns, so labels and fields line up. The labels
// name the controls they stand beside (their buddies, and the controls'
// accessible names), so screen readers and messages call a control what the
// page calls it.
class TGroupRows {
public:
    explicit TGroupRows(QGridLayout* grid) : grid_(grid) {}
    // Grey explanatory text: names nothing.
    void Note(QLabel* note);
    // A spanning label names the first control of the next row.
    void Span(QWidget* widget);
    // Column captions: a control below one is named "<row label>, <caption>".
    void Header(std::initializer_list<QWidget*> labels);
    void Row(std::initializer_list<QWidget*> widgets);
    // A row whose last widget takes the rest of the width.
    void RowToEnd(std::initializer_list<QWidget*> widgets);
    QGridLayout* Grid() const { return grid_; }

private:
    void NameRow(std::initializer_list<QWidget*> widgets);

    QGridLayout* grid_;
    int row_ = 0;
    QLabel* pendingLabel_ = nullptr;  // a spanning label waiting for its control
    QStringList columnCaptions_;
};

QLabel* NewLabel(const QString& text);
// A label that ends a row and wraps when the page is narrow.
QLabel* NewWrappedLabel(const QString& text);
// A disabled box is shown silver (0xC0C0C0) with its text dark enough to
// read; an enabled one has the normal colours.
void SetSilverBackground(QWidget* control, bool silver);

