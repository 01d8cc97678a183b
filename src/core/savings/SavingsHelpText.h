#pragma once

#include <QString>

namespace pennywell {

// The savings window's quick-help panel. Lines end in CR LF; the example values stand level
// with the six input boxes beside the panel.
QString savingsHelpText(const QString& currencySymbol);

} // namespace pennywell
