#include "common/Fonts.h"

namespace pennywell::ui {

QFont fixedPitchFont() {
    QFont font(QStringLiteral("Liberation Mono"), 10);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

QFont titleFont() {
    QFont font(QStringLiteral("Liberation Serif"), 24, QFont::Bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace pennywell::ui
