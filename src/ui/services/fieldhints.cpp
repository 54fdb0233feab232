#include "ui/services/fieldhints.h"

#include <QToolTip>
#include <QWidget>
#include <algorithm>

#include "model/fieldrules.h"
#include "ui/services/hints.h"
#include "model/records.h"

namespace {

// Sizes that show nothing at zero or below.
const int kMenuSizeFields[] = {pItemFontSize, pDragBar_FontSize, pPopDescWidth};
const int kItemSizeFields[] = {pMenuWidth};

template <size_t N>
bool Holds(const int (&fields)[N], int field)
{
    return std::find(std::begin(fields), std::end(fields), field) != std::end(fields);
}

}  // namespace

QValidator::State TFieldTextValidator::validate(QString& input, int& pos) const
{
    if (input.contains(QLatin1Char('\r')) || input.contains(QLatin1Char('\n'))) {
        input.replace(QLatin1String("\r\n"), QLatin1String(" "));
        input.replace(QLatin1Char('\r'), QLatin1Char(' '));
        input.replace(QLatin1Char('\n'), QLatin1Char(' '));
        pos = qMin(pos, int(input.size()));
    }
    return input.contains(QString::fromStdString(kFieldSeparator)) ? Invalid : Acceptable;
}

QString SeparatorRefusedHint()
{
    return QString("The text can't include \"%1\", it is used by system!").arg(QString::fromStdString(kFieldSeparator));
}

QString NumberRangeHint(const QString& label)
{
    return QString("%1 takes whole numbers from %2 to %3.").arg(label).arg(kSpinMinimum).arg(kSpinMaximum);
}

QString SizeRangeHint(bool itemField, int field, const QString& label, const std::string& value)
{
    if (!(itemField ? Holds(kItemSizeFields, field) : Holds(kMenuSizeFields, field)))
        return QString();
    bool ok = false;
    const int number = QString::fromStdString(value).toInt(&ok);
    if (!ok || number >= 1)
        return QString();
    return QString("%1 draws from 1 to %2; at %3 nothing shows.").arg(label).arg(kSpinMaximum).arg(number);
}

void ShowFieldHint(THints& hints, QWidget* control, const QString& text)
{
    hints.ShowHint(text);
    if (control && control->isVisible())
        QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), text, control);
}
