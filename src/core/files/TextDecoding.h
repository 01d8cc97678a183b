#pragma once

#include <QByteArrayView>
#include <QString>

namespace pennywell {

// The program writes its files in UTF-8. Text that is not valid UTF-8 was written in a
// single-byte code page (older copies of the program, or a hand edit), read as Windows-1252
// so that its letters show as they were typed. Files are decided line by line: a hand edit
// may have added a line in one to a file in the other.
enum class TextEncoding { Utf8, Windows1252 };

TextEncoding encodingOf(QByteArrayView bytes);
QString decodedAs(QByteArrayView bytes, TextEncoding encoding);

// The bytes without a leading UTF-8 byte-order mark, which some editors write.
QByteArrayView withoutByteOrderMark(QByteArrayView bytes);

} // namespace pennywell
