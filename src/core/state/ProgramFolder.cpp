#include "state/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace pennywell {

QString resolveProgramFolder(const QString& executableFolder) {
    const QFileInfo folder(executableFolder);
    if (folder.isDir() && folder.isWritable())
        return folder.absoluteFilePath();
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userFolder);
    return userFolder;
}

} // namespace pennywell
