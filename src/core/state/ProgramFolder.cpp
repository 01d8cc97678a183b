#include "core/state/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pennywell {
namespace {

bool isInstalled(const QString& executableFolder) {
    return QFileInfo(QDir(executableFolder).filePath(InstalledDataFolder)).isDir();
}

} // namespace

QString shippedFilesFolder(const QString& executableFolder) {
    if (isInstalled(executableFolder))
        return QDir::cleanPath(QDir(executableFolder).filePath(InstalledDataFolder));
    return executableFolder;
}

QString resolveProgramFolder(const QString& executableFolder) {
    const QFileInfo folder(executableFolder);
    // An administrator may run an installed program too: its bin folder is writable then,
    // but it is still no place for one user's budgets.
    if (folder.isDir() && folder.isWritable() && !isInstalled(executableFolder))
        return folder.absoluteFilePath();
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userFolder);
    return userFolder;
}

QString budgetDialogFolder(const QString& programFolder, const QStringList& recentFolders) {
    if (!recentFolders.isEmpty())
        return recentFolders.constFirst();
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (programFolder == userFolder && !documents.isEmpty())
        return documents;
    return programFolder;
}

QStringList withRecentFolder(QStringList recentFolders, const QString& folder) {
    constexpr int Kept = 10;
    recentFolders.removeAll(folder);
    recentFolders.prepend(folder);
    return recentFolders.mid(0, Kept);
}

} // namespace pennywell
