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

TEST(CommandLine, ANumberTooLargeForItsBoxIsBadUsageAlikeWhateverItsLength) {
    const QList<QStringList> commands = {{"mortgage", "--rate", "5", "--term", "9", "--principal"},
                                         {"savings", "--lump"},
                                         {"yearly", "--rate", "5", "--deposit"}};
    for (const QStringList& command : commands) {
        const CliRun reference = runCalc(command + QStringList{QString(305, u'9')});
        EXPECT_EQ(reference.exitCode, 2) << command.first().toStdString();
        EXPECT_TRUE(reference.err.contains("too large")) << reference.err.toStdString();
        for (const int digits : {309, 310, 400, 2000}) {
            const CliRun run = runCalc(command + QStringList{QString(digits, u'9')});
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

// A script must never take a cut-short schedule for a result, nor help for shown help.
TEST(CommandLine, OutputThatCannotBeWrittenFailsTheCommand) {
    for (const QStringList& arguments : QList<QStringList>{
             {"mortgage", "--principal", "100000", "--rate", "10", "--term", "40", "--view", "all"},
             {"savings", "--report"},
             {"--help"},
             {"mortgage", "--help"}}) {
        const CliRun run = runCalc(
            arguments, [](QProcess& process) { process.setStandardOutputFile("/dev/full"); });
        EXPECT_EQ(run.exitCode, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("the output could not be written: No space left on device"))
            << run.err.toStdString();
    }
}
