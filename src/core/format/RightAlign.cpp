#include "format/RightAlign.h"

namespace pennywell {

QString RightAlign(const QString& text, int width) {
    if (width <= 0)
        return QString();
    if (text.size() >= width)
        return text.left(width);
    return QString(width - text.size(), u' ') + text;
}

} // namespace pennywell
