#include "core/files/TextDecoding.h"

namespace pennywell {
namespace {

// Windows-1252 is Latin-1 except for 0x80..0x9F; its five unassigned bytes keep their
// Latin-1 control characters, so no byte is ever lost.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

TextEncoding encodingOf(QByteArrayView bytes) {
    return bytes.isValidUtf8() ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QString decodedAs(QByteArrayView bytes, TextEncoding encoding) {
    if (encoding == TextEncoding::Utf8)
        return QString::fromUtf8(bytes);
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        text[i] = byte >= 0x80 && byte < 0xA0 ? QChar(Windows1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QByteArrayView withoutByteOrderMark(QByteArrayView bytes) {
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

} // namespace pennywell
