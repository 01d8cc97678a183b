#pragma once

#include <QByteArray>
#include <QString>

namespace pennywell {

// Replaces the file with `bytes` in one step: if anything fails on the way, the old file is
// left exactly as it was. False when the file could not be written.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

} // namespace pennywell
