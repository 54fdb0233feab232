#include "ui/pages/pagegroup.h"

#include <QLayout>
#include <QPainter>
#include <QStyleOptionGroupBox>

TPageGroup::TPageGroup(const QString& caption, QWidget* parent) : QGroupBox(caption, parent)
{
}

QSize TPageGroup::minimumSizeHint() const
{
    // The contents decide; the caption wraps to fit.
    return QWidget::minimumSizeHint();
}

QRect TPageGroup::CaptionRect() const
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
    const int width = qMax(40, this->width() - 2 * label.left());
    const QRect lines = fontMetrics().boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, title());
    return QRect(label.left(), label.top(), width, qMax(label.height(), lines.height() + (label.height() - fontMetrics().height())));
}

void TPageGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const int single = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this).height();
    const int extra = CaptionRect().height() - single;
    if (extra != extra_ && layout()) {
        QMargins margins = layout()->contentsMargins();
        margins.setTop(margins.top() + extra - extra_);
        extra_ = extra;
        layout()->setContentsMargins(margins);
    }
}

void TPageGroup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const QRect caption = CaptionRect();
    style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, palette(), isEnabled(), title(),
                          QPalette::WindowText);
    QRect frame = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, this);
    frame.setTop(frame.top() + extra_);
    QStyleOptionFrame frameOption;
    frameOption.QStyleOption::operator=(option);
    frameOption.rect = frame;
    frameOption.lineWidth = option.lineWidth;
    frameOption.midLineWidth = option.midLineWidth;
    frameOption.features = QStyleOptionFrame::None;
    style()->drawPrimitive(QStyle::PE_FrameGroupBox, &frameOption, &painter, this);
}
