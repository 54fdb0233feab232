#pragma once
// A colour swatch: a small bevelled panel whose background is its colour,
// with a hand pointer; a click reports clicked(). A swatch for an optional
// colour can also hold none, shown crossed out.

#include <QColor>
#include <QFrame>

#include "model/colorconversion.h"

class TColorSwatch final : public QFrame {
    Q_OBJECT
public:
    explicit TColorSwatch(QWidget* parent = nullptr);

    QColor Color() const { return color_; }
    // A colour set ends the "none" state.
    void SetColor(const QColor& color);
    bool IsNone() const { return none_; }
    void SetNone();
    // The same colour as a TColor value (0x00BBGGRR) and back.
    TColorValue Value() const;
    void SetValue(TColorValue value);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor color_ = Qt::black;
    bool none_ = false;
};
