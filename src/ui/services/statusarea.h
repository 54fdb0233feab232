#pragma once
// The main window's status area: the hint line stctxtHint and the progress
// bar prgrsbrMainFormBottom on the status bar StatusBar1, plus the busy
// pointer. The agent's long operations report through it.

#include <QLabel>
#include <QString>

#include "model/statusdisplay.h"
#include "ui/services/hints.h"

class QProgressBar;
class QStatusBar;

// The hint line: as wide as it is given, it shows its whole text, and cuts
// it short with "…" only when the text does not fit.
class THintLine final : public QLabel {
    Q_OBJECT
public:
    explicit THintLine(QWidget* parent = nullptr);
    void SetHint(const QString& text);
    QSize minimumSizeHint() const override;
    // The text as drawn at the present width.
    QString DisplayedText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateToolTip();
};

class TStatusArea final : public TStatusDisplay, public THints {
public:
    // Places the hint line and the progress bar on the given status bar.
    explicit TStatusArea(QStatusBar* statusBar);
    ~TStatusArea() override;

    void SetHint(const std::string& text) override;
    void SetProgressMax(int maximum) override;
    void StepProgress(int step) override;
    void SetProgressPosition(int position) override;
    void SetBusy(bool busy) override;

    void ShowHintText(const QString& text);
    void ShowHint(const QString& text) override { ShowHintText(text); }
    // A note ("Saved menu.tmz") that leaves the hint line after a few seconds
    // unless something else was shown meanwhile.
    void ShowNote(const QString& text, int milliseconds = 4000);
    // Back to rest after an operation that ended early: no hint, bar at 0, normal pointer.
    void Reset();

    THintLine* HintLine() const { return hint_; }
    QProgressBar* ProgressBar() const { return progress_; }
    bool Busy() const { return busy_; }

private:
    THintLine* hint_;
    QProgressBar* progress_;
    bool busy_ = false;
};
