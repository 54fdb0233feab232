#pragma once
// The mouse as a finger: while on, a widget's mouse presses, drags and
// releases reach it as touch events and the pointer hovers over nothing, so
// a page in a web view behaves as on a phone (a tap opens a submenu, a
// second tap follows the link). Qt WebEngine offers no device emulation of
// its own; this is the part of it that input needs.

#include <QElapsedTimer>
#include <QObject>

class QMouseEvent;
class QPointingDevice;
class QWidget;

class TTouchEmulation final : public QObject {
    Q_OBJECT
public:
    explicit TTouchEmulation(QObject* parent = nullptr);

    // The widget and whichever child takes its input now or later (a web
    // view replaces its input child when its page's renderer starts anew).
    void Watch(QWidget* widget);
    void SetEnabled(bool enabled);
    bool Enabled() const { return enabled_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Touch(QWidget* target, QMouseEvent* mouse);

    QPointingDevice* device_;
    QElapsedTimer clock_;
    QWidget* watched_ = nullptr;
    bool enabled_ = false;
    bool down_ = false;
};
