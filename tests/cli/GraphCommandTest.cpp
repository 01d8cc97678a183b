#include "CliRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

QJsonObject json(const CliRun& run) {
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

QJsonObject point(const QString& label, const QString& value) {
    return {{"label", label}, {"value", value}};
}

TEST(GraphCommand, MortgageGivesTheBalanceAtTheStartOfEachYear) {
    const CliRun run = runCalc({"mortgage", "--principal", "100000", "--rate", "10.125", "--term",
                                "25", "--view", "all", "--graph", "--format", "json"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject document = json(run);
    EXPECT_EQ(document["title"].toString(), "Mortgage balance at start of each Year");
    const QJsonArray points = document["points"].toArray();
    ASSERT_EQ(points.size(), 25);
    EXPECT_EQ(points[0].toObject(), point("1", "100000.0000"));
    EXPECT_EQ(points[24].toObject()["label"].toString(), "25");

    // The yearly view gives the same balances.
    const CliRun annual = runCalc({"mortgage", "--principal", "100000", "--rate", "10.125",
                                   "--term", "25", "--graph", "--format", "json"});
    EXPECT_EQ(json(annual)["points"].toArray(), points);
}

TEST(GraphCommand, SavingsTextAndCsvListEveryPoint) {
    const QStringList plan = {"savings", "--years", "3", "--graph"};
    const CliRun text = runCalc(plan);
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out, "Year 1: $1,200.00\nYear 2: $2,640.00\nYear 3: $4,368.00\n");

    const CliRun csv = runCalc(plan + QStringList{"--format", "csv"});
    EXPECT_EQ(csv.out, "label,value\n1,1200.0000\n2,2640.0000\n3,4368.0000\n");

    const CliRun oneYear = runCalc({"savings", "--years", "1", "--graph", "--format", "csv"});
    EXPECT_EQ(oneYear.out, "label,value\n1,1200.0000\n1,0.0000\n");
}

TEST(GraphCommand, RefusalsAreTheWindowsMessages) {
    const CliRun nothing = runCalc({"savings", "--years", "0", "--graph", "--format", "json"});
    EXPECT_EQ(nothing.exitCode, 1);
    EXPECT_EQ(json(nothing)["error"].toObject(),
              QJsonObject({{"title", "Advisory"}, {"text", "No Data to work with. Calculate."}}));
    EXPECT_TRUE(json(nothing)["points"].toArray().isEmpty());

    const CliRun failed =
        runCalc({"mortgage", "--principal", "100000", "--rate", "0", "--term", "25", "--graph"});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err, "--rate: Wrong entry, try again\n");
}

} // namespace
