#pragma once

#include <QRect>
#include <QWidget>
#include <QtMath>

namespace kavel {

// The window designs of the suite give every control in twips: 1/1440 inch,
// so 15 twips make one pixel at 96 dpi.
inline constexpr double kTwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return qRound(twips / kTwipsPerPixel);
}

// A control's place in a window design: left, top, width, height in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect toPixels() const
    {
        return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
    }
};

// Puts `widget` at its designed place, never smaller than it can draw itself
// (a check box designed 165 twips wide still shows its box).
inline void placeAt(QWidget* widget, const TwipsRect& rect)
{
    QRect r = rect.toPixels();
    const QSize least = widget->minimumSizeHint();
    if (least.isValid()) {
        r.setWidth(std::max(r.width(), least.width()));
        r.setHeight(std::max(r.height(), std::min(least.height(), r.height() + 6)));
    }
    widget->setGeometry(r);
}

} // namespace kavel
