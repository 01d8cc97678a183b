#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString Sample = QStringLiteral(PENNYWELL_SAMPLE_BUDGET);

QJsonObject jsonOf(const CliRun& run) {
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

QString writeBudget(const QTemporaryDir& folder, const QByteArray& bytes) {
    const QString path = QDir(folder.path()).filePath("test.bgt");
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return path;
}

} // namespace

TEST(BudgetCommand, JsonShowsBothHalvesAndTheNetBalanceForThePeriod) {
    const CliRun run = runCalc({"budget", Sample, "--period", "monthly", "--format", "json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject json = jsonOf(run);
    const QJsonObject income = json["income"].toObject();
    ASSERT_EQ(income["rows"].toArray().size(), 5);
    EXPECT_EQ(income["rows"].toArray()[4].toArray(),
              (QJsonArray{"5", "Salary", "  5,200.00", "  5,200.00"}));
    EXPECT_EQ(income["label"].toString(), " Monthly income");
    EXPECT_EQ(income["total"].toString(), "    6,361.67");
    EXPECT_EQ(json["expense"].toObject()["rows"].toArray().size(), 15);
    EXPECT_EQ(json["expense"].toObject()["totalBudgeted"].toString(), "    4,126.67");
    const QJsonObject net = json["net"].toObject();
    EXPECT_EQ(net["label"].toString(), "Monthly Net Balance");
    EXPECT_EQ(net["existing"].toString(), "   $2,023.33");
    EXPECT_EQ(net["budgeted"].toString(), "   $2,323.33");
    EXPECT_FALSE(net["existingRed"].toBool());
    EXPECT_FALSE(json.contains("error"));
}

TEST(BudgetCommand, SortOrderAndRedBalance) {
    QTemporaryDir folder;
    const QString path = writeBudget(folder, "1\r\n1,\"Pension\",1200,12,1800\r\n"
                                             "2\r\n1,\"Rent\",1500,12,1500\r\n"
                                             "2,\"Bus\",100,12,100\r\n");
    const CliRun run = runCalc({"budget", path, "--sort", "amounts-lohi", "--format", "json"});
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject json = jsonOf(run);
    EXPECT_EQ(json["expense"].toObject()["rows"].toArray()[0].toArray()[1].toString(), "Bus");
    EXPECT_EQ(json["net"].toObject()["existing"].toString(), "    $-400.00");
    EXPECT_TRUE(json["net"].toObject()["existingRed"].toBool());
    EXPECT_FALSE(json["net"].toObject()["budgetedRed"].toBool());
}

TEST(BudgetCommand, TextAndCsv) {
    const CliRun text = runCalc({"budget", Sample, "--period", "weekly"});
    ASSERT_EQ(text.exitCode, 0);
    EXPECT_TRUE(text.out.contains("   5 Salary                           1,200.00     1,200.00\n"));
    EXPECT_TRUE(text.out.contains(" Weekly income                        1,468.08     1,488.46\n"));
    EXPECT_TRUE(text.out.contains("Weekly Net Balance"));

    // A figure wider than its column keeps every digit, and its column stays flush right.
    QTemporaryDir folder;
    const QString large = writeBudget(folder, "1\r\n1,\"Bonus\",1564428.89,1,10\r\n0\r\n");
    const CliRun wide = runCalc({"budget", large});
    ASSERT_EQ(wide.exitCode, 0);
    EXPECT_TRUE(
        wide.out.contains("   1 Bonus                          1,564,428.89          10.00\n"
                          " Annual income                      1,564,428.89          10.00\n"))
        << wide.out.toStdString();
    EXPECT_TRUE(
        wide.out.contains("Annual Net Balance                 $1,564,428.89         $10.00\n"));

    const CliRun csv = runCalc({"budget", Sample, "--period", "quarterly", "--format", "csv"});
    ASSERT_EQ(csv.exitCode, 0);
    const QStringList lines = csv.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 21);
    EXPECT_EQ(lines[0], "side,number,description,amount,budgeted,annual_amount,"
                        "payments_per_year,annual_budgeted");
    EXPECT_EQ(lines[5], "\"income\",5,\"Salary\",15600.0000,15600.0000,62400.0000,26,62400.0000");
}

TEST(BudgetCommand, AFileThatCannotBeLoadedShowsTheEmptyScreenWithTheWindowsMessage) {
    QTemporaryDir folder;
    const QString bad = writeBudget(folder, "600\r\n0\r\n");
    const CliRun json = runCalc({"budget", bad, "--period", "monthly", "--format", "json"});
    EXPECT_EQ(json.exitCode, 1);
    const QJsonObject document = jsonOf(json);
    const QJsonObject error = document["error"].toObject();
    EXPECT_EQ(error["title"].toString(), "Load File");
    EXPECT_EQ(error["text"].toString(),
              "File not found or wrong format. Check Filename and/or Directory");
    for (const char* half : {"income", "expense"}) {
        EXPECT_EQ(document[half].toObject()["rows"].toArray().size(), 0) << half;
        EXPECT_EQ(document[half].toObject()["total"].toString(), "         .00") << half;
    }
    EXPECT_EQ(document["expense"].toObject()["label"].toString(), " Monthly expenses");
    EXPECT_EQ(document["net"].toObject()["label"].toString(), "Monthly Net Balance");
    EXPECT_EQ(document["net"].toObject()["existing"].toString(), "        $.00");

    const CliRun text = runCalc({"budget", QDir(folder.path()).filePath("missing.bgt")});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_TRUE(text.out.contains("Annual Net Balance")) << text.out.toStdString();
    EXPECT_TRUE(text.err.contains("File not found or wrong format."));

    const CliRun csv = runCalc({"budget", bad, "--format", "csv"});
    EXPECT_EQ(csv.exitCode, 1);
    EXPECT_EQ(csv.out.count('\n'), 1); // the header line alone
    EXPECT_TRUE(csv.err.contains("Load File: "));
}

TEST(BudgetCommand, BadUsageExitsWithTwoAndOneLine) {
    for (const QStringList& arguments :
         {QStringList{"budget"}, QStringList{"budget", Sample, "--period", "daily"},
          QStringList{"budget", Sample, "--sort", "random"},
          QStringList{"budget", Sample, "--format", "xml"}, QStringList{"budget", Sample, "x"},
          QStringList{"budget", Sample, "--colour"}}) {
        const CliRun run = runCalc(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.endsWith("\nTry 'pennywell-calc budget --help'.\n"));
        EXPECT_EQ(run.err.count(u'\n'), 2) << run.err.toStdString();
    }
}

// Names in another code page name their files. Made and removed by the shell: QProcess would
// pass them as UTF-8, and the temporary folder's clean-up could not name them.
TEST(BudgetCommand, FileNamesInAnotherCodePageNameTheirFiles) {
    QTemporaryDir folder;
    QProcess shell;
    shell.setWorkingDirectory(folder.path());
    shell.start("/bin/sh", {"-c",
                            "b=$(printf 'caf\\351.bgt'); p=$(printf 'r\\351sum\\351.pdf'); "
                            "cp \"$1\" \"$b\" && \"$0\" budget \"$b\" --report --format pdf "
                            "--output \"$p\" && test -s \"$p\"; s=$?; rm -f \"$b\" \"$p\"; exit $s",
                            PENNYWELL_CALC, Sample});
    ASSERT_TRUE(shell.waitForFinished(30000));
    EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
}
