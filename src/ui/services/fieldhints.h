#pragma once
// What a page says about a value it cannot take, without a box in the way
// of typing: a line of hint in the status bar and a tip at the control.
// A text box refuses the keystroke or paste that would put the project
// file's field separator into it, and keeps what it held before; a number
// box names its range when a keystroke would leave it, and the sizes that
// draw nothing at zero or below name theirs.

#include <QString>
#include <QValidator>
#include <string>

class QWidget;
class THints;

// One line only (line breaks pasted become blanks), never the separator.
class TFieldTextValidator final : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// What a text box says when it refuses the separator.
QString SeparatorRefusedHint();
// What a number box labelled `label` says when a keystroke would leave its range.
QString NumberRangeHint(const QString& label);
// For a size (a menu field, or an item field when itemField) set to
// `value`: the range it draws in, when the value is outside it; else "".
QString SizeRangeHint(bool itemField, int field, const QString& label, const std::string& value);

// The hint in the window's status line and as a tip at `control`.
void ShowFieldHint(THints& hints, QWidget* control, const QString& text);
