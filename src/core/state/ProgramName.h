#pragma once

#include <QString>

namespace pennywell {

// The name the windows, the about box and the manual's window carry.
inline const QString ProgramName = QStringLiteral("Pennywell Win9");

} // namespace pennywell
