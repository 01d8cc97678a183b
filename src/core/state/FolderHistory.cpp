#include "core/state/FolderHistory.h"

#include "core/files/AtomicWrite.h"
#include "core/files/FileName.h"
#include "core/files/RegularFile.h"
#include "core/state/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <sys/stat.h>

namespace pennywell {
namespace {

// Ten folders of at most PATH_MAX bytes each, with room to spare; anything longer is not ours.
constexpr qint64 LargestHistory = 64 * 1024;

// Asked by its bytes, so a name made in another code page is found as it is.
bool usableFolder(const QString& folder) {
    struct stat status {};
    return QDir::isAbsolutePath(folder) && !folder.contains(QChar(0)) &&
           ::stat(fileNameBytes(folder).constData(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

QString folderHistoryFile() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("budget-folders"));
}

QStringList readFolderHistory(const QString& path) {
    const std::optional<FileStart> file = readRegularFile(path, LargestHistory);
    if (!file)
        return {};
    QStringList folders;
    // Read oldest first, so each folder added goes in front as when it was used.
    const QList<QByteArray> lines = file->bytes.split('\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        const QString folder = fileNameFromBytes(*line);
        if (usableFolder(folder))
            folders = withRecentFolder(folders, QDir::cleanPath(folder));
    }
    return folders;
}

SaveResult writeFolderHistory(const QString& path, const QStringList& folders) {
    QByteArray bytes;
    for (const QString& folder : folders) {
        if (!folder.contains(QLatin1Char('\n')))
            bytes += fileNameBytes(folder) + '\n';
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writePrivateFileAtomically(path, bytes);
}

} // namespace pennywell
