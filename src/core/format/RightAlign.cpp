#include "core/format/RightAlign.h"

namespace pennywell {

QString RightAlign(const QString& text, int width) {
    if (text.size() >= width)
        return text;
    return QString(width - text.size(), u' ') + text;
}

} // namespace pennywell
