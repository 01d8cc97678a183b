#include "core/files/FileName.h"

#include <QList>
#include <gtest/gtest.h>

using namespace pennywell;

// Also a real character whose second UTF-16 unit looks like a kept byte (U+1F0A0).
TEST(FileName, AnyBytesComeBackAsTheyWereAndUtf8ReadsAsText) {
    QByteArray everyByte;
    for (int byte = 1; byte < 256; ++byte)
        everyByte += char(byte);
    for (const QByteArray& name : {everyByte, QByteArray("\xE2\x82.pdf"),
                                   QByteArray("\xED\xB3\xA9"), QByteArray("\xF0\x9F\x82\xA0\xE9")})
        EXPECT_EQ(fileNameBytes(fileNameFromBytes(name)), name) << name.toHex().toStdString();
    const QByteArray utf8 = "Caf\xC3\xA9 \xF0\x9F\x82\xA0.bgt";
    EXPECT_EQ(fileNameFromBytes(utf8), QString::fromUtf8(utf8));
}
