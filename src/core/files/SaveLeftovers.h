#pragma once

#include <QByteArray>

namespace pennywell {

// A save writes its bytes to a temporary file beside the target, named
//   <file name>.pennywell-save-<process id>-<six letters or digits>
// and renames it over the target when it is complete. Only a save that never finished (the
// program was killed, or the machine stopped) leaves one behind. A file name too long to take
// the rest within the folder's limit of name length is cut short in the temporary name.
QByteArray saveTemporaryName(int folder, const QByteArray& fileName);

// Removes what unfinished saves of `fileName` left in `folder`, and nothing else: only names
// of the form above, only regular files of this user, only when the process named in the
// file name has ended and the file has not changed for a minute (a save under way on another
// machine of a shared folder keeps writing to it).
void removeSaveLeftovers(int folder, const QByteArray& fileName);

} // namespace pennywell
