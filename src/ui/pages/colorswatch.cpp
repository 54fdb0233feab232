#include "ui/pages/colorswatch.h"

#include <QMouseEvent>
#include <QPainter>

TColorSwatch::TColorSwatch(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setFixedSize(22, 22);
    setCursor(Qt::PointingHandCursor);
}

void TColorSwatch::SetColor(const QColor& color)
{
    color_ = color;
    none_ = false;
    setAccessibleDescription(color.name().toUpper());
    update();
}

void TColorSwatch::SetNone()
{
    none_ = true;
    setAccessibleDescription(QStringLiteral("None"));
    update();
}

TColorValue TColorSwatch::Value() const
{
    return static_cast<TColorValue>(color_.red()) | static_cast<TColorValue>(color_.green()) << 8
           | static_cast<TColorValue>(color_.blue()) << 16;
}

void TColorSwatch::SetValue(TColorValue value)
{
    SetColor(QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF));
}

void TColorSwatch::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

void TColorSwatch::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect inside = contentsRect();
    if (none_) {
        painter.fillRect(inside, Qt::white);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(0xC0, 0x20, 0x20), 2));
        painter.drawLine(inside.bottomLeft(), inside.topRight());
    } else {
        painter.fillRect(inside, color_);
    }
    painter.end();
    QFrame::paintEvent(event);
}
