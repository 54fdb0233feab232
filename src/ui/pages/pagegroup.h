#pragma once
// A captioned group box whose caption wraps instead of widening the page:
// some captions are longer than the narrow page control is wide.

#include <QGroupBox>

class TPageGroup final : public QGroupBox {
    Q_OBJECT
public:
    explicit TPageGroup(const QString& caption, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect CaptionRect() const;  // the caption's lines at the current width
    int extra_ = 0;             // height of the caption's lines beyond the first
};
