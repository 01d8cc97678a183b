#pragma once

#include "core/files/FileDescriptor.h"
#include "core/files/SaveResult.h"

#include <QByteArray>
#include <sys/stat.h>

namespace pennywell {

// The file a save writes: its folder, held open so that the names below stay in the folder
// that was checked, and its name in that folder.
struct SaveTarget {
    FileDescriptor folder;
    QByteArray name;
    bool exists = false;
    struct stat file {}; // when it exists; never a link
};

// Finds the file a save of `path` writes. A symbolic link as the last part of the path is
// followed here, since the save replaces the file it leads to and not the link; it is followed
// only where the kernel would follow it when protecting shared folders (links before the last
// part are left to the kernel).
SaveProblem findSaveTarget(const QByteArray& path, SaveTarget& target);

} // namespace pennywell
