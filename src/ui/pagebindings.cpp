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

void SetTextOf(QWidget* control, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else
        static_cast<QComboBox*>(control)->setEditText(text);
}

QRadioButton* SecondRadio(QWidget* first)
{
    return first->parentWidget()->findChild<QRadioButton*>(first->objectName() + "2");
}

std::string GatherOne(QWidget* control, const TPageBinding& b)
{
    switch (b.kind) {
    case TControlKind::Spin:
        try {
            return std::to_string(StrToIntStrict(static_cast<QSpinBox*>(control)->text().toStdString()));
        } catch (const TConversionError&) {
            return "-9999";
        }
    case TControlKind::Check:
    case TControlKind::Toggle:
        return static_cast<QAbstractButton*>(control)->isChecked() ? "1" : "0";
    case TControlKind::RadioPair:
        return static_cast<QRadioButton*>(control)->isChecked() ? "1" : "0";
    case TControlKind::Swatch:
        return ColorToHex(static_cast<TColorSwatch*>(control)->Value());
    case TControlKind::Text:
        return Trimmed(TextOf(control), b.trim).toStdString();
    case TControlKind::PositionList:
        return std::to_string(static_cast<QComboBox*>(control)->currentIndex());
    case TControlKind::WordList: {
        auto* combo = static_cast<QComboBox*>(control);
        return combo->currentIndex() < 0 ? std::string() : Trimmed(combo->currentText(), b.trim).toStdString();
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

TShown Convert(const TPageBinding& b, const std::string& value)
{
    switch (b.kind) {
    case TControlKind::Spin:
        return std::clamp(DecimalStrict(value), -9999, 9999);
    case TControlKind::PositionList:
        return DecimalStrict(value);
    case TControlKind::Check:
    case TControlKind::Toggle:
        return value == "1";
    case TControlKind::Swatch:
        return HexToColor(value);
    case TControlKind::RadioPair:
    case TControlKind::Text:
    case TControlKind::WordList:
        return Trimmed(QString::fromStdString(value), b.kind == TControlKind::Text && b.trim);
    }
    return QString();
}

void Apply(QWidget* control, const TPageBinding& b, const TShown& shown)
{
    switch (b.kind) {
    case TControlKind::Spin:
        static_cast<QSpinBox*>(control)->setValue(std::get<int>(shown));
        break;
    case TControlKind::PositionList: {
        auto* combo = static_cast<QComboBox*>(control);
        const int position = std::get<int>(shown);
        combo->setCurrentIndex(position >= 0 && position < combo->count() ? position : -1);
        break;
    }
    case TControlKind::Check:
    case TControlKind::Toggle:
        static_cast<QAbstractButton*>(control)->setChecked(std::get<bool>(shown));
        break;
    case TControlKind::Swatch:
        static_cast<TColorSwatch*>(control)->SetValue(std::get<TColorValue>(shown));
        break;
    case TControlKind::Text:
        SetTextOf(control, std::get<QString>(shown));
        break;
    case TControlKind::WordList: {
        auto* combo = static_cast<QComboBox*>(control);
        const int i = combo->findText(std::get<QString>(shown), Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (i >= 0)
            combo->setCurrentIndex(i);  // no match keeps the previous choice
        break;
    }
    case TControlKind::RadioPair: {
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
    qsizetype begin = 0, end = text.size();
    while (begin < end && text[begin].unicode() <= ' ')
        ++begin;
    while (end > begin && text[end - 1].unicode() <= ' ')
        --end;
    return text.mid(begin, end - begin);
}

TPageBinder::TPageBinder(const QList<QWidget*>& roots, const TPageBinding* bindings, int count)
{
    for (int i = 0; i < count; ++i) {
        QWidget* control = nullptr;
        for (QWidget* root : roots) {
            if (!control)
                control = root->findChild<QWidget*>(bindings[i].control);
        }
        if (!control)
            qFatal("bound control %s is missing", bindings[i].control);
        bindings_.append(bindings[i]);
        controls_.append(control);
    }
}

QVector<std::pair<int, std::string>> TPageBinder::Gather() const
{
    QVector<std::pair<int, std::string>> values;
    for (int i = 0; i < bindings_.size(); ++i)
        values.append({bindings_[i].field, GatherOne(controls_[i], bindings_[i])});
    return values;
}

std::optional<TRefreshError> TPageBinder::RefreshValues(const QVector<std::string>& values) const
{
    QVector<TShown> shown;
    for (int i = 0; i < bindings_.size(); ++i) {
        try {
            shown.append(Convert(bindings_[i], values[i]));
        } catch (const TConversionError& e) {
            return TRefreshError{bindings_[i].field, QString::fromStdString(e.what()), controls_[i]};
        }
    }
    for (int i = 0; i < bindings_.size(); ++i)
        Apply(controls_[i], bindings_[i], shown[i]);
    return std::nullopt;
}

QWidget* TPageBinder::Control(int field) const
{
    for (int i = 0; i < bindings_.size(); ++i) {
        if (bindings_[i].field == field)
            return controls_[i];
    }
    return nullptr;
}
