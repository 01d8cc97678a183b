#pragma once

#include <QString>

namespace pennywell {

// Exactly `width` characters: a shorter text is preceded by spaces, a longer one loses its
// rightmost characters (the fixed-width boxes and printed columns rely on this).
QString RightAlign(const QString& text, int width);

} // namespace pennywell
