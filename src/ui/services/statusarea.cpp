#include "ui/services/statusarea.h"

#include <QApplication>
#include <QPainter>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>

#include <algorithm>

namespace {
constexpr int kProgressWidth = 180;
}  // namespace

THintLine::THintLine(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    // Takes what the status bar can spare, however long the text.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void THintLine::SetHint(const QString& text)
{
    setText(text);
    UpdateToolTip();
}

QSize THintLine::minimumSizeHint() const
{
    return QSize(0, QLabel::minimumSizeHint().height());
}

QString THintLine::DisplayedText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void THintLine::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), int(Qt::AlignLeft | Qt::AlignVCenter), palette(), isEnabled(),
                          DisplayedText(), foregroundRole());
}

void THintLine::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    UpdateToolTip();
}

void THintLine::UpdateToolTip()
{
    // Cut short, the whole hint is still there under the pointer.
    setToolTip(DisplayedText() == text() ? QString() : text());
}

TStatusArea::TStatusArea(QStatusBar* statusBar)
    : hint_(new THintLine(statusBar)), progress_(new QProgressBar(statusBar))
{
    statusBar->setObjectName("StatusBar1");
    hint_->setObjectName("stctxtHint");
    progress_->setObjectName("prgrsbrMainFormBottom");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(16);
    progress_->setFixedWidth(kProgressWidth);
    statusBar->addPermanentWidget(hint_, 1);
    statusBar->addPermanentWidget(progress_, 0);
}

TStatusArea::~TStatusArea()
{
    SetBusy(false);
}

void TStatusArea::SetHint(const std::string& text)
{
    ShowHintText(QString::fromStdString(text));
    // The operations run without returning to the event loop; paint now so
    // the user sees what is happening.
    hint_->repaint();
}

void TStatusArea::ShowHintText(const QString& text)
{
    hint_->SetHint(text);
}

void TStatusArea::ShowNote(const QString& text, int milliseconds)
{
    ShowHintText(text);
    QTimer::singleShot(milliseconds, hint_, [this, text] {
        if (hint_->text() == text)
            ShowHintText(QString());
    });
}

void TStatusArea::SetProgressMax(int maximum)
{
    progress_->setMaximum(std::max(maximum, 1));
}

void TStatusArea::StepProgress(int step)
{
    progress_->setValue(std::min(progress_->value() + step, progress_->maximum()));
}

void TStatusArea::SetProgressPosition(int position)
{
    progress_->setValue(std::clamp(position, 0, progress_->maximum()));
}

void TStatusArea::SetBusy(bool busy)
{
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void TStatusArea::Reset()
{
    ShowHintText(QString());
    progress_->setValue(0);
    SetBusy(false);
}
