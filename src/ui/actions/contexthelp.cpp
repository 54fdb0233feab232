#include "ui/actions/contexthelp.h"

#include <QTabWidget>
#include <QToolButton>

namespace {

// The pages' help buttons call themselves "Help" to screen readers.
bool IsHelpButton(const QToolButton* button)
{
    return button->accessibleName() == QLatin1String("Help") && button->isEnabled();
}

QToolButton* OwnHelpButton(const QWidget* widget)
{
    for (QToolButton* button : widget->findChildren<QToolButton*>(Qt::FindDirectChildrenOnly)) {
        if (IsHelpButton(button))
            return button;
    }
    return nullptr;
}

}  // namespace

bool PressNearestHelpButton(QWidget* focused)
{
    for (QWidget* w = focused; w; w = w->parentWidget()) {
        if (QToolButton* button = OwnHelpButton(w)) {
            button->click();
            return true;
        }
        if (auto* pages = qobject_cast<QTabWidget*>(w); pages && pages->currentWidget()) {
            for (QToolButton* button : pages->currentWidget()->findChildren<QToolButton*>()) {
                if (IsHelpButton(button)) {
                    button->click();
                    return true;
                }
            }
            return false;
        }
    }
    return false;
}
