#include "core/files/SaveResult.h"

#include <cerrno>

namespace pennywell {

SaveProblem saveProblemOf(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return SaveProblem::NoRoom;
    case EACCES:
    case EPERM:
        return SaveProblem::NoPermission;
    case EROFS:
        return SaveProblem::ReadOnlyDisk;
    case ENOENT:
    case ENOTDIR:
        return SaveProblem::NoSuchFolder;
    case ENAMETOOLONG:
        return SaveProblem::NameTooLong;
    case EIO:
        return SaveProblem::WriteError;
    default:
        return SaveProblem::Failed;
    }
}

QString saveProblemText(SaveProblem problem) {
    switch (problem) {
    case SaveProblem::None:
        return {};
    case SaveProblem::NoRoom:
        return QStringLiteral("There is not enough room on the disk.");
    case SaveProblem::NoPermission:
        return QStringLiteral("You have no permission to write in this folder.");
    case SaveProblem::ReadOnlyFile:
        return QStringLiteral("The file is read-only.");
    case SaveProblem::ReadOnlyDisk:
        return QStringLiteral("The disk is read-only.");
    case SaveProblem::NotRegularFile:
        return QStringLiteral("The name is not that of a file.");
    case SaveProblem::RefusedLink:
        return QStringLiteral("The name is a link another user placed in a shared folder.");
    case SaveProblem::OwnerNotKept:
        return QStringLiteral(
            "The file belongs to another user or group, and would no longer belong to them.");
    case SaveProblem::NoSuchFolder:
        return QStringLiteral("The folder does not exist.");
    case SaveProblem::NameTooLong:
        return QStringLiteral("The file name is too long.");
    case SaveProblem::WriteError:
        return QStringLiteral("The disk reported an error while writing.");
    case SaveProblem::Failed:
        break;
    }
    return QStringLiteral("The file could not be written.");
}

QString withRefusalReason(const QString& message, const SaveResult& result) {
    if (result.problem != SaveProblem::ReadOnlyFile && result.problem != SaveProblem::OwnerNotKept)
        return message;
    return message + QStringLiteral("\r\n") + saveProblemText(result.problem);
}

} // namespace pennywell
