#include "ui/window/focuscycle.h"

#include <QAction>
#include <QApplication>
#include <QWidget>

namespace {

bool Within(const QWidget* pane, const QWidget* widget)
{
    return pane && widget && (pane == widget || pane->isAncestorOf(widget));
}

bool TakesTheKeyboard(const QWidget* widget)
{
    return widget->isVisible() && widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus);
}

// The first control of the pane in the Tab order.
QWidget* FirstControl(QWidget* pane)
{
    if (TakesTheKeyboard(pane))
        return pane;
    for (QWidget* w = pane->nextInFocusChain(); w && w != pane; w = w->nextInFocusChain()) {
        if (Within(pane, w) && TakesTheKeyboard(w))
            return w;
    }
    return nullptr;
}

}  // namespace

TFocusCycle::TFocusCycle(QWidget& window, QList<TPane> panes)
    : QObject(&window), window_(window), panes_(std::move(panes))
{
    const struct {
        const char* name;
        QKeySequence key;
        int step;
    } moves[] = {{"mnitNextPane", QKeySequence(Qt::Key_F6), 1},
                 {"mnitPreviousPane", QKeySequence(Qt::SHIFT | Qt::Key_F6), -1}};
    for (const auto& move : moves) {
        auto* action = new QAction(&window);
        action->setObjectName(move.name);
        action->setShortcut(move.key);
        // A floating preview is a window of its own; the keys work there too.
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, [this, step = move.step] { Move(step); });
        window.addAction(action);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { Remember(now); });
}

void TFocusCycle::ReturnOnEscape(QWidget* area)
{
    auto* back = new QAction(area);
    back->setObjectName("mnitBackToTree");
    back->setShortcut(QKeySequence(Qt::Key_Escape));
    back->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(back, &QAction::triggered, this, &TFocusCycle::ReturnToFirst);
    area->addAction(back);
}

int TFocusCycle::PaneOf(const QWidget* widget) const
{
    for (int i = 0; i < panes_.size(); ++i) {
        if (Within(panes_[i](), widget))
            return i;
    }
    return -1;
}

void TFocusCycle::Remember(QWidget* now)
{
    const int pane = PaneOf(now);
    if (pane >= 0)
        last_[pane] = now;
}

void TFocusCycle::Enter(QWidget* pane)
{
    const int i = PaneOf(pane);
    QWidget* target = last_.value(i);
    if (!target || !Within(pane, target) || !TakesTheKeyboard(target))
        target = FirstControl(pane);
    if (!target)
        return;
    target->activateWindow();
    target->setFocus(Qt::ShortcutFocusReason);
}

void TFocusCycle::Move(int step)
{
    const int count = int(panes_.size());
    int i = PaneOf(QApplication::focusWidget());
    if (i < 0)
        i = step > 0 ? count - 1 : 0;
    for (int tried = 0; tried < count; ++tried) {
        i = (i + step + count) % count;
        QWidget* pane = panes_[i]();
        if (pane && pane->isVisible() && FirstControl(pane)) {
            Enter(pane);
            return;
        }
    }
}

void TFocusCycle::ReturnToFirst()
{
    if (PaneOf(QApplication::focusWidget()) > 0)
        if (QWidget* first = panes_.first()())
            Enter(first);
}
