#pragma once

#include <QString>

namespace pennywell {

// Where an installed program keeps its shared files, relative to its executable's folder
// (bin/../share/pennywell).
inline const QString InstalledDataFolder = QStringLiteral("../share/pennywell");

// The folder that holds the files shipped with the program (the sample budget): the shared
// data folder of an installed program, otherwise the executable's own folder.
QString shippedFilesFolder(const QString& executableFolder);

// The folder that holds the settings and budget files: the program's own folder, or, when
// the program is installed (its files live in a shared data folder) or its folder cannot be
// written, the user's data folder, created if needed, so settings and budgets are never
// silently lost and never written among the system's programs.
QString resolveProgramFolder(const QString& executableFolder);

} // namespace pennywell
