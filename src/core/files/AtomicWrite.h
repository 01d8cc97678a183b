#pragma once

#include <QByteArray>
#include <QString>

namespace pennywell {

// Replaces the file with `bytes` in one step: the bytes go to a temporary file beside it,
// which is flushed to the disk and renamed over the old file only when every byte made it.
// If anything fails on the way (a full disk included), the old file is left byte for byte as
// it was and the result is false. An existing path that is not a regular file (a folder, a
// device, a pipe) is never replaced.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace pennywell
