#pragma once

#include <QRect>

namespace pennywell::ui {

// Window layouts are given in twips: 15 twips are one pixel at 96 dpi. Qt scales logical
// pixels for high-density screens, so converting to logical pixels is enough.
constexpr int fromTwips(int twips) {
    return (twips + 7) / 15;
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(fromTwips(left), fromTwips(top), fromTwips(width), fromTwips(height));
}

} // namespace pennywell::ui
