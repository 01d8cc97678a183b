#include "core/files/AtomicWrite.h"

#include "core/files/FileName.h"
#include "core/files/SaveLeftovers.h"
#include "core/files/SaveTarget.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pennywell {

SaveProblem writeAll(int fd, const QByteArray& bytes, const WriteCall& write) {
    const char* at = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written =
            write ? write(fd, at, std::size_t(left)) : ::write(fd, at, std::size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return saveProblemOf(errno);
        // Some file systems (a few in user space) answer a failed write with 0 rather than an
        // error; asking again would never end.
        if (written == 0)
            return SaveProblem::WriteError;
        at += written;
        left -= written;
    }
    return SaveProblem::None;
}

namespace {

// A file system that cannot sync at all (some network and special ones) says so with these;
// anything else, a full disk or an I/O error, means the bytes may not all be there.
SaveProblem syncToDisk(int fd) {
    if (::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP || errno == EOPNOTSUPP ||
        errno == ENOSYS)
        return SaveProblem::None;
    return saveProblemOf(errno);
}

// The folder entry of the rename reaches the disk too; a folder that cannot be synced (some
// network file systems) has still renamed, so this is not a failure.
void syncFolder(int folder) {
    const FileDescriptor fd(::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.valid())
        ::fsync(fd.get());
}

// The kernel lets root write any file, but a file that gives no one the right to write it
// was made read-only on purpose, and root is told so like anyone else.
SaveProblem checkReplaceable(const SaveTarget& target) {
    if (::faccessat(target.folder.get(), target.name.constData(), W_OK, AT_EACCESS) != 0)
        return errno == EACCES || errno == EPERM ? SaveProblem::ReadOnlyFile : saveProblemOf(errno);
    return (target.file.st_mode & 0222) == 0 ? SaveProblem::ReadOnlyFile : SaveProblem::None;
}

// Gives the new file the old one's owner, group and mode: a save by root must not take a
// user's file from them, and another owner or group than the old one would change who may
// read it, so a save that cannot keep them does not happen.
SaveProblem takeOverOwnerAndMode(int fd, const struct stat& old) {
    struct stat now {};
    if (::fstat(fd, &now) != 0)
        return saveProblemOf(errno);
    const bool otherOwner = now.st_uid != old.st_uid || now.st_gid != old.st_gid;
    if (otherOwner && ::fchown(fd, old.st_uid, old.st_gid) != 0)
        return SaveProblem::OwnerNotKept;
    // The umask narrowed the mode at creation, and a change of owner drops set-id bits.
    if ((otherOwner || (now.st_mode & 07777) != (old.st_mode & 07777)) &&
        ::fchmod(fd, old.st_mode & 07777) != 0)
        return saveProblemOf(errno);
    return SaveProblem::None;
}

// Created with the old file's mode (the umask can only narrow it) or, for a new file, with
// what the umask leaves of `newFileMode`: no one else may read it at any moment, not even the
// copy a killed save leaves behind.
SaveProblem createTemporary(const SaveTarget& target, mode_t newFileMode, QByteArray& name,
                            FileDescriptor& fd) {
    const mode_t mode = target.exists ? (target.file.st_mode & 0777) : newFileMode;
    for (int attempt = 0; attempt < 16 && !fd.valid(); ++attempt) {
        name = saveTemporaryName(target.folder.get(), target.name);
        fd = FileDescriptor(::openat(target.folder.get(), name.constData(),
                                     O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode));
        if (!fd.valid() && errno != EEXIST)
            return saveProblemOf(errno);
    }
    if (!fd.valid())
        return SaveProblem::Failed;
    const SaveProblem problem =
        target.exists ? takeOverOwnerAndMode(fd.get(), target.file) : SaveProblem::None;
    if (problem != SaveProblem::None)
        ::unlinkat(target.folder.get(), name.constData(), 0);
    return problem;
}

SaveProblem renameOver(const SaveTarget& target, const QByteArray& temporary) {
    const int folder = target.folder.get();
    if (::renameat(folder, temporary.constData(), folder, target.name.constData()) == 0)
        return SaveProblem::None;
    const SaveProblem problem = saveProblemOf(errno);
    ::unlinkat(folder, temporary.constData(), 0);
    return problem;
}

// The file's other names see the new content only if it is written into the file itself.
// The complete copy beside it is on the disk by now, so when writing in place fails half-way
// the copy takes the name: the links are split, but the file is whole.
SaveProblem writeInPlace(const SaveTarget& target, const QByteArray& temporary,
                         const QByteArray& bytes, const WriteCall& write) {
    const int folder = target.folder.get();
    FileDescriptor file(
        ::openat(folder, target.name.constData(), O_WRONLY | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC));
    struct stat now {};
    SaveProblem problem = file.valid() ? SaveProblem::None : saveProblemOf(errno);
    if (problem == SaveProblem::None &&
        (::fstat(file.get(), &now) != 0 || now.st_ino != target.file.st_ino ||
         now.st_dev != target.file.st_dev))
        problem = SaveProblem::Failed; // replaced by someone else meanwhile
    // Room for a longer content is taken before a byte changes, so a full disk stops here.
    if (problem == SaveProblem::None &&
        ::fallocate(file.get(), FALLOC_FL_KEEP_SIZE, 0, off_t(bytes.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS)
        problem = saveProblemOf(errno);
    if (problem != SaveProblem::None) {
        ::unlinkat(folder, temporary.constData(), 0);
        return problem;
    }
    problem = writeAll(file.get(), bytes, write);
    if (problem == SaveProblem::None && ::ftruncate(file.get(), off_t(bytes.size())) != 0)
        problem = saveProblemOf(errno);
    if (problem == SaveProblem::None)
        problem = syncToDisk(file.get());
    if (!file.close() && problem == SaveProblem::None)
        problem = saveProblemOf(errno);
    if (problem == SaveProblem::None)
        ::unlinkat(folder, temporary.constData(), 0);
    else
        ::renameat(folder, temporary.constData(), folder, target.name.constData());
    return problem;
}

SaveResult writeAtomically(const QString& path, const QByteArray& bytes, const WriteCall& write,
                           mode_t newFileMode) {
    SaveTarget target;
    SaveProblem problem = findSaveTarget(fileNameBytes(path), target);
    if (problem == SaveProblem::None && target.exists)
        problem = checkReplaceable(target);
    if (problem != SaveProblem::None)
        return {problem};
    // A save killed while writing a file with other names in place leaves the only whole copy
    // beside it; such copies are kept for the user rather than tidied away.
    const bool hasOtherNames = target.exists && target.file.st_nlink > 1;
    if (!hasOtherNames)
        removeSaveLeftovers(target.folder.get(), target.name);

    QByteArray temporary;
    FileDescriptor fd;
    problem = createTemporary(target, newFileMode, temporary, fd);
    if (problem != SaveProblem::None)
        return {problem};
    // Every step is checked: a full disk may only show at fsync() or close(), and a short
    // temporary file must never take the old file's place.
    problem = writeAll(fd.get(), bytes, write);
    if (problem == SaveProblem::None)
        problem = syncToDisk(fd.get());
    if (!fd.close() && problem == SaveProblem::None)
        problem = saveProblemOf(errno);
    if (problem != SaveProblem::None) {
        ::unlinkat(target.folder.get(), temporary.constData(), 0);
        return {problem};
    }
    problem = hasOtherNames ? writeInPlace(target, temporary, bytes, write)
                            : renameOver(target, temporary);
    syncFolder(target.folder.get());
    return {problem};
}

} // namespace

SaveResult writeFileAtomically(const QString& path, const QByteArray& bytes,
                               const WriteCall& write) {
    return writeAtomically(path, bytes, write, 0666);
}

SaveResult writePrivateFileAtomically(const QString& path, const QByteArray& bytes) {
    return writeAtomically(path, bytes, {}, 0600);
}

} // namespace pennywell
