#include "CliRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QStringList example(const QStringList& more) {
    return QStringList{"mortgage", "--principal", "100000",        "--rate",    "10.125",
                       "--term",   "25",          "--compounding", "semiannual"} +
           more;
}

QJsonObject json(const CliRun& run) {
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

} // namespace

TEST(MortgageCommand, TextShowsTheBoxesAndTheGrid) {
    const CliRun run = runCalc({"mortgage", "--principal", "85000", "--rate", "11", "--term", "25",
                                "--compounding", "semiannual"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.startsWith("Mortgage Tables\n"));
    EXPECT_TRUE(run.out.contains("Principal+Interest payment.            $818.15\n"));
    EXPECT_TRUE(run.out.contains(" Payment  Year"));
    // The last year and the totals are the worked figures, column for column.
    EXPECT_TRUE(run.out.contains(
        "           25                         548.86              9,268.93                   .00"
        "            160,444.75             85,000.00\n\n        Total:        "))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.endsWith("$.00           $160,444.75            $85,000.00\n"));

    // A total of two million is wider than its twelve-character box and shows every digit.
    const CliRun million = runCalc({"mortgage", "--principal", "2000000", "--rate", "0.47",
                                    "--term", "31", "--compounding", "quarterly"});
    EXPECT_TRUE(million.out.contains(" $2,149,573.82\n")) << million.out.toStdString();
}

TEST(MortgageCommand, JsonHoldsTheBoxesAndEveryGridRow) {
    const CliRun run = runCalc(
        example({"--view", "all", "--dates", "--first-date", "2027-01-31", "--format", "json"}));
    ASSERT_EQ(run.exitCode, 0);
    const QJsonObject document = json(run);
    EXPECT_FALSE(document.contains("error"));
    const QJsonObject boxes = document["boxes"].toObject();
    EXPECT_EQ(boxes["InMonthPI"].toString(), "     $902.91");
    EXPECT_EQ(boxes["EndMortYear"].toString(), "       25.00");
    const QJsonObject grid = document["grid"].toObject();
    EXPECT_EQ(grid["headers"].toArray()[0].toString(), " Payment  Date");
    const QJsonArray rows = grid["rows"].toArray();
    ASSERT_EQ(rows.size(), 303);
    EXPECT_EQ(rows[1].toArray()[0].toString(), "2027-02-28");
    EXPECT_EQ(rows[299].toArray()[3].toString(), ".00");
    EXPECT_EQ(rows[300].toArray()[0].toString(), "");
    EXPECT_EQ(rows[301].toArray()[5].toString(), "$100,000.00");
}

TEST(MortgageCommand, AdditionalPaymentsAreListedAndTooLargeOnesSkipped) {
    const CliRun run =
        runCalc(example({"--extra", "3=5000", "--extra", "5=900000", "--format", "json"}));
    ASSERT_EQ(run.exitCode, 0);
    const QJsonArray rows = json(run)["grid"].toObject()["rows"].toArray();
    const int rowCount = 22; // the years the schedule now takes
    EXPECT_EQ(rows[rowCount + 1].toArray()[0].toString(), "Total:");
    EXPECT_EQ(rows[rowCount + 5].toArray()[0].toString(), "Additional ");
    EXPECT_EQ(rows[rowCount + 7].toArray()[0].toString(), "Year    3");
    EXPECT_EQ(rows[rowCount + 7].toArray()[2].toString(), "5,000.00");
    EXPECT_EQ(rows[rowCount + 8].toArray()[0].toString(), "");
}

TEST(MortgageCommand, RefusedCalculationsExitWithTheWindowsMessage) {
    const CliRun noRate = runCalc(
        {"mortgage", "--principal", "100000", "--rate", "0", "--term", "25", "--format", "json"});
    EXPECT_EQ(noRate.exitCode, 1);
    const QJsonObject document = json(noRate);
    EXPECT_EQ(document["error"].toObject()["text"].toString(), "Wrong entry, try again");
    EXPECT_EQ(document["error"].toObject()["title"].toString(), "Help");
    EXPECT_EQ(document["error"].toObject()["option"].toString(), "--rate");
    EXPECT_FALSE(document.contains("values"));
    EXPECT_EQ(document["boxes"].toObject()["PeriodicR"].toString(), "0.");
    EXPECT_EQ(document["grid"].toObject()["rows"].toArray().size(), 25);

    const CliRun tooLong = runCalc({"mortgage", "--principal", "1", "--rate", "5", "--term", "41"});
    EXPECT_EQ(tooLong.exitCode, 1);
    EXPECT_EQ(tooLong.err, "--term: Wrong entry, 40 Years limit.\n");
    const CliRun loan =
        runCalc({"mortgage", "--loan", "--principal", "1", "--rate", "5", "--term", "481"});
    EXPECT_EQ(loan.exitCode, 1);
    EXPECT_TRUE(loan.err.contains("Wrong entry, 480 Month limit."));
    EXPECT_EQ(runCalc({"mortgage", "--loan", "--principal", "1", "--rate", "5", "--term", "480"})
                  .exitCode,
              0);
}

TEST(MortgageCommand, CsvHasRawNumbersAndIsoDates) {
    const CliRun run =
        runCalc({"mortgage", "--loan", "--principal", "1000", "--rate", "12", "--term", "3",
                 "--view", "all", "--dates", "--first-date", "2027-01-31", "--format", "csv"});
    ASSERT_EQ(run.exitCode, 0);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0],
              "payment,interest,principal,balance,cumulative_interest,cumulative_principal,date");
    EXPECT_EQ(lines[1], "1,10.0000,330.0221,669.9779,10.0000,330.0221,2027-01-31");
    EXPECT_EQ(lines[3], "3,3.3666,336.6556,0.0000,20.0664,1000.0000,2027-03-31");
}

TEST(MortgageCommand, BadUsageExitsWithTwoAndOneLine) {
    const QList<QStringList> misuses = {
        {"mortgage", "--rate", "5", "--term", "25"},
        {"mortgage", "--principal", "$100", "--rate", "5", "--term", "25"},
        {"mortgage", "--principal", "100", "--rate", "5", "--term", "2.5"},
        {"mortgage", "--principal", "100", "--rate", "5", "--term", "25", "--extra", "26=5"},
        {"mortgage", "--principal", "100", "--rate", "5", "--term", "25", "--extra", "0=5"},
        // A year past the table of additional payments, even with a term over the limit.
        {"mortgage", "--principal", "100", "--rate", "5", "--term", "900", "--extra", "800=5"},
        {"mortgage", "--principal", "100", "--rate", "5", "--term", "25", "--format", "xml"},
        {"mortgage", "--principal", "100", "--rate", "5", "--term", "25", "--frequency", "daily"},
        {"mortgage", "--principal", "100", "--rate", "5", "--term", "25", "--bogus"},
    };
    for (const QStringList& arguments : misuses) {
        const CliRun run = runCalc(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.endsWith("\nTry 'pennywell-calc mortgage --help'.\n"));
        EXPECT_EQ(run.err.count(u'\n'), 2) << run.err.toStdString();
    }
}
