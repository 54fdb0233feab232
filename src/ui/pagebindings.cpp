#include "pagebindings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>
#include <algorithm>
#include <variant>

#include "model/colorconversion.h"
#include "ui/colorswatch.h"

namespace {

QString Trimmed(const QString& text, bool trim)
{
    return trim ? TrimmedBlanks(text) : text;
}

QString TextOf(QWidget* control)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    return static_cast<QComboBox*>(control)->currentText();
}

// Only a different text is set, so a box being typed in keeps its cursor.
void SetTextOf(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        if (edit->text() != text)
            edit->setText(text);
    } else if (auto* combo = static_cast<QComboBox*>(control); combo->currentText() != text) {
        combo->setEditText(text);
    }
}

QRadioButton* SecondRadio(QWidget* first)
{
    return first->parentWidget()->findChild<QRadioButton*>(first->objectName() + "2");
}

std::string GatherOne(QWidget* control, const TFieldRule& b)
{
    switch (b.kind) {
    case TFieldKind::Spin:
        try {
            return std::to_string(StrToIntStrict(static_cast<QSpinBox*>(control)->text().toStdString()));
        } catch (const TConversionError&) {
            return std::to_string(kSpinMinimum);
        }
    case TFieldKind::Check:
    case TFieldKind::Toggle:
        return static_cast<QAbstractButton*>(control)->isChecked() ? "1" : "0";
    case TFieldKind::RadioPair:
        return static_cast<QRadioButton*>(control)->isChecked() ? "1" : "0";
    case TFieldKind::Swatch:
        return ColorToHex(static_cast<TColorSwatch*>(control)->Value());
    case TFieldKind::Text:
        return Trimmed(TextOf(control), b.trim).toStdString();
    case TFieldKind::PositionList:
        return std::to_string(static_cast<QComboBox*>(control)->currentIndex());
    case TFieldKind::WordList: {
        auto* combo = static_cast<QComboBox*>(control);
        // No entry chosen: the list shows the stored word it lacks, and keeps it.
        const QString shown = combo->currentIndex() < 0 ? combo->placeholderText() : combo->currentText();
        return Trimmed(shown, b.trim).toStdString();
    }
    }
    return std::string();
}

// Numbers in the records are decimal; the "$" form that colours go through is
// no number here, as it is none for the generator either.
int DecimalStrict(const std::string& text)
{
    if (text.find('$') != std::string::npos)
        throw TConversionError(text);
    return StrToIntStrict(text);
}

// A field converted for its control; conversion is the step that can fail.
using TShown = std::variant<int, bool, TColorValue, QString>;

TShown Convert(const TFieldRule& b, const std::string& value)
{
    switch (b.kind) {
    case TFieldKind::Spin:
        return std::clamp(DecimalStrict(value), kSpinMinimum, kSpinMaximum);
    case TFieldKind::PositionList:
        return DecimalStrict(value);
    case TFieldKind::Check:
    case TFieldKind::Toggle:
        return value == "1";
    case TFieldKind::Swatch:
        return HexToColor(value);
    case TFieldKind::RadioPair:
    case TFieldKind::Text:
    case TFieldKind::WordList:
        return Trimmed(QString::fromStdString(value), b.kind == TFieldKind::Text && b.trim);
    }
    return QString();
}

void Apply(QWidget* control, const TFieldRule& b, const TShown& shown)
{
    switch (b.kind) {
    case TFieldKind::Spin:
        static_cast<QSpinBox*>(control)->setValue(std::get<int>(shown));
        break;
    case TFieldKind::PositionList: {
        auto* combo = static_cast<QComboBox*>(control);
        const int position = std::get<int>(shown);
        combo->setCurrentIndex(position >= 0 && position < combo->count() ? position : -1);
        break;
    }
    case TFieldKind::Check:
    case TFieldKind::Toggle:
        static_cast<QAbstractButton*>(control)->setChecked(std::get<bool>(shown));
        break;
    case TFieldKind::Swatch:
        static_cast<TColorSwatch*>(control)->SetValue(std::get<TColorValue>(shown));
        break;
    case TFieldKind::Text:
        SetTextOf(control, std::get<QString>(shown));
        break;
    case TFieldKind::WordList: {
        auto* combo = static_cast<QComboBox*>(control);
        const QString& word = std::get<QString>(shown);
        const int i = combo->findText(word, Qt::MatchExactly | Qt::MatchCaseSensitive);
        // A word the list lacks is shown as it is stored (and kept); a field
        // stored empty shows the first entry, as a newly built page does.
        combo->setPlaceholderText(i < 0 && !word.isEmpty() ? word : QString());
        combo->setCurrentIndex(i >= 0 ? i : word.isEmpty() ? 0 : -1);
        break;
    }
    case TFieldKind::RadioPair: {
        auto* first = static_cast<QRadioButton*>(control);
        QRadioButton* second = SecondRadio(first);
        const QString& value = std::get<QString>(shown);
        // Neither chosen needs the exclusivity lifted for a moment.
        first->setAutoExclusive(false);
        second->setAutoExclusive(false);
        first->setChecked(value == "1");
        second->setChecked(value == "0");
        first->setAutoExclusive(true);
        second->setAutoExclusive(true);
        break;
    }
    }
}

}  // namespace

QString TrimmedBlanks(const QString& text)
{
    return QString::fromStdString(TrimBlanks(text.toStdString()));
}

TPageBinder::TPageBinder(const QList<QWidget*>& roots, const TPageBinding* bindings, int count,
                         const std::vector<TFieldRule>& rules)
{
    for (int i = 0; i < count; ++i) {
        QWidget* control = nullptr;
        for (QWidget* root : roots) {
            if (!control)
                control = root->findChild<QWidget*>(bindings[i].control);
        }
        const TFieldRule* rule = FindRule(rules, bindings[i].field);
        if (!control || !rule)
            qFatal("bound control %s is missing, or its field has no rule", bindings[i].control);
        bindings_.append(bindings[i]);
        rules_.append(rule);
        controls_.append(control);
    }
}

int TPageBinder::IndexOf(int field) const
{
    for (int i = 0; i < bindings_.size(); ++i) {
        if (bindings_[i].field == field)
            return i;
    }
    return -1;
}

std::string TPageBinder::Value(int field) const
{
    const int i = IndexOf(field);
    return i < 0 ? std::string() : GatherOne(controls_[i], *rules_[i]);
}

int TPageBinder::FieldOf(const QWidget* control) const
{
    for (int i = 0; i < bindings_.size(); ++i) {
        if (controls_[i] == control ||
            (rules_[i]->kind == TFieldKind::RadioPair && SecondRadio(controls_[i]) == control))
            return bindings_[i].field;
    }
    return -1;
}

const TFieldRule& TPageBinder::Rule(int field) const
{
    return *rules_[IndexOf(field)];
}

std::optional<TRefreshError> TPageBinder::RefreshValues(const QVector<std::string>& values) const
{
    QVector<TShown> shown;
    for (int i = 0; i < bindings_.size(); ++i) {
        try {
            shown.append(Convert(*rules_[i], values[i]));
        } catch (const TConversionError& e) {
            return TRefreshError{bindings_[i].field, QString::fromStdString(e.what()), controls_[i]};
        }
    }
    for (int i = 0; i < bindings_.size(); ++i)
        Apply(controls_[i], *rules_[i], shown[i]);
    return std::nullopt;
}

std::optional<TRefreshError> TPageBinder::RefreshField(int field, const std::string& value) const
{
    const int i = IndexOf(field);
    if (i < 0)
        return std::nullopt;
    try {
        Apply(controls_[i], *rules_[i], Convert(*rules_[i], value));
    } catch (const TConversionError& e) {
        return TRefreshError{field, QString::fromStdString(e.what()), controls_[i]};
    }
    return std::nullopt;
}

QWidget* TPageBinder::Control(int field) const
{
    const int i = IndexOf(field);
    return i < 0 ? nullptr : controls_[i];
}
