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
    painter.fillRect(contentsRect(), color_);
    painter.end();
    QFrame::paintEvent(event);
}
