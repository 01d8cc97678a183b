#include "ui/budget/Budget.h"

#include "../common/TinyFileSystem.h"
#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/state/AppState.h"
#include "core/state/FolderHistory.h"
#include "ui/budget/InRecNum.h"
#include "ui/common/MnemonicFocus.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QUrl>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

namespace {

const QByteArray ThreeIncomes = "3\r\n"
                                "1,\"Apple\",300,3,150\r\n"
                                "2,\"Banana\",100,3,100\r\n"
                                "3,\"Cherry\",1200,12,1200\r\n"
                                "0\r\n";

// Incomes "Item 1" to "Item count", 12 a month each.
QByteArray numberedIncomes(int count) {
    QByteArray file = QByteArray::number(count) + "\r\n";
    for (int i = 1; i <= count; ++i)
        file += QByteArray::number(i) + ",\"Item " + QByteArray::number(i) + "\",12,12,12\r\n";
    return file + "0\r\n";
}

} // namespace

class BudgetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MnemonicFocus::install(); }

    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        state_ = AppState();
        state_.programFolder = folder_->path();
        services_ = std::make_unique<testing::TestServices>();
        window_ = new Budget(state_, services_->services);
        activate();
    }

    void cleanup() {
        delete window_;
        window_ = nullptr;
    }

    void opensEmptyWithItsControls() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Budget Calculations"));
        QCOMPARE(gridRows("BGrid1"), 11);
        QCOMPARE(gridRows("BGrid2"), 11);
        const QAbstractItemModel* expenses = child<QTableView>("BGrid2")->model();
        QCOMPARE(expenses->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Expense"));
        QCOMPARE(expenses->headerData(0, Qt::Horizontal).toString(), QStringLiteral("No."));
        QCOMPARE(child<QComboBox>("FreqPeriod")->currentText(), QStringLiteral("      Annual"));
        QCOMPARE(child<QComboBox>("FreqPeriod")->count(), 7);
        QCOMPARE(child<QComboBox>("SortBy")->currentText(), QStringLiteral("   Names A - Z"));
        QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral(" Total annual income"));
        QCOMPARE(child<QLabel>("Label4")->text(), QStringLiteral(" Total annual expenses"));
        QCOMPARE(child<QLabel>("Label7")->text(), QStringLiteral(" Annual Net Balance"));
        QVERIFY(!child<QPushButton>("AddCorRec1")->isVisible());
        QVERIFY(!child<QPushButton>("AddCorRec2")->isVisible());
        QVERIFY(!child<QPlainTextEdit>("HelpTxt")->isVisible());
        QCOMPARE(child<QPushButton>("CorrectRec2")->text(), QStringLiteral("What &If?"));
    }

    void addTypesARecordThroughTheFourBoxes() {
        typeInto("InIncDesc", "Salary");
        QTest::keyClick(child<QLineEdit>("InIncDesc"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("InIncAmt"));
        QTest::keyClicks(child<QLineEdit>("InIncAmt"), QStringLiteral("1200"));
        QTest::keyClick(child<QLineEdit>("InIncAmt"), Qt::Key_Return);
        QCOMPARE(child<QLineEdit>("InIncAmt")->text(), QStringLiteral("  1,200.00"));
        QTest::keyClicks(child<QLineEdit>("InIncFreq"), QStringLiteral("26"));
        QTest::keyClick(child<QLineEdit>("InIncFreq"), Qt::Key_Return);
        QCOMPARE(child<QLineEdit>("InIncFreq")->text(), QStringLiteral("      26"));
        QTest::keyClicks(child<QLineEdit>("InIncBgtAmt"), QStringLiteral("1100"));
        QTest::keyClick(child<QLineEdit>("InIncBgtAmt"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>("AddIncome1"));
        QTest::keyClick(child<QPushButton>("AddIncome1"), Qt::Key_Return);

        QCOMPARE(gridRows("BGrid1"), 11);
        QCOMPARE(cells("BGrid1", 0, 0, 4),
                 QStringList({"1", "Salary", " 31,200.00", " 28,600.00"}));
        QCOMPARE(cell("BGrid1", 1, 0), QString());
        QCOMPARE(child<QLabel>("TotInc")->text(), QStringLiteral("   31,200.00"));
        QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral(" Annual income"));
        QCOMPARE(child<QLabel>("NetBalance")->text(), QStringLiteral("  $31,200.00"));
        for (const char* box : {"InIncDesc", "InIncAmt", "InIncFreq", "InIncBgtAmt"})
            QCOMPARE(child<QLineEdit>(box)->text(), QString());
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("InIncDesc"));

        addRecord(false, "Rent", "800", "12", "750");
        QCOMPARE(cell("BGrid2", 0, 2), QStringLiteral("  9,600.00"));
        QCOMPARE(child<QLabel>("NetBalanceBgt")->text(), QStringLiteral("  $19,600.00"));
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("InExpDesc"));
    }

    void addNeedsBoxesOneAndThree() {
        addRecord(true, "Salary", "100", QString(), QString());
        QCOMPARE(lastMessage(), QStringLiteral("Help| Boxes 1 and 3 must have data."));
        QCOMPARE(child<QLineEdit>("InIncDesc")->text(), QStringLiteral("Salary"));
        QCOMPARE(cell("BGrid1", 0, 1), QString());
    }

    void emptiedBoxesCountAsZeroForTheNextRecord() {
        addRecord(true, "Salary", "100", "26", "90");
        typeInto("InIncDesc", "Gift");
        typeInto("InIncFreq", "1");
        QTest::mouseClick(child<QPushButton>("AddIncome1"), Qt::LeftButton);
        QCOMPARE(cells("BGrid1", 0, 1, 3), QStringList({"Gift", "       .00", "       .00"}));
    }

    void pastedFiguresAreStored() {
        typeInto("InIncDesc", "Gift");
        typeInto("InIncAmt", "100");
        auto* payments = child<QLineEdit>("InIncFreq");
        payments->setFocus(Qt::TabFocusReason);
        QApplication::clipboard()->setText(QStringLiteral("12"));
        payments->selectAll();
        payments->paste(); // as the context menu does: no key typed
        QTest::mouseClick(child<QPushButton>("AddIncome1"), Qt::LeftButton);
        QCOMPARE(cells("BGrid1", 0, 1, 2), QStringList({"Gift", "  1,200.00"}));
    }

    void periodChangesFiguresAndLabels() {
        addRecord(true, "Salary", "100", "26", "100");
        choose("FreqPeriod", "     Monthly");
        QCOMPARE(cell("BGrid1", 0, 2), QStringLiteral("    216.67"));
        QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral(" Monthly income"));
        QCOMPARE(child<QLabel>("Label4")->text(), QStringLiteral(" Monthly expenses"));
        QCOMPARE(child<QLabel>("Label7")->text(), QStringLiteral("Monthly Net Balance"));
    }

    void emptyTablesIgnoreAPeriodChange() {
        choose("FreqPeriod", "     Monthly");
        QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral(" Total annual income"));
        QVERIFY(window_->close()); // nothing to lose: no question
        QVERIFY(services_->messenger.shown.isEmpty());
    }

    void negativeNetBalanceIsRed() {
        addRecord(true, "Pension", "100", "12", "200");
        addRecord(false, "Rent", "125", "12", "100");
        QCOMPARE(child<QLabel>("NetBalance")->text(), QStringLiteral("    $-300.00"));
        const auto textColour = [this](const char* name) {
            return child<QLabel>(name)->palette().color(QPalette::WindowText);
        };
        QCOMPARE(textColour("NetBalance").hue(), 0);
        QCOMPARE(textColour("NetBalanceBgt"), QColor(Qt::black));
        choose("FreqPeriod", "     Monthly");
        QCOMPARE(child<QLabel>("NetBalance")->text(), QStringLiteral("     $-25.00"));
    }

    void boxFiltersDifferPerBox() {
        typeInto("InExpFreq", "x");
        QCOMPARE(services_->beeper.count, 2); // refused by both filters
        QTest::keyClicks(child<QLineEdit>("InExpFreq"), QStringLiteral("1.2"));
        QCOMPARE(services_->beeper.count, 3); // the point passes only the first
        QCOMPARE(child<QLineEdit>("InExpFreq")->text(), QStringLiteral("12"));

        typeInto("InIncFreq", "2.5");
        QCOMPARE(child<QLineEdit>("InIncFreq")->text(), QStringLiteral("2.5"));

        typeInto("InExpBgtAmt", "ab5");
        QCOMPARE(child<QLineEdit>("InExpBgtAmt")->text(), QStringLiteral("ab5"));
        typeInto("InIncBgtAmt", "a");
        QCOMPARE(services_->beeper.count, 4);

        typeInto("InIncDesc", "Say \"hi\"");
        QCOMPARE(child<QLineEdit>("InIncDesc")->text(), QStringLiteral("Say hi"));
        QCOMPARE(services_->beeper.count, 4);
    }

    // Closed, the lists choose with the arrows and redraw at once; typing into them is refused.
    void closedListsChooseWithArrowsAndRefuseTyping() {
        addRecord(true, "Pension", "100", "12", "200");
        QComboBox* period = child<QComboBox>("FreqPeriod");
        period->setFocus();
        QTest::keyClick(period, Qt::Key_M);
        QCOMPARE(period->currentText(), QStringLiteral("      Annual"));
        QCOMPARE(services_->beeper.count, 1);
        QTest::keyClick(period, Qt::Key_Up);
        QCOMPARE(period->currentText(), QStringLiteral(" Semi-annual"));
        QCOMPARE(child<QLabel>("Label3")->text(), QStringLiteral(" Semi-annual income"));
        QComboBox* order = child<QComboBox>("SortBy");
        order->setFocus();
        QTest::keyClick(order, Qt::Key_Down);
        QCOMPARE(order->currentText(), QStringLiteral("   Names Z - A"));
        QCOMPARE(services_->beeper.count, 1);

        child<QPushButton>("Help2")->click();
        auto* help = child<QPlainTextEdit>("HelpTxt");
        QTest::keyClick(help, Qt::Key_A);
        QCOMPARE(services_->beeper.count, 2);
        QTest::keyClick(help, Qt::Key_PageDown);
        QCOMPARE(services_->beeper.count, 2);
    }

    void quickHelpToggles() {
        auto* help2 = child<QPushButton>("Help2");
        auto* help = child<QPlainTextEdit>("HelpTxt");
        help2->click();
        QVERIFY(help->isVisible());
        QCOMPARE(help2->text(), QStringLiteral("Close &Help"));
        QCOMPARE(QApplication::focusWidget(), help);
        const QStringList lines = help->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.value(0),
                 QStringLiteral(
                     "Background Color: Input boxes are yellow, records white and results green."));
        QCOMPARE(lines.value(1), QString());
        QCOMPARE(lines.value(2), QStringLiteral("    Annual Income or Annual Expenses"));
        QCOMPARE(lines.value(30), QStringLiteral("End"));
        help2->click();
        QVERIFY(!help->isVisible());
        QCOMPARE(help2->text(), QStringLiteral("Quick &Help"));
    }

    void theFiveHundredAndFirstRecordIsRefused() {
        openAndActivate("full.bgt", numberedIncomes(499));
        addRecord(true, "Last", "1", "1", "1");
        QCOMPARE(gridRows("BGrid1"), 510);
        addRecord(true, "One too many", "1", "1", "1");
        QVERIFY(lastMessage().startsWith(QStringLiteral("Entry Error|Wrong entry: ")));
        QCOMPARE(gridRows("BGrid1"), 510);
    }

    void whatIfLoadsTheRecordAndEnterLeadsToAddChanged() {
        openAndActivate("three.bgt", ThreeIncomes);
        answerPrompt("1");
        child<QPushButton>("CorrectRec1")->click();
        QCOMPARE(child<QLineEdit>("InIncDesc")->text(), QStringLiteral("Apple"));
        QCOMPARE(child<QLineEdit>("InIncAmt")->text(), QStringLiteral("    100.00"));
        QCOMPARE(child<QLineEdit>("InIncFreq")->text(), QStringLiteral("       3"));
        QCOMPARE(child<QLineEdit>("InIncBgtAmt")->text(), QStringLiteral("     50.00"));
        QVERIFY(child<QPushButton>("AddCorRec1")->isVisible());
        for (const char* hidden : {"AddIncome1", "CorrectRec1", "DelRecord1"})
            QVERIFY(!child<QPushButton>(hidden)->isVisible());

        typeInto("InIncBgtAmt", "60");
        QTest::keyClick(child<QLineEdit>("InIncBgtAmt"), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), child<QPushButton>("AddCorRec1"));

        typeInto("InIncFreq", "4"); // the amount per payment is kept: 400 a year
        QTest::mouseClick(child<QPushButton>("AddCorRec1"), Qt::LeftButton);
        QCOMPARE(cells("BGrid1", 0, 1, 3), QStringList({"Apple", "    400.00", "    240.00"}));
        QVERIFY(!child<QPushButton>("AddCorRec1")->isVisible());
        QVERIFY(child<QPushButton>("AddIncome1")->isVisible());
        QCOMPARE(child<QLineEdit>("InIncAmt")->text(), QString());
    }

    void whatIfKeepsTheExactLoadedValues() {
        openAndActivate("three.bgt", ThreeIncomes);
        answerPrompt("2");
        child<QPushButton>("CorrectRec1")->click();
        QCOMPARE(child<QLineEdit>("InIncAmt")->text(), QStringLiteral("     33.33"));
        typeInto("InIncDesc", "Blueberry");
        QTest::mouseClick(child<QPushButton>("AddCorRec1"), Qt::LeftButton);
        QCOMPARE(cells("BGrid1", 1, 1, 2), QStringList({"Blueberry", "    100.00"}));
        QCOMPARE(child<QLabel>("TotInc")->text(), QStringLiteral("    1,600.00"));
    }

    void promptRoundsHalvesToEven() {
        InRecNum prompt(InRecNum::Purpose::Delete, state_, services_->beeper);
        QVERIFY(showAndActivate(&prompt));
        QCOMPARE(testing::child<QLabel>(&prompt, "Label1")->text(),
                 QStringLiteral(" Type in record       number to delete"));
        QCOMPARE(prompt.windowTitle(), QStringLiteral("Input "));
        auto* curVal = testing::child<QLineEdit>(&prompt, "CurVal");
        QTest::keyClicks(curVal, QStringLiteral("2.5"));
        QTest::keyClick(curVal, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), testing::child<QPushButton>(&prompt, "Accept"));
        testing::clickButton(&prompt, "Accept");
        QCOMPARE(prompt.chosenRecord(), 2);

        InRecNum change(InRecNum::Purpose::Change, state_, services_->beeper);
        QCOMPARE(testing::child<QLabel>(&change, "Label1")->text(),
                 QStringLiteral(" Type in record       number to change"));
        QTest::keyClicks(testing::child<QLineEdit>(&change, "CurVal"), QStringLiteral("3.5x"));
        QCOMPARE(services_->beeper.count, 1);
        testing::clickButton(&change, "Accept");
        QCOMPARE(change.chosenRecord(), 4);
    }

    void promptCancelledOrOutOfRangeChangesNothing() {
        child<QPushButton>("CorrectRec2")->click(); // empty table: no prompt
        QCOMPARE(lastMessage(), QStringLiteral("Help| No records to change "));
        child<QPushButton>("DelRecord2")->click();
        QCOMPARE(lastMessage(), QStringLiteral("Help| No records to delete"));
        child<QPushButton>("DelRecord1")->click();
        QCOMPARE(lastMessage(), QStringLiteral("Help| No records to delete "));

        openAndActivate("three.bgt", ThreeIncomes);
        const qsizetype messages = services_->messenger.shown.size();
        answerPrompt(QString());
        child<QPushButton>("CorrectRec1")->click();
        answerPrompt("2", false);
        child<QPushButton>("DelRecord1")->click();
        QCOMPARE(services_->messenger.shown.size(), messages);
        QVERIFY(child<QPushButton>("AddIncome1")->isVisible());

        answerPromptWithEscape("2");
        child<QPushButton>("DelRecord1")->click();
        QCOMPARE(services_->messenger.shown.size(), messages);
        QCOMPARE(cell("BGrid1", 2, 1), QStringLiteral("Cherry"));

        answerPrompt("4");
        child<QPushButton>("CorrectRec1")->click();
        QCOMPARE(lastMessage(), QStringLiteral("Help| Record Number does not exist."));
        answerPrompt("99999999999999999999");
        child<QPushButton>("DelRecord1")->click();
        QCOMPARE(lastMessage(), QStringLiteral("Help| Record Number does not exist."));
        QCOMPARE(cell("BGrid1", 2, 1), QStringLiteral("Cherry"));
    }

    void aPendingChangeFollowsItsRecordThroughASort() {
        openAndActivate("three.bgt", ThreeIncomes);
        answerPrompt("1");
        child<QPushButton>("CorrectRec1")->click(); // Apple
        choose("SortBy", "   Names Z - A");
        QCOMPARE(cell("BGrid1", 2, 1), QStringLiteral("Apple"));
        typeInto("InIncDesc", "Apricot");
        QTest::mouseClick(child<QPushButton>("AddCorRec1"), Qt::LeftButton);
        QCOMPARE(cell("BGrid1", 0, 1), QStringLiteral("Cherry"));
        QCOMPARE(cell("BGrid1", 1, 1), QStringLiteral("Banana"));
        QCOMPARE(cell("BGrid1", 2, 1), QStringLiteral("Apricot"));
    }

    void openIsRefusedWhileAChangeIsPending() {
        openAndActivate("three.bgt", ThreeIncomes);
        answerPrompt("3");
        child<QPushButton>("CorrectRec1")->click();
        const qsizetype dialogs = services_->fileDialogs.requests.size();
        openFile(writeFile("other.bgt", "0\r\n0\r\n"));
        QCOMPARE(services_->fileDialogs.requests.size(), dialogs);
        QVERIFY(lastMessage().startsWith(QStringLiteral("Help|")));
        QCOMPARE(cell("BGrid1", 2, 1), QStringLiteral("Cherry"));
    }

    void deleteAsksAndCloses() {
        openAndActivate("three.bgt", ThreeIncomes);
        services_->messenger.answers.enqueue(MessageAnswer::Cancel);
        answerPrompt("2");
        child<QPushButton>("DelRecord1")->click();
        QCOMPARE(services_->messenger.shown.last().text,
                 QStringLiteral("Are you sure you wish to delete record  2"));
        QCOMPARE(services_->messenger.shown.last().buttons, MessageButtons::OkCancel);
        QCOMPARE(cell("BGrid1", 1, 1), QStringLiteral("Banana"));

        answerPrompt("2");
        child<QPushButton>("DelRecord1")->click();
        QCOMPARE(cell("BGrid1", 0, 1), QStringLiteral("Apple"));
        QCOMPARE(cells("BGrid1", 1, 0, 2), QStringList({"2", "Cherry"}));
        QCOMPARE(gridRows("BGrid1"), 12);
        QCOMPARE(window_->focusWidget(), child<QLineEdit>("InIncDesc"));
    }

    void saveAndOpenRoundTrip() {
        addRecord(true, "Pension, company", "600", "12", "600");
        addRecord(false, "<b>Rent</b> & rates", "800", "12", "750");
        const QString path = QDir(folder_->path()).filePath(QStringLiteral("home.bgt"));
        services_->fileDialogs.answers.enqueue(path);
        child<QPushButton>("FilSave")->click();
        const FileDialogRequest save = services_->fileDialogs.requests.last();
        QCOMPARE(save.kind, FileDialogKind::Save);
        QCOMPARE(save.filter, QStringLiteral("Budget Database (*.bgt)|*.bgt"));
        QCOMPARE(save.fileName, QString());
        QCOMPARE(save.folder, folder_->path());
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), QByteArray("1\r\n1,\"Pension, company\",7200,12,7200\r\n"
                                             "1\r\n1,\"<b>Rent</b> & rates\",9600,12,9000\r\n"));
        QVERIFY(window_->isVisible());
        QVERIFY(window_->close()); // saved: no question
        QVERIFY(services_->messenger.shown.isEmpty());

        window_ = new Budget(state_, services_->services);
        activate();
        openFile(path);
        QCOMPARE(services_->fileDialogs.requests.last().kind, FileDialogKind::Open);
        QCOMPARE(cell("BGrid1", 0, 1), QStringLiteral("Pension, company"));
        // The cut description's tooltip shows it whole, as text even where it looks like markup.
        const QModelIndex description = child<QTableView>("BGrid2")->model()->index(0, 1);
        QCOMPARE(QTextDocumentFragment::fromHtml(description.data(Qt::ToolTipRole).toString())
                     .toPlainText(),
                 QStringLiteral("<b>Rent</b> & rates"));
        QCOMPARE(cell("BGrid2", 0, 3), QStringLiteral("  9,000.00"));
        QCOMPARE(window_->focusWidget(), child<QLineEdit>("InExpDesc"));

        // The next dialog offers the loaded file's name.
        services_->fileDialogs.answers.enqueue(path);
        child<QPushButton>("FilSave")->click();
        QCOMPARE(services_->fileDialogs.requests.last().fileName, QStringLiteral("home.bgt"));
    }

    // A budget file dropped on the window opens after the question about unsaved records; other
    // drags are refused.
    void aDroppedBudgetFileOpensAfterTheQuestion() {
        addRecord(true, "Pension", "600", "12", "600");
        QMimeData text;
        text.setText(QStringLiteral("home.bgt"));
        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(writeFile("home.BGT", ThreeIncomes))});
        const QPoint centre = window_->rect().center();
        QDragEnterEvent refused(centre, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_, &refused);
        QVERIFY(!refused.isAccepted());
        QDragEnterEvent enter(centre, Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_, &enter);
        QVERIFY(enter.isAccepted());
        services_->messenger.answers.enqueue(MessageAnswer::No); // do not go back to save
        QDropEvent drop(centre, Qt::CopyAction, &file, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_, &drop);
        QTRY_COMPARE(cell("BGrid1", 0, 1), QStringLiteral("Apple"));
        QCOMPARE(services_->messenger.shown.size(), 1);
        QCOMPARE(services_->messenger.shown[0].title, QStringLiteral("Changed File in Memory"));
    }

    void aFileGivenAtStartOpensAsFromTheDialog() {
        window_->openFileGiven(writeFile("home.bgt", ThreeIncomes));
        QCOMPARE(cell("BGrid1", 0, 1), QStringLiteral("Apple"));
        QVERIFY(services_->messenger.shown.isEmpty());
        child<QPushButton>("FilSave")->click(); // the dialog starts beside the file, on its name
        QCOMPARE(services_->fileDialogs.requests.last().folder, folder_->path());
        QCOMPARE(services_->fileDialogs.requests.last().fileName, QStringLiteral("home.bgt"));
        QCOMPARE(services_->fileDialogs.requests.last().places, QStringList{folder_->path()});
        QCOMPARE(services_->fileDialogs.requests.last().history, QStringList{folder_->path()});

        delete window_;
        window_ = new Budget(state_, services_->services);
        activate();
        window_->openFileGiven(QDir(folder_->path()).filePath(QStringLiteral("gone.bgt")));
        QCOMPARE(lastMessage(), QStringLiteral("Load File|File not found or wrong format. Check "
                                               "Filename and/or Directory"));
        QCOMPARE(cell("BGrid1", 0, 1), QString());
        QVERIFY(window_->isVisible());
    }

    // The folder used last is where the dialogs start after a restart too.
    void theFolderUsedLastIsKeptForTheNextRun() {
        const QTemporaryDir other;
        const QString kept = QDir(folder_->path()).filePath(QStringLiteral("state/folders"));
        state_.folderHistoryFile = kept;
        window_->openFileGiven(QDir(other.path()).filePath(QStringLiteral("x.bgt")));
        delete window_;
        state_ = AppState(); // the next run, as the program starts it
        state_.budgetFolders = readFolderHistory(kept);
        window_ = new Budget(state_, services_->services);
        activate();
        child<QPushButton>("FilOpen")->click();
        QCOMPARE(services_->fileDialogs.requests.last().folder, other.path());
        QCOMPARE(services_->fileDialogs.requests.last().history, QStringList{other.path()});
    }

    void cancelledDialogsKeepTheRecords() {
        addRecord(true, "Salary", "100", "12", "100");
        child<QPushButton>("FilSave")->click(); // cancelled: nothing written, still unsaved
        QVERIFY(QDir(folder_->path()).entryList(QDir::Files).isEmpty());
        services_->messenger.answers.enqueue(MessageAnswer::No); // open anyway
        child<QPushButton>("FilOpen")->click();                  // cancelled
        QCOMPARE(cell("BGrid1", 0, 1), QStringLiteral("Salary"));
        QVERIFY(window_->isVisible());

        QVERIFY(!window_->close()); // the scripted answer is Yes: go back and save
        QCOMPARE(services_->messenger.shown.last().title, QStringLiteral("Changed File in Memory"));
        QCOMPARE(services_->messenger.shown.last().text,
                 QStringLiteral(" file in memory will be erased. Do you want to go back and save "
                                "it to Disk?."));
    }

    void aFailedSaveKeepsTheRecordsUnsaved() {
        addRecord(true, "Salary", "100", "12", "100");
        services_->fileDialogs.answers.enqueue(
            QDir(folder_->path()).filePath(QStringLiteral("missing/folder/home.bgt")));
        child<QPushButton>("FilSave")->click();
        QCOMPARE(lastMessage(),
                 QStringLiteral("Saving Error| Bad filename, must be in the form MYFILE.BGT"));
        QVERIFY(!window_->close());
        QCOMPARE(services_->messenger.shown.last().title, QStringLiteral("Changed File in Memory"));
    }

    void aSaveOnAFullDiskSaysSoAndKeepsTheOldFile() {
        TinyFileSystem disk(64 * 1024);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.whyNot()));
        const QByteArray old = "1\r\n1,\"Rent\",1,1,1\r\n0\r\n";
        const QString path = disk.filePath(QStringLiteral("Old.bgt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
        disk.fill(0);

        addRecord(true, "Salary", "100", "12", "100");
        services_->fileDialogs.answers.enqueue(path);
        child<QPushButton>("FilSave")->click();
        QCOMPARE(lastMessage(),
                 QStringLiteral("Saving Error| Bad filename, must be in the form MYFILE.BGT"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QVERIFY(!window_->close()); // still unsaved: leaving asks first
        QCOMPARE(services_->messenger.shown.last().title, QStringLiteral("Changed File in Memory"));
    }

    void anOlderSingleByteFileShowsItsLettersAndIsSavedAsUtf8() {
        openAndActivate("old.bgt", "1\r\n1,\"Caf\xE9 cr\xE8me\",120,12,120\r\n0\r\n");
        QCOMPARE(cell("BGrid1", 0, 1), QString::fromUtf8("Caf\xC3\xA9 cr\xC3\xA8me"));
        const QString path = QDir(folder_->path()).filePath(QStringLiteral("old.bgt"));
        services_->fileDialogs.answers.enqueue(path);
        child<QPushButton>("FilSave")->click();
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(),
                 QByteArray("1\r\n1,\"Caf\xC3\xA9 cr\xC3\xA8me\",120,12,120\r\n0\r\n"));
    }

    // A file made elsewhere with descriptions longer than the box holds: each is cut to the
    // box's length, the user is told which, and the grid lays out only what it can show.
    void overlongDescriptionsAreShortenedAndNamed() {
        const QByteArray rent = "Rent " + QByteArray(40000, 'x');
        openAndActivate("long.bgt", "0\r\n2\r\n1,\"" + rent + "\",1,1,1\r\n2,\"Food\",1,1,1\r\n");
        QCOMPARE(lastMessage(), QStringLiteral("Load File|These descriptions were longer than "
                                               "32767 characters and were cut to that length:"
                                               "\r\nExpense: \"Rent xxxxxxxxxxxxxxx...\""));
        QCOMPARE(cell("BGrid2", 1, 1), QString::fromLatin1(rent.left(256) + "..."));
        const QString path = QDir(folder_->path()).filePath(QStringLiteral("long.bgt"));
        services_->fileDialogs.answers.enqueue(path);
        child<QPushButton>("FilSave")->click();
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains(",\"" + rent.left(32767) + "\","));
    }

    void aBadFileKeepsTheRecordsOnScreen() {
        openAndActivate("three.bgt", ThreeIncomes);
        services_->messenger.answers.enqueue(MessageAnswer::No);
        openFile(writeFile("bad.bgt", "600\r\n0\r\n"));
        QCOMPARE(lastMessage(), QStringLiteral("Load File|File not found or wrong format. Check "
                                               "Filename and/or Directory"));
        QCOMPARE(cell("BGrid1", 0, 1), QStringLiteral("Apple"));
        QCOMPARE(cell("BGrid1", 2, 1), QStringLiteral("Cherry"));
        // The records on screen still belong to the file they came from.
        services_->fileDialogs.answers.enqueue(std::nullopt);
        child<QPushButton>("FilSave")->click();
        QCOMPARE(services_->fileDialogs.requests.last().fileName, QStringLiteral("three.bgt"));
    }

    void anotherFileIsShownFromTheTop() {
        openAndActivate("long.bgt", numberedIncomes(30));
        QScrollBar* scrollBar = child<QTableView>("BGrid1")->verticalScrollBar();
        scrollBar->setValue(scrollBar->maximum());
        QVERIFY(scrollBar->value() > 0);
        services_->messenger.answers.enqueue(MessageAnswer::No);
        openFile(writeFile("three.bgt", ThreeIncomes));
        QCOMPARE(scrollBar->value(), 0);
    }

    void openAsksBeforeDiscardingUnsavedRecords() {
        addRecord(true, "Salary", "100", "12", "100");
        child<QPushButton>("FilOpen")->click(); // answered Yes: back to save first
        QCOMPARE(services_->messenger.shown.last().title, QStringLiteral("Changed File in Memory"));
        QVERIFY(services_->fileDialogs.requests.isEmpty());
        QCOMPARE(cell("BGrid1", 0, 1), QStringLiteral("Salary"));
    }

    void exitAsksOnlyWhileRecordsAreUnsaved() {
        openAndActivate("three.bgt", ThreeIncomes);
        services_->fileDialogs.answers.enqueue(QDir(folder_->path()).filePath("three.bgt"));
        child<QPushButton>("FilSave")->click();
        choose("FreqPeriod", "   Quarterly");
        QVERIFY(!window_->close());
        QCOMPARE(services_->messenger.shown.last().text.left(30),
                 QStringLiteral("three.bgt file in memory will "));

        services_->messenger.answers.enqueue(MessageAnswer::No);
        QPointer<Budget> window = window_;
        window_->setAttribute(Qt::WA_DeleteOnClose);
        QVERIFY(window_->close());
        QTRY_VERIFY(window.isNull());
        window_ = nullptr;
    }

    void escapeOrCloseOnTheChangedFileQuestionGoesBack() {
        addRecord(true, "Salary", "100", "12", "100");
        services_->messenger.answers.enqueue(Dismissal::Escape);
        QVERIFY(!window_->close());
        services_->messenger.answers.enqueue(Dismissal::TitleBarClose);
        child<QPushButton>("FilOpen")->click();
        QCOMPARE(messages(services_->messenger),
                 QStringList(2, QStringLiteral("Changed File in Memory| file in memory will be "
                                               "erased. Do you want to go back and save it to "
                                               "Disk?.")));
        QVERIFY(services_->fileDialogs.requests.isEmpty());
        QCOMPARE(cell("BGrid1", 0, 1), QStringLiteral("Salary"));
    }

    void aPendingChangeIsNeitherSavedOldNorLeftUnasked() {
        openAndActivate("three.bgt", ThreeIncomes);
        services_->fileDialogs.answers.enqueue(QDir(folder_->path()).filePath("three.bgt"));
        child<QPushButton>("FilSave")->click();
        answerPrompt("1");
        child<QPushButton>("CorrectRec1")->click();
        typeInto("InIncDesc", "Apricot");
        const qsizetype dialogs = services_->fileDialogs.requests.size();
        child<QPushButton>("FilSave")->click();
        QCOMPARE(lastMessage(), QStringLiteral("Help| Add the changed record first, then save "
                                               "the file."));
        QCOMPARE(services_->fileDialogs.requests.size(), dialogs);

        QVERIFY(!window_->close()); // asked, and the scripted Yes goes back
        QCOMPARE(services_->messenger.shown.last().title, QStringLiteral("Changed File in Memory"));
        QCOMPARE(child<QLineEdit>("InIncDesc")->text(), QStringLiteral("Apricot"));
        QVERIFY(child<QPushButton>("AddCorRec1")->isVisible());
    }

    void altHAddsTheChangedExpenseWhileItIsBeingChanged() {
        openAndActivate("rent.bgt", "0\r\n1\r\n1,\"Rent\",9600,12,9000\r\n");
        answerPrompt("1");
        child<QPushButton>("CorrectRec2")->click();
        typeInto("InExpDesc", "Flat");
        child<QPushButton>("Help2")->click(); // opening the help keeps the key with the record
        QCOMPARE(child<QPushButton>("Help2")->text(), QStringLiteral("Close &Help"));
        QTest::keyClick(window_, Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(cell("BGrid2", 0, 1), QStringLiteral("Flat")); // a key click is animated
        QVERIFY(!child<QPushButton>("AddCorRec2")->isVisible());
        QCOMPARE(child<QPushButton>("AddCorRec2")->text(), QStringLiteral("Add C&hanged Record"));

        // Back in normal mode the key belongs to the help button again.
        QTest::keyClick(window_, Qt::Key_H, Qt::AltModifier);
        QTRY_COMPARE(child<QPushButton>("Help2")->text(), QStringLiteral("Quick &Help"));
        QTest::keyClick(window_, Qt::Key_H, Qt::AltModifier);
        QTRY_VERIFY(child<QPlainTextEdit>("HelpTxt")->isVisible());
    }

private:
    template <typename T> T* child(const char* name) const {
        return testing::child<T>(window_, name);
    }
    QString cell(const char* grid, int row, int column) const {
        return gridCell(window_, grid, row, column);
    }
    // `count` cells of one row from `column` rightwards.
    QStringList cells(const char* grid, int row, int column, int count) const {
        QStringList texts;
        for (int i = 0; i < count; ++i)
            texts.append(cell(grid, row, column + i));
        return texts;
    }
    int gridRows(const char* grid) const { return gridRowCount(window_, grid); }
    void typeInto(const char* box, const QString& text) {
        if (!window_->isActiveWindow())
            activate(); // a closed prompt hands the activation back asynchronously
        testing::typeInto(window_, box, text);
    }
    void addRecord(bool income, const QString& description, const QString& amount,
                   const QString& payments, const QString& budgeted);
    void choose(const char* list, const QString& text) {
        QComboBox* combo = child<QComboBox>(list);
        const int index = combo->findText(text);
        QVERIFY(index >= 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void answerPrompt(const QString& text, bool accept = true);
    void answerPromptWithEscape(const QString& text);
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        const QString path = QDir(folder_->path()).filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    void openFile(const QString& path) {
        services_->fileDialogs.answers.enqueue(path);
        child<QPushButton>("FilOpen")->click();
    }
    void openAndActivate(const QString& name, const QByteArray& bytes) {
        openFile(writeFile(name, bytes));
        activate();
    }
    void activate() {
        // Hidden and shown again around a file dialog, the window keeps the offscreen platform's
        // focus but loses the application's activation; passing the focus through another window
        // gives it both back, so focus changes (and the boxes' leave step) happen as on a desktop.
        if (window_->isVisible() && !window_->isActiveWindow()) {
            QWidget other;
            QVERIFY(showAndActivate(&other));
        }
        window_->show();
        window_->activateWindow();
        QTRY_VERIFY(window_->isActiveWindow());
    }
    QString lastMessage() const {
        const auto& shown = services_->messenger.shown;
        return shown.isEmpty() ? QString()
                               : shown.last().title + QLatin1Char('|') + shown.last().text;
    }

    std::unique_ptr<QTemporaryDir> folder_;
    AppState state_;
    std::unique_ptr<testing::TestServices> services_;
    Budget* window_ = nullptr;
};

void BudgetTest::addRecord(bool income, const QString& description, const QString& amount,
                           const QString& payments, const QString& budgeted) {
    typeInto(income ? "InIncDesc" : "InExpDesc", description);
    typeInto(income ? "InIncAmt" : "InExpAmt", amount);
    typeInto(income ? "InIncFreq" : "InExpFreq", payments);
    typeInto(income ? "InIncBgtAmt" : "InExpBgtAmt", budgeted);
    QTest::mouseClick(child<QPushButton>(income ? "AddIncome1" : "AddExpense2"), Qt::LeftButton);
}

// Types into the record-number prompt once it is open and presses OK or Cancel.
void BudgetTest::answerPrompt(const QString& text, bool accept) {
    QTimer::singleShot(0, this, [text, accept] {
        auto* prompt = qobject_cast<InRecNum*>(QApplication::activeModalWidget());
        if (!prompt)
            return;
        QTimer::singleShot(2000, prompt, &QDialog::reject); // never leave the test blocked
        QTest::keyClicks(testing::child<QLineEdit>(prompt, "CurVal"), text);
        prompt->findChild<QPushButton*>(accept ? "Accept" : "NoAccept")->click();
    });
}

void BudgetTest::answerPromptWithEscape(const QString& text) {
    QTimer::singleShot(0, this, [text] {
        auto* prompt = qobject_cast<InRecNum*>(QApplication::activeModalWidget());
        if (!prompt)
            return;
        QTimer::singleShot(2000, prompt, &QDialog::accept); // a prompt left open fails the test
        auto* number = testing::child<QLineEdit>(prompt, "CurVal");
        QTest::keyClicks(number, text);
        QTest::keyClick(number, Qt::Key_Escape);
    });
}

QTEST_MAIN(BudgetTest)
#include "BudgetTest.moc"
