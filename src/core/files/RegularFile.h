#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace pennywell {

struct FileStart {
    QByteArray bytes;   // at most the bytes asked for
    bool whole = false; // false when the file goes on beyond them
};

// Reads the start of a regular file, at most `maximumBytes`, counted as they are read (a
// file's reported size may be wrong while it grows). Anything else the name may stand for (a
// folder, a pipe, a device such as /dev/zero) is refused without waiting on it or reading
// from it; so is a missing or unreadable file.
std::optional<FileStart> readRegularFile(const QString& path, qint64 maximumBytes);

} // namespace pennywell
