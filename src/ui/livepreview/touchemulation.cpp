#include "ui/livepreview/touchemulation.h"

#include <QApplication>
#include <QChildEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QWidget>

TTouchEmulation::TTouchEmulation(QObject* parent)
    : QObject(parent),
      device_(new QPointingDevice(QStringLiteral("Trellimenu preview finger"), 0x7e11,
                                  QInputDevice::DeviceType::TouchScreen, QPointingDevice::PointerType::Finger,
                                  QInputDevice::Capability::Position, 1, 0, QString(), QPointingDeviceUniqueId(),
                                  this))
{
    clock_.start();
}

void TTouchEmulation::Watch(QWidget* widget)
{
    watched_ = widget;
    widget->installEventFilter(this);
    for (QWidget* child : widget->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
}

void TTouchEmulation::SetEnabled(bool enabled)
{
    enabled_ = enabled;
    down_ = false;
}

bool TTouchEmulation::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watched_ && event->type() == QEvent::ChildAdded) {
        if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
            child->installEventFilter(this);
        return false;
    }
    if (!enabled_ || !watched->isWidgetType())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return Touch(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonDblClick:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
        return true;  // a finger neither double-clicks nor hovers
    default:
        return false;
    }
}

bool TTouchEmulation::Touch(QWidget* target, QMouseEvent* mouse)
{
    const bool left = mouse->button() == Qt::LeftButton;
    QEvent::Type type;
    if (mouse->type() == QEvent::MouseButtonPress && left && !down_)
        type = QEvent::TouchBegin;
    else if (mouse->type() == QEvent::MouseMove && down_)
        type = QEvent::TouchUpdate;
    else if (mouse->type() == QEvent::MouseButtonRelease && left && down_)
        type = QEvent::TouchEnd;
    else
        return mouse->type() == QEvent::MouseMove;  // hovering: nothing for a finger
    down_ = type != QEvent::TouchEnd;
    // The mouse's own point: pressed, moved or released like the finger, and
    // its positions already those of the target.
    QTouchEvent touch(type, device_, mouse->modifiers(), {mouse->point(0)});
    touch.setTimestamp(static_cast<quint64>(clock_.elapsed()));
    QApplication::sendEvent(target, &touch);
    return true;
}
