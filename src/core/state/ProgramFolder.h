#pragma once

#include <QString>

namespace pennywell {

// The folder that holds the settings and budget files: the program's own folder, or, when
// that cannot be written (a system-wide install), the user's data folder, created if needed,
// so settings and budgets are never silently lost.
QString resolveProgramFolder(const QString& executableFolder);

} // namespace pennywell
