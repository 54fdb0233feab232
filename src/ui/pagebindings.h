#pragma once
// Bindings between record fields and page controls, as one table per record:
// (field, control name, kind, trim). The binder gathers a whole record from
// the controls and refreshes the controls from a record; a refresh converts
// every field first and touches no control unless all of them convert.

#include <QList>
#include <QString>
#include <QVector>
#include <optional>
#include <string>

class QWidget;

// The text without the blanks and control characters at its ends: what the
// pages trim. Other spaces (a no-break space, say) are part of the value.
QString TrimmedBlanks(const QString& text);

enum class TControlKind {
    Spin,          // QSpinBox -9999..9999; a text that is no integer gathers "-9999"
    Check,         // QCheckBox: "1" / "0"
    Toggle,        // checkable QToolButton: "1" / "0"
    Swatch,        // TColorSwatch: colour text
    Text,          // QLineEdit or editable QComboBox: its text
    PositionList,  // QComboBox: 0-based position, "-1" for none
    WordList,      // QComboBox: the entry's text, "" for none
    RadioPair,     // QRadioButton <name> and <name>2: "1" if the first is chosen
};

struct TPageBinding {
    int field;
    const char* control;  // objectName of the control
    TControlKind kind;
    bool trim;  // leading and trailing blanks dropped both ways
};

// A refresh that could not convert a field.
struct TRefreshError {
    int field;
    QString message;           // "'<text>' is not a valid integer value"
    QWidget* control = nullptr;  // where the field is shown
};

class TPageBinder {
public:
    // Finds every bound control below the roots; a missing control is a
    // programming error and aborts.
    TPageBinder(const QList<QWidget*>& roots, const TPageBinding* bindings, int count);

    // Field values of the bound fields, in table order.
    QVector<std::pair<int, std::string>> Gather() const;
    // Sets every bound control from values(field), or none of them.
    template <class Record>
    std::optional<TRefreshError> Refresh(const Record& record) const
    {
        QVector<std::string> values;
        for (const TPageBinding& b : bindings_)
            values.append(record[b.field]);
        return RefreshValues(values);
    }
    template <class Record>
    void GatherInto(Record& record) const
    {
        for (const auto& [field, value] : Gather())
            record[field] = value;
    }

    QWidget* Control(int field) const;

private:
    std::optional<TRefreshError> RefreshValues(const QVector<std::string>& values) const;

    QVector<TPageBinding> bindings_;
    QVector<QWidget*> controls_;
};
