#pragma once
// What a box looks like once drawn: it is grabbed and its pixels are read,
// so the check covers what the style really paints, not the palette asked for.

#include <QComboBox>
#include <QHash>
#include <QImage>
#include <QLineEdit>
#include <QSpinBox>
#include <QWidget>
#include <cmath>

// WCAG relative luminance and contrast ratio.
inline double RelativeLuminance(QRgb rgb)
{
    auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

inline double ContrastRatio(QRgb a, QRgb b)
{
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct TDrawnText {
    QRgb background = 0;  // the commonest colour where the text sits
    QRgb darkest = 0;     // the darkest pixel there: the core of the glyphs
    double contrast = 0;  // between the two
};

// Where a box draws its text: its inner line edit, or its own inside.
inline QRect TextArea(QWidget* box)
{
    if (auto* spin = qobject_cast<QSpinBox*>(box))
        return spin->findChild<QLineEdit*>()->geometry();
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->lineEdit())
        return combo->lineEdit()->geometry();
    return box->rect().adjusted(3, 3, -3, -3);
}

// Grabs the box as drawn and measures its text against its background.
inline TDrawnText DrawnText(QWidget* box)
{
    const QImage image = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect area = TextArea(box).intersected(image.rect());
    QHash<QRgb, int> counts;
    TDrawnText drawn;
    double darkest = 2;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y) | 0xFF000000;
            ++counts[pixel];
            if (RelativeLuminance(pixel) < darkest) {
                darkest = RelativeLuminance(pixel);
                drawn.darkest = pixel;
            }
        }
    }
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            drawn.background = it.key();
        }
    }
    drawn.contrast = ContrastRatio(drawn.background, drawn.darkest);
    return drawn;
}
