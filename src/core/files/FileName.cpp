#include "core/files/FileName.h"

namespace pennywell {
namespace {

constexpr char16_t EscapeBase = 0xDC00;

// The length of the well-formed UTF-8 sequence at `at` (RFC 3629: no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0 when the byte there starts none.
qsizetype utf8SequenceAt(QByteArrayView bytes, qsizetype at) {
    const auto byte = [&](qsizetype index) {
        return index < bytes.size() ? static_cast<unsigned char>(bytes[index]) : 0u;
    };
    const unsigned lead = byte(at);
    if (lead < 0x80)
        return 1;
    // The allowed range of the second byte; the later ones are always 0x80..0xBF.
    unsigned low = 0x80;
    unsigned high = 0xBF;
    qsizetype length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (qsizetype next = 2; next < length; ++next) {
        if (byte(at + next) < 0x80 || byte(at + next) > 0xBF)
            return 0;
    }
    return length;
}

bool isEscapedByte(QStringView name, qsizetype at) {
    const char16_t unit = name[at].unicode();
    const bool pairedWithHigh = at > 0 && name[at - 1].isHighSurrogate();
    return unit >= EscapeBase + 0x80 && unit <= EscapeBase + 0xFF && !pairedWithHigh;
}

} // namespace

QString fileNameFromBytes(QByteArrayView bytes) {
    QString name;
    qsizetype runStart = 0;
    qsizetype at = 0;
    while (at < bytes.size()) {
        const qsizetype length = utf8SequenceAt(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        name += QString::fromUtf8(bytes.sliced(runStart, at - runStart));
        name += QChar(char16_t(EscapeBase + static_cast<unsigned char>(bytes[at])));
        runStart = ++at;
    }
    return name + QString::fromUtf8(bytes.sliced(runStart));
}

QByteArray fileNameBytes(QStringView name) {
    QByteArray bytes;
    qsizetype runStart = 0;
    for (qsizetype at = 0; at < name.size(); ++at) {
        if (!isEscapedByte(name, at))
            continue;
        bytes += name.sliced(runStart, at - runStart).toUtf8();
        bytes += char(name[at].unicode() - EscapeBase);
        runStart = at + 1;
    }
    return bytes + name.sliced(runStart).toUtf8();
}

} // namespace pennywell
