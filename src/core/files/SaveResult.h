#pragma once

#include <QString>

namespace pennywell {

// Why a file could not be saved; the old file, if any, is as it was in every case.
enum class SaveProblem {
    None,
    NoRoom,         // the disk or the user's quota is full
    NoPermission,   // the folder may not be written to
    ReadOnlyFile,   // the file itself may not be written to
    ReadOnlyDisk,   // the whole file system is mounted read-only
    NotRegularFile, // the name stands for a folder, a device, a pipe
    RefusedLink,    // a link another user left in a shared folder
    OwnerNotKept,   // the file would pass to another owner or group
    NoSuchFolder,   // the folder is missing
    NameTooLong,    // the file system takes no name that long
    WriteError,     // the disk reported an error, or wrote nothing
    Failed,         // anything else
};

struct SaveResult {
    SaveProblem problem = SaveProblem::None;

    explicit operator bool() const { return problem == SaveProblem::None; }
};

// The problem from the `errno` of a failed call.
SaveProblem saveProblemOf(int error);

// One sentence for the user, e.g. "The file is read-only."
QString saveProblemText(SaveProblem problem);

// The message of a failed save, with the reason on a line of its own when the save refused to
// replace an existing file (the user would otherwise not see why a writable folder failed).
QString withRefusalReason(const QString& message, const SaveResult& result);

} // namespace pennywell
