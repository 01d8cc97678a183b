#include "ui/common/Fonts.h"

#include "ui/common/Twips.h"

namespace pennywell::ui {

QFont fixedPitchFont(int pointSize) {
    QFont font(QStringLiteral("Liberation Mono"));
    font.setPointSizeF(pointSize * fontScale());
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

QFont narrowFont(int pointSize) {
    QFont font(QStringLiteral("Liberation Sans Narrow"));
    font.setPointSizeF(pointSize * fontScale());
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont captionFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8 * fontScale());
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont titleFont() {
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(24 * fontScale());
    font.setBold(true);
    font.setStyleHint(QFont::Serif);
    return font;
}

} // namespace pennywell::ui
