#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(CommandLine, TopLevelOptionsAndOneLineUsageErrors) {
    const CliRun version = runCalc({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "pennywell-calc " PENNYWELL_VERSION "\n");
    for (const char* help : {"--help", "-h"}) {
        const CliRun run = runCalc({help});
        EXPECT_EQ(run.exitCode, 0) << help;
        EXPECT_TRUE(run.out.startsWith("usage: pennywell-calc COMMAND")) << help;
    }
    const QList<std::pair<QStringList, QString>> misuses = {
        {{}, "pennywell-calc: no command given\nTry 'pennywell-calc --help'.\n"},
        {{"divide"}, "pennywell-calc: unknown command 'divide'\nTry 'pennywell-calc --help'.\n"},
        {{"mortgage", "--principal", "a", "--rate", "5", "--term", "9"},
         "pennywell-calc mortgage: --principal: not a number: 'a'\n"
         "Try 'pennywell-calc mortgage --help'.\n"},
        {{"savings", "--colour"},
         "pennywell-calc savings: --colour: unknown option\nTry 'pennywell-calc savings "
         "--help'.\n"},
        {{"yearly", "--deposit", "5", "--rate"},
         "pennywell-calc yearly: --rate: missing value\nTry 'pennywell-calc yearly --help'.\n"},
        {{"budget", "a.bgt", "--sort", "x\ny"},
         "pennywell-calc budget: --sort: expected names-az|names-za|amounts-hilo|amounts-lohi: "
         "'x?y'\nTry 'pennywell-calc budget --help'.\n"},
    };
    for (const auto& [arguments, message] : misuses) {
        const CliRun run = runCalc(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.err.toStdString(), message.toStdString());
        EXPECT_TRUE(run.out.isEmpty());
    }
}

// Run as cron runs it: no runtime folder, no display. Standard error is for our own messages.
TEST(CommandLine, ASuccessfulCommandWritesNothingToStandardError) {
    QTemporaryDir folder;
    const QList<QStringList> commands = {
        {"mortgage", "--principal", "1000", "--rate", "5", "--term", "3"},
        {"budget", PENNYWELL_SAMPLE_BUDGET, "--format", "json"},
        {"savings", "--report", "--format", "pdf", "--output", folder.filePath("s.pdf")}};
    for (const QStringList& arguments : commands) {
        const CliRun run = runCalc(arguments, [](QProcess& process) {
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            for (const char* name : {"XDG_RUNTIME_DIR", "DISPLAY", "WAYLAND_DISPLAY"})
                environment.remove(name);
            process.setProcessEnvironment(environment);
        });
        EXPECT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    }
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
