#pragma once

#include <QString>

namespace pennywell {

// A text right-justified in a field of `width` characters: a shorter text is preceded by
// spaces; a longer one is returned whole, never cut, so no figure loses a digit (the window
// shows it whole, a printout lets it reach left of its field).
QString RightAlign(const QString& text, int width);

} // namespace pennywell
