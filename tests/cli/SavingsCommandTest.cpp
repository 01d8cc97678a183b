#include "CliRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QJsonObject json(const CliRun& run) {
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

QJsonArray gridRow(const QJsonObject& document, int gridRow) {
    return document["grid"].toObject()["rows"].toArray().at(gridRow - 1).toArray();
}

} // namespace

TEST(SavingsCommand, DefaultsGiveTheWindowsGrid) {
    const CliRun run = runCalc({"savings", "--format", "json"});
    EXPECT_EQ(run.exitCode, 0);
    const QJsonObject document = json(run);
    EXPECT_FALSE(document.contains("error"));
    EXPECT_EQ(document["grid"].toObject()["rows"].toArray().size(), 28);
    EXPECT_EQ(document["grid"].toObject()["headers"].toArray().at(3).toString(),
              "        Current          Value");
    EXPECT_EQ(gridRow(document, 1), QJsonArray({"1", "1,000.00", "200.00", "1,200.00"}));
    EXPECT_EQ(gridRow(document, 26), QJsonArray({"", "", "", ""}));
    EXPECT_EQ(gridRow(document, 27),
              QJsonArray({"Total:", "$25,000.00", "$541,377.32", "$566,377.32"}));
}

TEST(SavingsCommand, TextShowsTheBoxesAndTheGrid) {
    const CliRun run =
        runCalc({"savings", "--lump", "10000", "--annual", "0", "--rate", "10", "--years", "3"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("Amount of Lump Sum Invested at Start.             $10,000.00\n"));
    EXPECT_TRUE(run.out.contains("Time in Years.                                             3\n"));
    EXPECT_TRUE(
        run.out.contains("3                .00                    1,210.00      13,310.00\n"));
    EXPECT_TRUE(run.out.contains("Total:         $10,000.00                   $3,310.00     "
                                 "$13,310.00\n"));
}

TEST(SavingsCommand, CsvHoldsTheYearsWithNegativeRates) {
    const CliRun run = runCalc({"savings", "--lump", "30000", "--annual", "0", "--rate", "0",
                                "--years", "2", "--inflation", "-5", "--format", "csv"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "year,invested,interest,value\n"
                       "1,30000.0000,0.0000,31500.0000\n"
                       "2,0.0000,0.0000,33075.0000\n");
}

TEST(SavingsCommand, TermOverTheLimitIsRefusedWithAFreshGrid) {
    const CliRun run = runCalc({"savings", "--years", "51", "--format", "json"});
    EXPECT_EQ(run.exitCode, 1);
    const QJsonObject document = json(run);
    EXPECT_EQ(document["error"].toObject()["text"].toString(), "Wrong entry, 50 year limit.");
    EXPECT_EQ(document["error"].toObject()["title"].toString(), "Help");
    EXPECT_EQ(document["grid"].toObject()["rows"].toArray().size(), 24);
    EXPECT_EQ(gridRow(document, 1), QJsonArray({"", "", "", ""}));

    const CliRun text = runCalc({"savings", "--years", "51"});
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_EQ(text.err, "--years: Wrong entry, 50 year limit.\n");
    EXPECT_EQ(runCalc({"savings", "--years", "50"}).exitCode, 0);

    const CliRun huge = runCalc({"savings", "--lump", "900000000000000", "--format", "json"});
    EXPECT_EQ(huge.exitCode, 1);
    EXPECT_EQ(json(huge)["error"].toObject()["text"].toString(), "Wrong entry, try again");
}

TEST(SavingsCommand, ValuesNoBoxWouldTakeAreBadUsage) {
    for (const QStringList& arguments :
         {QStringList{"savings", "--rate", "-5"}, QStringList{"savings", "--lump", "1e3"},
          QStringList{"savings", "--format", "xml"}, QStringList{"savings", "extra"},
          QStringList{"savings", "--bogus", "1"}}) {
        const CliRun run = runCalc(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(run.err.endsWith("\nTry 'pennywell-calc savings --help'.\n"));
    }
}

TEST(YearlyCommand, ResultLabelForEachFrequency) {
    EXPECT_EQ(json(runCalc(
                  {"yearly", "--deposit", "100", "--rate", "12", "--format", "json"}))["ResultAnt"],
              "    $1,278.00");
    EXPECT_EQ(json(runCalc({"yearly", "--deposit", "250", "--rate", "8", "--per", "quarterly",
                            "--format", "json"}))["ResultAnt"],
              "    $1,050.00");
    EXPECT_EQ(json(runCalc({"yearly", "--deposit", "500", "--rate", "10", "--per", "semiannual",
                            "--format", "json"}))["ResultAnt"],
              "    $1,075.00");
    EXPECT_EQ(json(runCalc(
                  {"yearly", "--deposit", "11", "--rate", "5", "--format", "json"}))["ResultAnt"],
              "      $135.58");
}

TEST(YearlyCommand, ZeroRateGivesAnEmptyResult) {
    const CliRun run = runCalc({"yearly", "--deposit", "100", "--rate", "0", "--format", "csv"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "deposit,rate,investments,amount\n100.0000,0.0000,12,\n");
    const QJsonObject document =
        json(runCalc({"yearly", "--deposit", "100", "--rate", "0", "--format", "json"}));
    EXPECT_EQ(document["ResultAnt"], "");
    EXPECT_TRUE(document["values"].toObject()["amount"].isNull());
}

TEST(YearlyCommand, MissingOrUnknownOptionsAreBadUsage) {
    EXPECT_EQ(runCalc({"yearly", "--rate", "5"}).exitCode, 2);
    EXPECT_EQ(runCalc({"yearly", "--deposit", "5", "--rate", "5", "--per", "weekly"}).exitCode, 2);
    const CliRun run = runCalc({"yearly", "--deposit", "100", "--rate", "12"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("Invested  "));
    EXPECT_TRUE(run.out.endsWith("$1,278.00\n"));
}
