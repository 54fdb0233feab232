#include "ui/statusarea.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>

#include <algorithm>

TStatusArea::TStatusArea(QStatusBar* statusBar)
    : hint_(new QLabel(statusBar)), progress_(new QProgressBar(statusBar))
{
    statusBar->setObjectName("StatusBar1");
    hint_->setObjectName("stctxtHint");
    hint_->setFixedWidth(338);
    hint_->setTextFormat(Qt::PlainText);
    progress_->setObjectName("prgrsbrMainFormBottom");
    progress_->setRange(0, 100);
    progress_->setValue(0);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(16);
    statusBar->addPermanentWidget(hint_, 0);
    statusBar->addPermanentWidget(progress_, 1);
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
    hint_->setText(text);
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
