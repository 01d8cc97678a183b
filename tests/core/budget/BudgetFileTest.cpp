#include "core/budget/BudgetFile.h"

#include "BudgetTestRecords.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace pennywell;
using pennywell::testing::budgetRecord;
using pennywell::testing::descriptionsOf;

namespace {

BudgetTables exampleTables() {
    BudgetTables tables;
    tables.income.records = {{1, "Pension", 7200, 12, 7200}, {2, "Salary", 31200, 26, 31200}};
    tables.expense.records = {{1, "Rent", 9600, 12, 9000}};
    return tables;
}

const QByteArray ExampleFile = "2\r\n"
                               "1,\"Pension\",7200,12,7200\r\n"
                               "2,\"Salary\",31200,26,31200\r\n"
                               "1\r\n"
                               "1,\"Rent\",9600,12,9000\r\n";

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(BudgetFile, WritesCountsAndQuotedRecordsWithCrLf) {
    EXPECT_EQ(budgetFileBytes(exampleTables()), ExampleFile);
    EXPECT_EQ(budgetFileBytes(BudgetTables{}), QByteArray("0\r\n0\r\n"));
}

TEST(BudgetFile, NumbersArePlainDecimalWithFifteenDigits) {
    EXPECT_EQ(budgetFileNumber(12), "12");
    EXPECT_EQ(budgetFileNumber(0), "0");
    EXPECT_EQ(budgetFileNumber(0.5), ".5");
    EXPECT_EQ(budgetFileNumber(1234.5678), "1234.5678");
    EXPECT_EQ(budgetFileNumber(100.0 / 3.0), "33.3333333333333");
    EXPECT_EQ(budgetFileNumber(99.99 * 26), "2599.74");
    EXPECT_EQ(budgetFileNumber(1e20), "100000000000000000000");
    EXPECT_EQ(budgetFileNumber(0.00001), ".00001");
    EXPECT_EQ(budgetFileNumber(-2.5), "-2.5");
}

TEST(BudgetFile, RoundTripKeepsRecordsCommasAndAwkwardText) {
    BudgetTables tables = exampleTables();
    tables.income.records[0].description = "Pension, company";
    tables.expense.records.push_back({2, QString(300, QLatin1Char('w')), 100.0 / 3.0, 3, 0.1});
    tables.expense.records.push_back({3, QStringLiteral("Caf\u00e9 \u20ac"), 1e-3, 0.5, 0});
    const auto read = parseBudgetFile(budgetFileBytes(tables));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->income.records, tables.income.records);
    ASSERT_EQ(read->expense.count(), 3);
    EXPECT_EQ(read->expense.records[1].description.size(), 300);
    EXPECT_EQ(read->expense.records[2].description, tables.expense.records[2].description);
    EXPECT_NEAR(read->expense.records[1].annualAmount, 100.0 / 3.0, 1e-12); // 15 digits kept
}

TEST(BudgetFile, ReaderIsLenientAboutBlanksPointsAndLineEnds) {
    const auto read = parseBudgetFile("1\n 7 , \"Odd, job\" , .5, 2 ,0.25\n0\n");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->income.records[0], (BudgetRecord{1, "Odd, job", 0.5, 2, 0.25}));
    EXPECT_EQ(read->expense.count(), 0);
    // The loaded number is only a position; the reader numbers records as they come.
    const auto plain = parseBudgetFile("0\r\n1\r\n9,Water,480,4,480\r\n");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->expense.records[0], (BudgetRecord{1, "Water", 480, 4, 480}));
    // A quote inside a plain description would end the quoted field once saved.
    const auto quote = parseBudgetFile("0\r\n1\r\n9,12\" pipe,480,4,480\r\n");
    ASSERT_TRUE(quote);
    EXPECT_EQ(quote->expense.records[0].description, "12 pipe");
    EXPECT_TRUE(parseBudgetFile(budgetFileBytes(*quote)));
}

TEST(BudgetFile, AnyBytesInADescriptionLoadAsPlainText) {
    const auto read = parseBudgetFile("1\r\n1,\"\xff\xfe<b>bold</b>\x01\",10,1,10\r\n0\r\n");
    ASSERT_TRUE(read);
    EXPECT_TRUE(read->income.records[0].description.endsWith("<b>bold</b>\x01"));
}

TEST(BudgetFile, MalformedFilesAreRefused) {
    const QList<QByteArray> malformed = {
        "",
        "600\r\n0\r\n",
        "-1\r\n0\r\n",
        "x\r\n0\r\n",
        "1.5\r\n0\r\n",
        "1\r\n0\r\n",                                              // record line missing
        "1\r\n1,\"a\",1,1,1\r\n",                                  // expense count missing
        "0\r\n2\r\n1,\"a\",1,1,1\r\n",                             // ends before the last record
        "1\r\n1,\"a\",1,0,1\r\n0\r\n",                             // no payments per year
        "1\r\n1,\"a\",1,-12,1\r\n0\r\n",                           // negative payments per year
        "1\r\n1,\"a\",1,nan,1\r\n0\r\n",                           // not a number
        "1\r\n1,\"a\",1,1e999,1\r\n0\r\n",                         // exponent
        "1\r\n1,\"a\",1," + QByteArray(400, '9') + ",1\r\n0\r\n",  // not finite
        "1\r\n1,\"a\",1" + QByteArray(301, '0') + ",1,1\r\n0\r\n", // totals would overflow
        "1\r\n1,\"a\",1,12\r\n0\r\n",                              // field missing
        "1\r\n1,\"a\",1,12,1,5\r\n0\r\n",                          // field too many
        "1\r\n1,\"a,1,12,1\r\n0\r\n",                              // quote not closed
        "1\r\n1,\"a\"b\",1,12,1\r\n0\r\n",                         // text after the closing quote
        "1\r\n1,\"a\",,12,1\r\n0\r\n",                             // empty amount
    };
    for (const QByteArray& bytes : malformed)
        EXPECT_FALSE(parseBudgetFile(bytes)) << bytes.toStdString();
}

TEST(BudgetFile, SaveAndLoadThroughTheFileSystem) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("home.bgt");
    ASSERT_TRUE(saveBudgetFile(path, exampleTables()));
    EXPECT_EQ(readAll(path), ExampleFile);
    const auto loaded = loadBudgetFile(path);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(descriptionsOf(loaded->income), QStringList({"Pension", "Salary"}));

    EXPECT_FALSE(loadBudgetFile(QDir(folder.path()).filePath("missing.bgt")));
    EXPECT_FALSE(loadBudgetFile(folder.path())); // a folder is no budget
    EXPECT_FALSE(
        saveBudgetFile(QDir(folder.path()).filePath("no/such/folder.bgt"), exampleTables()));
}

TEST(BudgetFile, AWriteThatFailsPartWayLeavesTheOldFileAsItWas) {
    QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath("home.bgt");
    ASSERT_TRUE(saveBudgetFile(path, exampleTables()));

    BudgetTables big;
    for (int i = 0; i < 500; ++i)
        big.income.records.push_back(budgetRecord(QString(100, QLatin1Char('x')), i + 1));

    // A file size limit makes the disk "full" after 4 KiB, in the middle of the write.
    rlimit previous{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &previous), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = previous;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const SaveResult saved = saveBudgetFile(path, big);
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(saved);
    EXPECT_EQ(readAll(path), ExampleFile);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"home.bgt"}));
}

TEST(BudgetFile, TheSampleIsExactlyWhatTheWriterProduces) {
    const QByteArray sample = readAll(QStringLiteral(PENNYWELL_SAMPLE_BUDGET));
    const auto read = parseBudgetFile(sample);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->income.count() + read->expense.count(), 20);
    EXPECT_EQ(budgetFileBytes(*read), sample);
}

TEST(BudgetFile, AByteOrderMarkBeforeTheFirstCountIsSkipped) {
    const auto read = parseBudgetFile("\xEF\xBB\xBF" + ExampleFile);
    ASSERT_TRUE(read);
    EXPECT_EQ(budgetFileBytes(*read), ExampleFile);
}

TEST(BudgetFile, ASingleByteCodePageFileKeepsItsLettersAndIsSavedAsUtf8) {
    const auto read = parseBudgetFile(
        "2\r\n1,\"Caf\xE9 cr\xE8me\",10,1,10\r\n2,\"\x80 5 \x96 bonus\",5,1,5\r\n0\r\n");
    ASSERT_TRUE(read);
    EXPECT_EQ(descriptionsOf(read->income),
              QStringList({QString::fromUtf8("Caf\xC3\xA9 cr\xC3\xA8me"),
                           QString::fromUtf8("\xE2\x82\xAC 5 \xE2\x80\x93 bonus")}));
    EXPECT_TRUE(budgetFileBytes(*read).contains("1,\"Caf\xC3\xA9 cr\xC3\xA8me\",10,1,10\r\n"));

    // A file in UTF-8 is read as UTF-8, mark or no mark.
    const QByteArray utf8 = "1\r\n1,\"Caf\xC3\xA9\",10,1,10\r\n0\r\n";
    for (const QByteArray& bytes : {utf8, "\xEF\xBB\xBF" + utf8})
        EXPECT_EQ(descriptionsOf(parseBudgetFile(bytes)->income),
                  QStringList({QString::fromUtf8("Caf\xC3\xA9")}));

    // A hand edit may add a line in the code page to a file in UTF-8: each line reads in its own.
    const auto mixed =
        parseBudgetFile("1\r\n1,\"Caf\xC3\xA9\",10,1,10\r\n1\r\n1,\"\x80 5\",5,1,5\r\n");
    ASSERT_TRUE(mixed);
    EXPECT_EQ(descriptionsOf(mixed->income), QStringList({QString::fromUtf8("Caf\xC3\xA9")}));
    EXPECT_EQ(descriptionsOf(mixed->expense), QStringList({QString::fromUtf8("\xE2\x82\xAC 5")}));
}
