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
#include <vector>

#include "model/fieldrules.h"

class QWidget;

// The text without the blanks and control characters at its ends: what the
// pages trim. Other spaces (a no-break space, say) are part of the value.
QString TrimmedBlanks(const QString& text);

// A bound control: the record field it shows and its objectName. How the
// field is shown (its kind, its trimming, a list's entries) is the field's
// rule in the core (model/fieldrules.h), the same rule the saves apply.
struct TPageBinding {
    int field;
    const char* control;
};

// A refresh that could not convert a field.
struct TRefreshError {
    int field;
    QString message;           // "'<text>' is not a valid integer value"
    QWidget* control = nullptr;  // where the field is shown
};

class TPageBinder {
public:
    // Finds every bound control below the roots; a missing control or rule is
    // a programming error and aborts.
    TPageBinder(const QList<QWidget*>& roots, const TPageBinding* bindings, int count,
                const std::vector<TFieldRule>& rules);

    // Sets every bound control from record[field], or none of them when one
    // does not convert.
    template <class Record>
    std::optional<TRefreshError> Refresh(const Record& record) const
    {
        QVector<std::string> values;
        for (const TPageBinding& b : bindings_)
            values.append(record[b.field]);
        return RefreshValues(values);
    }
    // Sets one control; a value it cannot show leaves it as it was.
    std::optional<TRefreshError> RefreshField(int field, const std::string& value) const;

    // The value a control holds, as its field stores it (its conversion and
    // trimming applied).
    std::string Value(int field) const;
    // The field a control edits (the second button of a radio pair counts as
    // the first), -1 for none.
    int FieldOf(const QWidget* control) const;
    QWidget* Control(int field) const;
    const TFieldRule& Rule(int field) const;

private:
    std::optional<TRefreshError> RefreshValues(const QVector<std::string>& values) const;
    int IndexOf(int field) const;

    QVector<TPageBinding> bindings_;
    QVector<const TFieldRule*> rules_;
    QVector<QWidget*> controls_;
};
