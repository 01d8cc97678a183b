#include "CliRun.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList Mortgage = {"mortgage",   "--principal", "100000",  "--rate", "10.125",
                              "--term",     "25",          "--view",  "all",    "--compounding",
                              "semiannual", "--report",    "--format"};

QJsonObject jsonOf(const CliRun& run) {
    return QJsonDocument::fromJson(run.out.toUtf8()).object();
}

QList<QStringList> pagesOf(const CliRun& run) {
    QList<QStringList> pages;
    for (const QJsonValue& page : jsonOf(run)["pages"].toArray()) {
        QStringList lines;
        for (const QJsonValue& line : page.toArray())
            lines.append(line.toString());
        pages.append(lines);
    }
    return pages;
}

} // namespace

TEST(ReportCommand, MortgageJsonAndTextCarryTheSamePages) {
    const CliRun json = runCalc(Mortgage + QStringList{"json", "--header", "For the bank"});
    ASSERT_EQ(json.exitCode, 0) << json.err.toStdString();
    const QList<QStringList> pages = pagesOf(json);
    ASSERT_EQ(pages.size(), 7);
    EXPECT_EQ(pages[0].size(), 56);
    EXPECT_EQ(pages[0][1], " For the bank");
    EXPECT_EQ(pages[0].last(), QString(39, u' ') + "Page 1");
    EXPECT_FALSE(pages[6].last().contains("Page"));

    const CliRun text = runCalc(Mortgage + QStringList{"text", "--header", "For the bank"});
    ASSERT_EQ(text.exitCode, 0);
    QStringList textPages = text.out.split(u'\f');
    ASSERT_EQ(textPages.takeLast(), "") << "every page ends with a form feed";
    ASSERT_EQ(textPages.size(), 7);
    for (qsizetype page = 0; page < textPages.size(); ++page)
        EXPECT_EQ(textPages[page], pages[page].join(u'\n') + u'\n') << page;
}

TEST(ReportCommand, FontChoiceSetsTheRowsOfTheFirstPage) {
    const CliRun run = runCalc(Mortgage + QStringList{"json", "--font", "3"});
    ASSERT_EQ(run.exitCode, 0);
    // 24 lines of head, 27 rows to reach 51, then the page number block.
    EXPECT_EQ(pagesOf(run)[0].size(), 24 + 27 + 3);
}

TEST(ReportCommand, JsonDatesAreIso) {
    const CliRun run =
        runCalc(Mortgage + QStringList{"json", "--dates", "--first-date", "2027-01-31"});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(pagesOf(run)[0][24].startsWith(" 2027-01-31 "));
}

TEST(ReportCommand, HeaderOneAbandonsThePrintout) {
    const CliRun run = runCalc(Mortgage + QStringList{"json", "--header", "1"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(jsonOf(run), (QJsonObject{{"pages", QJsonArray()}}));
}

TEST(ReportCommand, RefusalsAreTheWindowsMessagesWithStatusOne) {
    const CliRun term = runCalc({"mortgage", "--principal", "1000", "--rate", "5", "--term", "41",
                                 "--report", "--format", "json"});
    EXPECT_EQ(term.exitCode, 1);
    EXPECT_TRUE(jsonOf(term)["error"].toObject().contains("text"));
    EXPECT_FALSE(jsonOf(term).contains("pages"));

    const CliRun savings = runCalc({"savings", "--years", "0", "--report", "--format", "json"});
    EXPECT_EQ(savings.exitCode, 1);
    EXPECT_EQ(jsonOf(savings)["error"].toObject(),
              (QJsonObject{{"title", "Help"}, {"text", "No data to print. Calculate."}}));

    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("empty.bgt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0\r\n0\r\n");
    file.close();
    const CliRun budget = runCalc({"budget", path, "--report", "--header", "1"});
    EXPECT_EQ(budget.exitCode, 1) << "no data is reported before the header is looked at";
    EXPECT_EQ(budget.err, "Help: No data to print.\n");
}

TEST(ReportCommand, SavingsAndBudgetPrintTheirReports) {
    const CliRun savings = runCalc({"savings", "--years", "30", "--report", "--format", "json"});
    ASSERT_EQ(savings.exitCode, 0) << savings.err.toStdString();
    EXPECT_EQ(pagesOf(savings).size(), 2);

    const CliRun budget = runCalc({"budget", PENNYWELL_SAMPLE_BUDGET, "--period", "monthly",
                                   "--sort", "amounts-hilo", "--report", "--format", "json"});
    ASSERT_EQ(budget.exitCode, 0) << budget.err.toStdString();
    const QList<QStringList> pages = pagesOf(budget);
    ASSERT_EQ(pages.size(), 1);
    EXPECT_EQ(pages[0][3].trimmed(), "BUDGET STATEMENT");
    EXPECT_TRUE(pages[0][12].startsWith(" Salary ")) << "the largest income first";
    EXPECT_TRUE(pages[0].contains(QString(21, u' ') + "Monthly Net Balance"));
}

TEST(ReportCommand, ReportOptionsAreCheckedAsUsage) {
    const QList<QStringList> usages = {
        Mortgage + QStringList{"csv"}, Mortgage + QStringList{"json", "--font", "4"},
        QStringList{"savings", "--header", "x"},
        QStringList{"budget", PENNYWELL_SAMPLE_BUDGET, "--font", "1"}};
    for (const QStringList& arguments : usages) {
        const CliRun run = runCalc(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty());
    }
}
