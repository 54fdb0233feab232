#include "ui/pages/controlnames.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QRegularExpression>
#include <QStringList>
#include <QTabWidget>

namespace {

QString OwnName(const QWidget* control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        return CaptionText(button->text());
    return QString();
}

QString GroupCaption(const QWidget* control)
{
    for (const QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
        if (auto* group = qobject_cast<const QGroupBox*>(w))
            return CaptionText(group->title());
    }
    return QString();
}

}  // namespace

QString CaptionText(const QString& labelText)
{
    QString text = labelText;
    text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.trimmed();
}

void NameControl(QWidget* control, const QString& name)
{
    if (control->accessibleName().isEmpty() && !name.isEmpty())
        control->setAccessibleName(name);
}

void ExtendControlName(QWidget* control, const QString& following)
{
    if (following.isEmpty())
        return;
    const QString name = control->accessibleName();
    control->setAccessibleName(name.isEmpty() ? following : name + QStringLiteral(" ... ") + following);
}

QString ControlPath(const QTabWidget& pages, const QWidget* control)
{
    QStringList parts;
    for (int i = 0; i < pages.count(); ++i) {
        if (pages.widget(i)->isAncestorOf(control))
            parts << CaptionText(pages.tabText(i));
    }
    parts << GroupCaption(control) << OwnName(control);
    parts.removeAll(QString());
    return parts.join(QStringLiteral(" > "));
}

QString ControlName(const QWidget* control)
{
    QString name = OwnName(control);
    if (name.isEmpty())
        name = GroupCaption(control);
    return name.isEmpty() ? control->objectName() : name;
}
