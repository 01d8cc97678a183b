#pragma once

#include "core/files/SaveResult.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <sys/types.h>

namespace pennywell {

// The system's write(); tests put a failing one in its place.
using WriteCall = std::function<ssize_t(int fd, const void* bytes, std::size_t size)>;

// Writes every byte to the open file, or says why not.
SaveProblem writeAll(int fd, const QByteArray& bytes, const WriteCall& write = {});

// Replaces the file with `bytes` in one step: the bytes go to a temporary file beside it,
// which is flushed to the disk and renamed over the old file only when every byte made it.
// If anything fails on the way (a full disk included), the old file is left byte for byte as
// it was and the result says why. Never replaced: what is not a regular file (a folder, a
// device, a pipe), a file the user may not write, a file whose owner or group could not be
// kept. The temporary file has the final owner and mode before it holds a byte. A file with
// other names (hard links) keeps them: once the complete copy is on the disk beside it, the
// bytes are written into the file itself.
SaveResult writeFileAtomically(const QString& path, const QByteArray& bytes,
                               const WriteCall& write = {});

// The same, for the program's own state (which folders the user keeps files in): a file made
// new is readable by its owner alone, whatever the umask allows; an existing one keeps its mode.
SaveResult writePrivateFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace pennywell
