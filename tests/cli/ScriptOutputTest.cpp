#include "CliRun.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

const QStringList Mortgage = {"mortgage", "--principal", "100000",        "--rate",    "10.125",
                              "--term",   "25",          "--compounding", "semiannual"};

// The fields of a CSV line: quoted ones with their quotes doubled, or anything up to a comma.
QStringList csvFields(const QString& line) {
    static const QRegularExpression field(QStringLiteral("(\"(?:[^\"]|\"\")*\"|[^,]*)(,|$)"));
    QStringList fields;
    for (qsizetype at = 0; at <= line.size();) {
        const QRegularExpressionMatch match = field.match(line, at);
        fields.append(match.captured(1));
        at = match.capturedEnd() + (match.captured(2).isEmpty() ? 1 : 0);
    }
    return fields;
}

QJsonObject values(const QStringList& arguments) {
    const CliRun run = runCalc(arguments + QStringList{"--format", "json"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return QJsonDocument::fromJson(run.out.toUtf8())["values"].toObject();
}

} // namespace

// Every field is empty, a quoted text, a whole number, an amount with its four stored decimals
// or an ISO date; no symbol, no grouping, and the rows stop before any total.
TEST(ScriptOutput, EveryCsvFollowsOneConvention) {
    static const QRegularExpression plainField(
        QStringLiteral("^(|\"([^\"]|\"\")*\"|-?\\d+|-?\\d+\\.\\d{4}|\\d{4}-\\d\\d-\\d\\d)$"));
    static const QRegularExpression header(QStringLiteral("^[a-z_]+(,[a-z_]+)*$"));
    const QList<std::pair<QStringList, int>> commands = {
        {Mortgage, 25},
        {Mortgage + QStringList{"--view", "all", "--dates", "--first-date", "2027-01-31"}, 300},
        {Mortgage + QStringList{"--graph"}, 25},
        {{"savings", "--years", "3", "--inflation", "-5"}, 3},
        {{"savings", "--years", "3", "--graph"}, 3},
        {{"yearly", "--deposit", "100", "--rate", "12"}, 1},
        {{"budget", PENNYWELL_SAMPLE_BUDGET, "--period", "weekly"}, 20},
    };
    for (const auto& [arguments, rows] : commands) {
        const CliRun run = runCalc(arguments + QStringList{"--format", "csv"});
        const std::string name = arguments.join(' ').toStdString();
        ASSERT_EQ(run.exitCode, 0) << name;
        const QStringList lines = run.out.split(u'\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), rows + 1) << name;
        EXPECT_TRUE(header.match(lines[0]).hasMatch()) << name;
        const qsizetype columns = csvFields(lines[0]).size();
        for (const QString& line : lines.mid(1)) {
            const QStringList fields = csvFields(line);
            EXPECT_EQ(fields.size(), columns) << name << ' ' << line.toStdString();
            for (const QString& field : fields)
                EXPECT_TRUE(plainField.match(field).hasMatch())
                    << name << ' ' << line.toStdString();
        }
    }
}

// The figures the screens' texts show, as numbers at their stored precision.
TEST(ScriptOutput, JsonValuesCarryTheFiguresAsNumbers) {
    const QJsonObject mortgage = values(Mortgage);
    EXPECT_NEAR(mortgage["payment"].toDouble(), 902.91, 0.005);
    EXPECT_EQ(mortgage["payments_per_year"], 12);
    EXPECT_EQ(mortgage["years_to_final"], 25);
    EXPECT_EQ(mortgage["total_principal"], 100000);
    EXPECT_EQ(mortgage["rows"].toArray().size(), 25);
    EXPECT_EQ(mortgage["rows"].toArray()[24].toObject()["balance"], 0);

    const QJsonObject savings = values({"savings"});
    EXPECT_EQ(savings["rows"].toArray()[0].toObject(),
              (QJsonObject{{"year", 1}, {"invested", 1000}, {"interest", 200}, {"value", 1200}}));
    EXPECT_EQ(savings["total_value"], 566377.3224); // shown as $566,377.32

    const QJsonObject budget = values({"budget", PENNYWELL_SAMPLE_BUDGET, "--period", "monthly"});
    EXPECT_EQ(budget["net_balance"], 2023.3333);
    EXPECT_EQ(budget["income"]["total"], 6361.6667);
    EXPECT_EQ(budget["income"]["rows"][4]["description"], "Salary");
    EXPECT_EQ(budget["income"]["rows"][4]["amount"], 5200);

    EXPECT_EQ(values({"yearly", "--deposit", "100", "--rate", "12"})["amount"], 1278);
    EXPECT_EQ(values(Mortgage + QStringList{"--graph"})["points"][0].toObject(),
              (QJsonObject{{"label", 1}, {"value", 100000}}));
}
