#include "CliRun.h"
#include "PdfText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using pennywell::ui::testing::pdfTextPages;
using pennywell::ui::testing::trimmedLines;

namespace {

const QStringList Mortgage = {"mortgage", "--principal",   "100000",     "--rate",
                              "10.125",   "--term",        "25",         "--view",
                              "all",      "--compounding", "semiannual", "--report",
                              "--header", "For the bank"};

// A page as it reads off paper: no blank lines before the first text or after the last.
QStringList visibleLines(const QJsonArray& page) {
    QStringList lines;
    for (const QJsonValue& line : page)
        lines.append(line.toString());
    lines = trimmedLines(lines);
    while (!lines.isEmpty() && lines.constFirst().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

QList<QStringList> jsonPages(const CliRun& run) {
    QList<QStringList> pages;
    for (const QJsonValue& page : QJsonDocument::fromJson(run.out.toUtf8())["pages"].toArray())
        pages.append(visibleLines(page.toArray()));
    return pages;
}

} // namespace

// The PDF carries the very pages JSON lists, column for column: 10-point characters are 6 points
// wide and column 1 sits half an inch (36 points) in.
TEST(ReportPdfCommand, MortgagePdfReadsAsTheJsonPages) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Mortgage Table.pdf");
    const CliRun pdf =
        runCalc(Mortgage + QStringList{"--font", "0", "--format", "pdf", "--output", path});
    ASSERT_EQ(pdf.exitCode, 0) << pdf.err.toStdString();
    EXPECT_TRUE(pdf.out.isEmpty());
    ASSERT_TRUE(QFile::exists(path));

    const CliRun json = runCalc(Mortgage + QStringList{"--font", "0", "--format", "json"});
    ASSERT_EQ(json.exitCode, 0);
    const QList<QStringList> expected = jsonPages(json);
    ASSERT_EQ(expected.size(), 7);
    EXPECT_EQ(pdfTextPages(path, 6.0, 36), expected);
}

TEST(ReportPdfCommand, CancelledOrRefusedPrintoutsWriteNoFile) {
    QTemporaryDir folder;
    const QString path = folder.filePath("report.pdf");
    const CliRun cancelled =
        runCalc(Mortgage + QStringList{"--header", "1", "--format", "pdf", "--output", path});
    EXPECT_EQ(cancelled.exitCode, 0);
    EXPECT_FALSE(QFile::exists(path));

    const CliRun refused = runCalc({"mortgage", "--principal", "1000", "--rate", "5", "--term",
                                    "41", "--report", "--format", "pdf", "--output", path});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("40 Years limit")) << refused.err.toStdString();
    EXPECT_FALSE(QFile::exists(path));

    const CliRun noData =
        runCalc({"savings", "--years", "0", "--report", "--format", "pdf", "--output", path});
    EXPECT_EQ(noData.exitCode, 1);
    EXPECT_FALSE(QFile::exists(path));
}

TEST(ReportPdfCommand, AFailedWriteIsReportedWithStatusOne) {
    QTemporaryDir folder;
    const QString missingFolder = folder.filePath("gone/report.pdf");
    const CliRun nowhere =
        runCalc(Mortgage + QStringList{"--format", "pdf", "--output", missingFolder});
    EXPECT_EQ(nowhere.exitCode, 1);
    EXPECT_TRUE(nowhere.err.contains("could not be written")) << nowhere.err.toStdString();

    // A folder in the file's place is left as it was.
    const QString occupied = folder.filePath("taken.pdf");
    ASSERT_TRUE(QDir(folder.path()).mkpath("taken.pdf/inside"));
    const CliRun taken = runCalc(Mortgage + QStringList{"--format", "pdf", "--output", occupied});
    EXPECT_EQ(taken.exitCode, 1);
    EXPECT_TRUE(QFileInfo(occupied + "/inside").isDir());
}

TEST(ReportPdfCommand, BudgetAndSavingsReportsBecomePdfFiles) {
    QTemporaryDir folder;
    const QString budget = folder.filePath("Budget Statement.pdf");
    const CliRun statement = runCalc(
        {"budget", PENNYWELL_SAMPLE_BUDGET, "--report", "--format", "pdf", "--output", budget});
    EXPECT_EQ(statement.exitCode, 0) << statement.err.toStdString();
    EXPECT_GT(QFileInfo(budget).size(), 0);

    const QString savings = folder.filePath("savings.pdf");
    const CliRun growth =
        runCalc({"savings", "--years", "10", "--report", "--format=pdf", "--output", savings});
    EXPECT_EQ(growth.exitCode, 0) << growth.err.toStdString();
    EXPECT_GT(QFileInfo(savings).size(), 0);
}

// A PDF needs no screen: no display the environment names (or cannot reach) may abort it.
TEST(ReportPdfCommand, ThePdfIsWrittenWhateverDisplayTheEnvironmentNames) {
    QTemporaryDir folder;
    for (const QStringList& variables : QList<QStringList>{
             {"DISPLAY", ":97"}, {"WAYLAND_DISPLAY", "wayland-97"}, {"QT_QPA_PLATFORM", "xcb"}}) {
        const QString path = folder.filePath(variables.first() + ".pdf");
        const CliRun run = runCalc(Mortgage + QStringList{"--format", "pdf", "--output", path},
                                   [&](QProcess& process) {
                                       QProcessEnvironment environment;
                                       environment.insert(variables[0], variables[1]);
                                       process.setProcessEnvironment(environment);
                                   });
        EXPECT_EQ(run.exitCode, 0) << variables.join('=').toStdString() << run.err.toStdString();
        EXPECT_GT(QFileInfo(path).size(), 0) << variables.join('=').toStdString();
    }
}

// A PDF is only ever a report's pages, and always goes to a named file.
TEST(ReportPdfCommand, PdfOutsideAReportIsBadUsage) {
    QTemporaryDir folder;
    const QString path = folder.filePath("x.pdf");
    const QList<QStringList> misuses = {
        Mortgage + QStringList{"--format", "pdf"},
        Mortgage + QStringList{"--format", "json", "--output", path},
        Mortgage + QStringList{"--format", "pdf", "--output", ""},
        {"mortgage", "--principal", "1000", "--rate", "5", "--term", "10", "--format", "pdf",
         "--output", path},
        {"mortgage", "--principal", "1000", "--rate", "5", "--term", "10", "--graph", "--report",
         "--format", "pdf", "--output", path},
        {"budget", PENNYWELL_SAMPLE_BUDGET, "--format", "pdf", "--output", path},
        {"savings", "--years", "10", "--format", "pdf", "--output", path},
        {"yearly", "--deposit", "100", "--rate", "5", "--format", "pdf"},
    };
    for (const QStringList& arguments : misuses) {
        const CliRun run = runCalc(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(path)) << arguments.join(' ').toStdString();
    }
}
