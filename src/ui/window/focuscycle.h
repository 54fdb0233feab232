#pragma once
// The keyboard's way between the window's panes: F6 and Shift+F6 move to the
// next and the previous pane that is shown (the tree, the pages, the live
// preview), each getting back the control that last had the keyboard in it;
// Esc in an area so marked (the pages) returns to the first pane (the tree).

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

class TFocusCycle final : public QObject {
public:
    // A pane as it is now: the widget whose controls belong to it, or null
    // while it is not there (a pane may come and go, as the preview does).
    using TPane = std::function<QWidget*()>;

    TFocusCycle(QWidget& window, QList<TPane> panes);

    void Move(int step);  // +1: F6, -1: Shift+F6
    void ReturnToFirst();
    // Esc anywhere in `area` returns to the first pane (a key the area's own
    // controls or pop-ups take stays theirs).
    void ReturnOnEscape(QWidget* area);

private:
    int PaneOf(const QWidget* widget) const;
    void Enter(QWidget* pane);
    void Remember(QWidget* now);

    QWidget& window_;
    QList<TPane> panes_;
    QHash<int, QPointer<QWidget>> last_;  // by pane
};
