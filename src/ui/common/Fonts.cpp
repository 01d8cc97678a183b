#include "common/Fonts.h"

namespace pennywell::ui {

QFont fixedPitchFont(int pointSize) {
    QFont font(QStringLiteral("Liberation Mono"), pointSize);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

QFont narrowFont(int pointSize) {
    QFont font(QStringLiteral("Liberation Sans Narrow"), pointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont captionFont() {
    QFont font(QStringLiteral("Liberation Sans"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont titleFont() {
    QFont font(QStringLiteral("Liberation Serif"), 24, QFont::Bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace pennywell::ui
