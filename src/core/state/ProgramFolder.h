#pragma once

#include <QString>
#include <QStringList>

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

// Where a budget file dialog starts: the folder used last, else the user's documents folder
// when the program keeps its files in the user's data folder (a hidden folder people do not
// look in), else the program's own folder.
QString budgetDialogFolder(const QString& programFolder, const QStringList& recentFolders);

// The folders of the budget files used, latest first, with `folder` added.
QStringList withRecentFolder(QStringList recentFolders, const QString& folder);

} // namespace pennywell
