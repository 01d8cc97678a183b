#pragma once

#include <QRect>
#include <QtMath>

namespace pennywell::ui {

// The forms were laid out for a 9-point desktop font at 96 dpi. A larger desktop font makes
// every caption in it larger, so each form grows with it as a whole, its own fonts by the same
// ratio; a smaller one leaves the form as laid out.
qreal fontScale();

// How much larger than laid out a form is shown: the font's ratio, and a screen of more dots
// per inch drawing every point in more pixels. Qt's own scale factor for high-density screens
// comes on top of logical pixels.
qreal formScale();

// Window layouts are given in twips: 15 twips are one pixel of a form at its laid-out size.
inline int fromTwips(int twips) {
    return qFloor(twips * formScale() / 15 + 0.5);
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height));
}

} // namespace pennywell::ui
