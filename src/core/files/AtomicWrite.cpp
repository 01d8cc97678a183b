#include "files/AtomicWrite.h"

#include "files/SaveLeftovers.h"

#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pennywell {
namespace {

// Where the bytes finally go: symbolic links are followed, so the links themselves stay.
QString targetOf(const QString& path) {
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    if (info.isSymLink()) // a link to a file not yet made
        return info.symLinkTarget();
    return path;
}

bool writeAll(int fd, const QByteArray& bytes) {
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, at, std::size_t(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        at += written;
        left -= written;
    }
    return true;
}

// A file system that cannot sync at all (some network and special ones) says so with these;
// anything else, a full disk or an I/O error, means the bytes may not all be there.
bool syncedToDisk(int fd) {
    if (::fsync(fd) == 0)
        return true;
    return errno == EINVAL || errno == ENOTSUP || errno == EOPNOTSUPP || errno == ENOSYS;
}

// The folder entry of the rename reaches the disk too; a folder that cannot be synced (some
// network file systems) has still renamed, so this is not a failure.
void syncFolder(const QByteArray& folder) {
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool writeFileAtomically(const QString& path, const QByteArray& bytes) {
    const QString target = targetOf(path);
    const QByteArray targetName = QFile::encodeName(target);
    struct stat old {};
    const bool replacing = ::stat(targetName.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return false;

    const QFileInfo targetInfo(target);
    removeSaveLeftovers(targetInfo.absolutePath(), targetInfo.fileName());

    int fd = -1;
    QByteArray temporaryName;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporaryName = QFile::encodeName(saveTemporaryPath(target));
        fd = ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;

    // Every step is checked: a full disk may only show at fsync() or close(), and a short
    // temporary file must never take the old file's place.
    bool written = writeAll(fd, bytes);
    if (replacing)
        ::fchmod(fd, old.st_mode & 07777); // keeps who may read it, where the owner allows
    if (written)
        written = syncedToDisk(fd);
    if (::close(fd) != 0)
        written = false;
    if (!written || ::rename(temporaryName.constData(), targetName.constData()) != 0) {
        ::unlink(temporaryName.constData());
        return false;
    }
    syncFolder(QFile::encodeName(targetInfo.absolutePath()));
    return true;
}

} // namespace pennywell
