#include "core/settings/PersonalSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace pennywell;

namespace {

class SettingsFile : public testing::Test {
protected:
    QString path() const { return dir_.filePath(SettingsFileName); }

    void write(const QByteArray& content) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QByteArray read() const {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(SettingsFile, MissingFileGivesTheDefaults) {
    const SettingsLoadResult loaded = loadSettings(path());
    EXPECT_FALSE(loaded.complete);
    EXPECT_EQ(loaded.settings.CurrencySymbol, "$");
    EXPECT_EQ(loaded.settings.PrinterFontChoice, PrinterFont::Standard);
    EXPECT_TRUE(loaded.settings.UserName.isEmpty());
}

TEST_F(SettingsFile, ReadsTheThreeFieldsInOrder) {
    write("\"EU\",2,\"Sam Smith\"\r\n");
    const SettingsLoadResult loaded = loadSettings(path());
    EXPECT_TRUE(loaded.complete);
    EXPECT_EQ(loaded.settings.CurrencySymbol, "EU");
    EXPECT_EQ(loaded.settings.PrinterFontChoice, PrinterFont::CourierNew11);
    EXPECT_EQ(loaded.settings.UserName, "Sam Smith");
}

TEST_F(SettingsFile, ReadsUtf8AndOlderSingleByteFiles) {
    write("\"\xC2\xA3\",1,\"Zo\xC3\xAB\"\r\n");
    EXPECT_EQ(loadSettings(path()).settings.UserName, QString::fromUtf8("Zo\xC3\xAB"));
    write("\"\x80\",1,\"Zo\xEB\"\r\n"); // a file written in a single-byte code page
    const SettingsLoadResult loaded = loadSettings(path());
    EXPECT_EQ(loaded.settings.CurrencySymbol, QString::fromUtf8("\xE2\x82\xAC"));
    EXPECT_EQ(loaded.settings.UserName, QString::fromUtf8("Zo\xC3\xAB"));
}

TEST_F(SettingsFile, EmptySymbolBecomesTheDollarAndOtherFieldsAreKept) {
    write("\"\",3,\"Ann\"\r\n");
    const SettingsLoadResult loaded = loadSettings(path());
    EXPECT_TRUE(loaded.complete);
    EXPECT_EQ(loaded.settings.CurrencySymbol, "$");
    EXPECT_EQ(loaded.settings.PrinterFontChoice, PrinterFont::CourierNew12);
    EXPECT_EQ(loaded.settings.UserName, "Ann");
}

TEST_F(SettingsFile, NamesMayBeEmptyOrBlanksOnly) {
    write("\"$\",0,\"\"\r\n");
    EXPECT_TRUE(loadSettings(path()).settings.UserName.isEmpty());
    write("\"$\",0,\"   \"\r\n");
    EXPECT_EQ(loadSettings(path()).settings.UserName, "   ");
}

TEST_F(SettingsFile, BlanksBeforeFieldsAndTrailingTextAreSkipped) {
    write("  \"#\",  1,   \"Jo, the saver\",\"extra\",9\nsecond line\r\n");
    const SettingsLoadResult loaded = loadSettings(path());
    EXPECT_TRUE(loaded.complete);
    EXPECT_EQ(loaded.settings.CurrencySymbol, "#");
    EXPECT_EQ(loaded.settings.PrinterFontChoice, PrinterFont::CourierNew10);
    EXPECT_EQ(loaded.settings.UserName, "Jo, the saver");
}

TEST_F(SettingsFile, FontChoiceOutsideTheFourOptionsIsTheStandardFont) {
    write("\"$\",7,\"Sam\"\r\n");
    EXPECT_EQ(loadSettings(path()).settings.PrinterFontChoice, PrinterFont::Standard);
    write("\"$\",-1,\"Sam\"\r\n");
    EXPECT_EQ(loadSettings(path()).settings.PrinterFontChoice, PrinterFont::Standard);
    for (const QByteArray& huge : {QByteArray(11, '9'), "-" + QByteArray(400, '9')}) {
        write("\"$\"," + huge + ",\"Sam\"\r\n");
        EXPECT_EQ(loadSettings(path()).settings.PrinterFontChoice, PrinterFont::Standard);
        EXPECT_EQ(loadSettings(path()).settings.UserName, "Sam");
    }
}

TEST_F(SettingsFile, AFailedReadKeepsWhatWasReadBeforeIt) {
    write("\"EU\",x,\"Sam\"\r\n");
    SettingsLoadResult loaded = loadSettings(path());
    EXPECT_FALSE(loaded.complete);
    EXPECT_EQ(loaded.settings.CurrencySymbol, "EU");
    EXPECT_TRUE(loaded.settings.UserName.isEmpty());

    write("\"EU\",1");
    loaded = loadSettings(path());
    EXPECT_FALSE(loaded.complete);
    EXPECT_EQ(loaded.settings.PrinterFontChoice, PrinterFont::CourierNew10);

    write("");
    loaded = loadSettings(path());
    EXPECT_FALSE(loaded.complete);
    EXPECT_EQ(loaded.settings.CurrencySymbol, "$");
}

TEST_F(SettingsFile, WritesOneQuotedLineWithCrLf) {
    EXPECT_EQ(settingsLine({QStringLiteral("$"), PrinterFont::CourierNew11, QStringLiteral("Sam")}),
              QByteArray("\"$\",2,\"Sam\"\r\n"));
    EXPECT_EQ(settingsLine({QString(), PrinterFont::Standard, QString()}),
              QByteArray("\"\",0,\"\"\r\n"));
}

TEST_F(SettingsFile, RoundTripsThroughTheFile) {
    const PersonalSettings saved{QStringLiteral("£"), PrinterFont::CourierNew10,
                                 QStringLiteral("  Zoë Ann  ")};
    ASSERT_TRUE(saveSettings(path(), saved));
    EXPECT_EQ(read(), settingsLine(saved));
    const SettingsLoadResult loaded = loadSettings(path());
    EXPECT_TRUE(loaded.complete);
    EXPECT_EQ(loaded.settings.CurrencySymbol, saved.CurrencySymbol);
    EXPECT_EQ(loaded.settings.PrinterFontChoice, PrinterFont::CourierNew10);
    EXPECT_EQ(loaded.settings.UserName, saved.UserName);
}

TEST_F(SettingsFile, AFailedWriteLeavesTheOldFileAndReportsIt) {
    write("\"$\",1,\"Old\"\r\n");
    const QString missingFolder = dir_.filePath(QStringLiteral("missing/Personal.pws"));
    EXPECT_FALSE(saveSettings(
        missingFolder, {QStringLiteral("$"), PrinterFont::CourierNew11, QStringLiteral("New")}));
    EXPECT_FALSE(QFileInfo::exists(missingFolder));
    EXPECT_EQ(read(), QByteArray("\"$\",1,\"Old\"\r\n"));
}

TEST_F(SettingsFile, ASymbolLongerThanTheBoxIsCutToTwoCharacters) {
    write("\"LONGSYMBOL64\",1,\"Sam\"\r\n");
    SettingsLoadResult loaded = loadSettings(path());
    EXPECT_EQ(loaded.settings.CurrencySymbol, "LO");
    EXPECT_EQ(loaded.settings.UserName, "Sam");
    // A character outside the basic plane takes two units and stays whole or goes whole.
    write("\"\xF0\x9F\x92\xB0x\",1,\"Sam\"\r\n");
    EXPECT_EQ(loadSettings(path()).settings.CurrencySymbol, QString::fromUtf8("\xF0\x9F\x92\xB0"));
    write("\"x\xF0\x9F\x92\xB0\",1,\"Sam\"\r\n");
    EXPECT_EQ(loadSettings(path()).settings.CurrencySymbol, "x");
}

TEST_F(SettingsFile, EveryReadableFileSavesBackToTheSameValues) {
    const QList<QByteArray> handEdited = {
        "$,1,Sam \"Bo\" Lee\r\n", // quotes inside unquoted fields
        "\"$\",1,Sam\"\r\n",
        "E\"U,2,\"Ann\"\r\n",
        "\xEF\xBB\xBF\"\xA3\",3,\"Zo\xEB\"\r\n", // byte-order mark, single-byte code page
        "\"EUR\",1,\"  Jo, the saver  \",extra\r\n",
        " \"$\" , 2 , \"Sam\" \n",
    };
    for (const QByteArray& line : handEdited) {
        write(line);
        const PersonalSettings first = loadSettings(path()).settings;
        ASSERT_TRUE(saveSettings(path(), first));
        const SettingsLoadResult again = loadSettings(path());
        EXPECT_TRUE(again.complete) << line.toStdString();
        EXPECT_EQ(again.settings.CurrencySymbol, first.CurrencySymbol) << line.toStdString();
        EXPECT_EQ(again.settings.PrinterFontChoice, first.PrinterFontChoice);
        EXPECT_EQ(again.settings.UserName, first.UserName) << line.toStdString();
    }
    write("$,1,Sam \"Bo\" Lee\r\n");
    EXPECT_EQ(loadSettings(path()).settings.UserName, "Sam Bo Lee");
}
