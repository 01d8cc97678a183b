#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(CommandLine, WithoutACommandItPrintsUsageAndFails) {
    const CliRun run = runCalc({});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.startsWith("usage: pennywell-calc COMMAND"));
    EXPECT_TRUE(run.out.isEmpty());
}

TEST(CommandLine, UnknownCommandIsBadUsage) {
    const CliRun run = runCalc({"divide"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("unknown command 'divide'"));
}

TEST(CommandLine, HelpGoesToStandardOutput) {
    const CliRun run = runCalc({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("usage: pennywell-calc COMMAND"));
}

TEST(CommandLine, ANumberTooLargeForItsBoxIsRefusedAlikeWhateverItsLength) {
    for (const QString& command : {QStringLiteral("mortgage"), QStringLiteral("savings")}) {
        const QString option = command == u"mortgage" ? "--principal" : "--lump";
        const CliRun reference = runCalc({command, option, QString(305, u'9')});
        EXPECT_NE(reference.exitCode, 0);
        for (const int digits : {309, 310, 400, 2000}) {
            const CliRun run = runCalc({command, option, QString(digits, u'9')});
            EXPECT_EQ(run.exitCode, reference.exitCode) << digits;
            EXPECT_EQ(run.out, reference.out) << digits;
            EXPECT_EQ(run.err, reference.err) << digits;
        }
    }
}

// A pipe where the settings file should be must not keep the command waiting.
TEST(CommandLine, APipeNamedLikeTheSettingsFileIsIgnored) {
    QTemporaryDir folder;
    const QString program = QDir(folder.path()).filePath(QStringLiteral("pennywell-calc"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PENNYWELL_CALC), program));
    const QByteArray settings = QFile::encodeName(QDir(folder.path()).filePath("Personal.pws"));
    ASSERT_EQ(::mkfifo(settings.constData(), 0600), 0);

    QProcess process;
    process.start(program, {"savings", "--lump", "100"});
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_TRUE(process.readAllStandardOutput().contains("$100.00"));
}
