#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace pennywell {

// File names on this system are bytes. Qt reads them as UTF-8 and turns each byte that is not
// UTF-8 (a name made in another code page) into U+FFFD, after which the name opens nothing or
// another file. These keep such a byte as the lone surrogate U+DC80..U+DCFF, so the name
// reaches the system again byte for byte; a UTF-8 name reads exactly as Qt reads it.
QString fileNameFromBytes(QByteArrayView bytes);
QByteArray fileNameBytes(QStringView name);

} // namespace pennywell
