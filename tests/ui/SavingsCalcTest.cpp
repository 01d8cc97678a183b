#include "ui/savings/SavingsCalc.h"

#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/format/RightAlign.h"
#include "core/savings/SavingsHelpText.h"
#include "core/state/AppState.h"
#include "render/PrintDocument.h"
#include "ui/common/MnemonicFocus.h"
#include "ui/graph/GraphsAll.h"
#include "ui/printing/PrinterHeaderInput.h"
#include "ui/savings/YearSaveCalc.h"

#include <QAbstractItemModel>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

class SavingsCalcTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MnemonicFocus::install(); }

    void init() {
        state_ = AppState();
        state_.ScreenMode = PlannerView::SavingsGrowth;
        services_.messenger.shown.clear();
        services_.beeper.count = 0;
        window_ = new SavingsCalc(state_, services_.services);
        QVERIFY(showAndActivate(window_));
    }

    void cleanup() {
        delete window_;
        window_ = nullptr;
    }

    void opensWithTheDefaultsAndAnEmptyGrid() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Investment Growth Calculations"));
        QCOMPARE(box("InLumpInv")->currentText(), RightAlign("$.00", 15));
        QCOMPARE(box("InInvest")->currentText(), RightAlign("$1,000.00", 13));
        QCOMPARE(box("InRate")->currentText(), RightAlign("20.00", 14) + "%");
        QCOMPARE(box("InTerm")->currentText(), RightAlign("25", 17));
        QCOMPARE(box("inInflatRate")->currentText(), RightAlign(".00", 14) + "%");
        QCOMPARE(box("InIncrRate")->currentText(), RightAlign(".00", 14) + "%");
        QCOMPARE(box("InRate")->count(), 5);
        QCOMPARE(box("InRate")->itemText(1), QStringLiteral("12.5"));
        QCOMPARE(box("InLumpInv")->itemText(5), QStringLiteral("35000"));

        QCOMPARE(grid()->rowCount(), 24);
        QCOMPARE(grid()->columnCount(), 4);
        QCOMPARE(grid()->headerData(2, Qt::Horizontal).toString(),
                 QStringLiteral("Interest/Growth\nCompounded"));
        QCOMPARE(grid()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Year Number"));
        QVERIFY(gridIsEmpty());
        QCOMPARE(state_.savings.EntryValues[AnnualAmountSlot], *Currency::fromDouble(1000));
        QCOMPARE(state_.savings.EntryValues[TermSlot], *Currency::fromDouble(25));
    }

    void defaultCalculationFillsTheGridAndTheHandOff() {
        press("SCalc");
        QCOMPARE(grid()->rowCount(), 28);
        QCOMPARE(cell(0, 2), QStringLiteral("200.00"));
        QCOMPARE(cell(0, 3), QStringLiteral("1,200.00"));
        QCOMPARE(cell(1, 3), QStringLiteral("2,640.00"));
        QCOMPARE(cell(25, 0), QString());
        QCOMPARE(cell(26, 0), QStringLiteral("Total:"));
        QCOMPARE(cell(26, 1), QStringLiteral("$25,000.00"));
        QCOMPARE(cell(26, 2), QStringLiteral("$541,377.32"));
        QCOMPARE(cell(26, 3), QStringLiteral("$566,377.32"));
        verifyColumnsFit();
        QCOMPARE(state_.graph.ResultCount, 25);
        QCOMPARE(state_.graph.GraphTitle, QStringLiteral("Investment value at end of each Year"));
        QCOMPARE(state_.savings.growthTable[26][1], *Currency::fromDouble(25)); // the totals row
        QCOMPARE(state_.EditStarted, 0);
    }

    void recalculationShowsTheFirstRowAgain() {
        press("SCalc");
        gridView()->scrollToBottom();
        typeInto("InTerm", "22");
        press("SCalc");
        QCOMPARE(grid()->rowCount(), 25);
        QVERIFY(gridView()->verticalScrollBar()->maximum() > 0);
        QCOMPARE(gridView()->verticalScrollBar()->value(), 0);
    }

    void firstKeyClearsTheResults() {
        press("SCalc");
        typeInto("InRate", "x1");
        QCOMPARE(services_.beeper.count, 1);
        QVERIFY(gridIsEmpty());
        QCOMPARE(state_.graph.ResultCount, 0);
        QCOMPARE(box("InRate")->currentText(), QStringLiteral("1"));
        typeInto("InRate", "0");
        QCOMPARE(box("InRate")->currentText(), QStringLiteral("10"));
        leaveTo(box("InTerm"));
        QCOMPARE(box("InRate")->currentText(), RightAlign("10.00", 14) + "%");
        QCOMPARE(state_.savings.EntryValues[RateSlot], *Currency::fromDouble(10));
        QCOMPARE(state_.EditStarted, 0);
    }

    void minusStartsANegativeRateOnlyInTheTwoRateBoxes() {
        press("SCalc");
        typeInto("inInflatRate", "3-5");
        QVERIFY(gridIsEmpty());
        QCOMPARE(box("inInflatRate")->currentText(), QStringLiteral("-5"));
        leaveTo(box("InIncrRate"));
        QCOMPARE(box("inInflatRate")->currentText(), RightAlign("-5.00", 14) + "%");
        QCOMPARE(state_.savings.EntryValues[InflationSlot], *Currency::fromDouble(-5));

        QTest::keyClicks(box("InIncrRate"), "-2");
        leaveTo(box("InRate"));
        QCOMPARE(state_.savings.EntryValues[IncreaseSlot], *Currency::fromDouble(-2));

        const int beeps = services_.beeper.count;
        QTest::keyClicks(box("InRate"), "-7");
        QCOMPARE(services_.beeper.count, beeps + 1);
        QCOMPARE(box("InRate")->currentText(), QStringLiteral("7"));
        typeInto("InLumpInv", "-");
        QCOMPARE(services_.beeper.count, beeps + 2);
    }

    void enterMovesThroughTheBoxesToCalculate() {
        const char* order[] = {"InLumpInv", "InInvest",     "InIncrRate",
                               "InRate",    "inInflatRate", "InTerm"};
        box(order[0])->setFocus(Qt::TabFocusReason);
        for (const char* name : order) {
            QCOMPARE(QApplication::focusWidget(), box(name));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QCOMPARE(QApplication::focusWidget(), button("SCalc"));
        QTest::keyClick(button("SCalc"), Qt::Key_Return);
        QCOMPARE(cell(26, 0), QStringLiteral("Total:"));

        // Tab then reaches the grid, whose keys scroll down to the totals.
        QTest::keyClick(button("SCalc"), Qt::Key_Tab);
        QTableView* view = gridView();
        QCOMPARE(QApplication::focusWidget(), view);
        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier);
        QVERIFY(view->verticalScrollBar()->value() > 0);
        QCOMPARE(view->verticalScrollBar()->value(), view->verticalScrollBar()->maximum());
    }

    void choosingAPresetClearsTheResultsAndIsTakenOver() {
        press("SCalc");
        QComboBox* lump = box("InLumpInv");
        lump->setFocus(Qt::TabFocusReason);
        lump->setCurrentIndex(2);
        emit lump->activated(2);
        QVERIFY(gridIsEmpty());
        leaveTo(box("InInvest"));
        QCOMPARE(lump->currentText(), RightAlign("$20,000.00", 13));
        QCOMPARE(state_.savings.EntryValues[LumpSumSlot], *Currency::fromDouble(20000));
    }

    void deleteKeyClearsTheResults() {
        press("SCalc");
        QComboBox* invest = box("InInvest");
        invest->setFocus(Qt::TabFocusReason);
        QTest::keyClick(invest, Qt::Key_End);
        QTest::keyClick(invest, Qt::Key_Home);
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(invest, Qt::Key_Delete);
        QVERIFY(gridIsEmpty());
        QCOMPARE(invest->currentText(), QStringLiteral("1,000.00"));
        leaveTo(box("InRate"));
        // The leading-number rule stops at the grouping comma.
        QCOMPARE(state_.savings.EntryValues[AnnualAmountSlot], *Currency::fromDouble(1));
    }

    void termIsLimitedAndCommittedAsAWholeNumber() {
        typeInto("InTerm", "51");
        leaveTo(button("SCalc"));
        QCOMPARE(messages(services_.messenger), QStringList{"Help|Wrong entry, 50 year limit."});
        QCOMPARE(box("InTerm")->currentText(), RightAlign("50", 17));
        press("SCalc");
        QCOMPARE(grid()->rowCount(), 53);
        QCOMPARE(cell(51, 0), QStringLiteral("Total:"));
        QCOMPARE(state_.graph.ResultCount, 50);

        typeInto("InTerm", "24.5");
        leaveTo(button("SCalc"));
        QCOMPARE(box("InTerm")->currentText(), RightAlign("24", 17));
        press("SCalc");
        QCOMPARE(cell(25, 0), QStringLiteral("Total:"));
        QCOMPARE(services_.messenger.shown.size(), 1);
    }

    void termOfZeroShowsOneYearButNothingToGraph() {
        typeInto("InTerm", "0");
        press("SCalc");
        QCOMPARE(grid()->rowCount(), 24);
        QCOMPARE(cell(0, 3), QStringLiteral("1,200.00"));
        QCOMPARE(cell(2, 0), QStringLiteral("Total:"));
        QCOMPARE(state_.graph.ResultCount, 0);
        press("SGraphs");
        QCOMPARE(services_.messenger.shown.last().text,
                 QStringLiteral("No Data to work with. Calculate."));
    }

    void amountBeyondTheCurrencyRangeKeepsThePreviousValue() {
        typeInto("InInvest", "99999999999999999999");
        leaveTo(box("InRate"));
        QCOMPARE(services_.messenger.shown.size(), 1);
        QCOMPARE(services_.messenger.shown[0].text, QStringLiteral("Wrong entry, try again"));
        QCOMPARE(box("InInvest")->currentText(), RightAlign("$1,000.00", 13));

        typeInto("InLumpInv", "900000000000000");
        press("SCalc"); // the growth leaves the currency range
        QCOMPARE(services_.messenger.shown.size(), 2);
        QCOMPARE(services_.messenger.shown[1].text, QStringLiteral("Wrong entry, try again"));
        QVERIFY(gridIsEmpty());
        QCOMPARE(state_.graph.ResultCount, 0);
    }

    void graphAndPrinterNeedACalculation() {
        press("SGraphs");
        press("SPrinter");
        QCOMPARE(services_.messenger.shown.size(), 2);
        QCOMPARE(services_.messenger.shown[0].title, QStringLiteral("Advisory"));
        QCOMPARE(services_.messenger.shown[1].text, QStringLiteral("No data to print. Calculate."));
        QCOMPARE(services_.messenger.shown[1].title, QStringLiteral("Help"));
        QVERIFY(window_->isVisible()); // no graph screen took its place

        press("SCalc");
        bool askedForHeader = false;
        QTimer::singleShot(0, this, [&askedForHeader] {
            auto* dialog = qobject_cast<PrinterHeaderInput*>(QApplication::activeModalWidget());
            askedForHeader = dialog != nullptr;
            if (dialog)
                clickButton(dialog, "NAcept");
        });
        press("SPrinter");
        QVERIFY(askedForHeader);
        QVERIFY(services_.printer.printed.isEmpty()); // cancelled: nothing printed, no message
        QCOMPARE(services_.messenger.shown.size(), 2);
    }

    void helpPanelOpensAndClosingItClearsTheResults() {
        state_.settings.CurrencySymbol = "DM";
        press("SCalc");
        QPushButton* help = button("SHelp");
        help->click();
        auto* panel = child<QPlainTextEdit>(window_, "STextBox");
        QCOMPARE(help->text(), QStringLiteral("Close &Help"));
        QCOMPARE(state_.HelpShown, 1);
        QVERIFY(panel->isVisible());
        QVERIFY(!gridView()->isVisible());
        QVERIFY(!button("SPrinter")->isEnabled());
        QVERIFY(!button("SGraphs")->isEnabled());
        QCOMPARE(panel->toPlainText(), savingsHelpText("DM").replace("\r\n", "\n"));
        QCOMPARE(QApplication::focusWidget(), panel);

        QTest::keyClick(panel, Qt::Key_A);
        QCOMPARE(services_.beeper.count, 1);
        QCOMPARE(panel->toPlainText(), savingsHelpText("DM").replace("\r\n", "\n"));
        QTest::keyClick(panel, Qt::Key_PageDown);
        QCOMPARE(services_.beeper.count, 1);
        QTest::keyClick(panel, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box("InLumpInv"));

        // Typing while the help shows does not close it.
        QTest::keyClicks(box("InLumpInv"), "5");
        QVERIFY(panel->isVisible());
        help->click();
        QCOMPARE(help->text(), QStringLiteral("Quick &Help"));
        QCOMPARE(state_.HelpShown, 0);
        QVERIFY(!panel->isVisible());
        QVERIFY(gridView()->isVisible());
        QVERIFY(gridIsEmpty());
        QVERIFY(button("SPrinter")->isEnabled());
        QCOMPARE(state_.graph.ResultCount, 0);
        QCOMPARE(state_.EditStarted, 0);
        press("SPrinter");
        QCOMPARE(services_.messenger.shown.last().text,
                 QStringLiteral("No data to print. Calculate."));
    }

    // The first example's six values stand level with the six boxes, top to bottom.
    void helpExampleValuesStandLevelWithTheirBoxes() {
        press("SHelp");
        auto* panel = child<QPlainTextEdit>(window_, "STextBox");
        QCOMPARE(panel->document()->firstBlock().layout()->lineCount(), 1); // no wrapping
        const char* boxes[] = {"InLumpInv", "InInvest",     "InIncrRate",
                               "InRate",    "inInflatRate", "InTerm"};
        const int valueLines[] = {3, 7, 11, 15, 19, 24}; // as the help text lays them out
        const QStringList values = {"0", "1,000.00", "0%", "20%", "0%", "25"};
        int firstOffset = 0;
        for (int index = 0; index < 6; ++index) {
            QTextCursor line(panel->document()->findBlockByNumber(valueLines[index]));
            QCOMPARE(line.block().text().trimmed(), values[index]);
            const int lineMiddle =
                panel->viewport()->mapTo(window_, panel->cursorRect(line).center()).y();
            const QRect boxArea = box(boxes[index])->geometry();
            QVERIFY2(lineMiddle > boxArea.top() && lineMiddle < boxArea.bottom(), boxes[index]);
            const int offset = lineMiddle - boxArea.center().y();
            if (index == 0)
                firstOffset = offset;
            QVERIFY2(std::abs(offset - firstOffset) <= 1, boxes[index]);
        }
    }

    void pastedMinusIsRefusedInTheAmountBoxes() {
        QApplication::clipboard()->setText(QStringLiteral("-5000"));
        for (const char* name : {"InLumpInv", "InInvest", "InRate"}) {
            QComboBox* target = box(name);
            target->setFocus(Qt::TabFocusReason);
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(target->currentText(), QStringLiteral("5000"));
        }
        leaveTo(button("SCalc"));
        QCOMPARE(services_.beeper.count, 3);
        for (const int slot : {LumpSumSlot, AnnualAmountSlot, RateSlot})
            QCOMPARE(state_.savings.EntryValues[std::size_t(slot)], *Currency::fromDouble(5000));
    }

    // The term's limit message comes up as the mouse presses "Calculate"; the click still counts.
    void oneClickCalculatesAfterTheTermLimitMessage() {
        answerMessagesAsModalWindows(services_.messenger);
        typeInto("InTerm", "60");
        mousePressOn(button("SCalc"));
        services_.messenger.whileShown = nullptr;
        QCOMPARE(services_.messenger.shown.size(), 1);
        QVERIFY(!button("SCalc")->isDown());
        QVERIFY(state_.graph.ResultCount > 0);
        QVERIFY(!cell(0, 3).isEmpty());
    }

    void calculatingClosesTheHelpPanel() {
        press("SHelp");
        press("SCalc");
        QCOMPARE(button("SHelp")->text(), QStringLiteral("Quick &Help"));
        QVERIFY(gridView()->isVisible());
        QCOMPARE(cell(26, 3), QStringLiteral("$566,377.32"));
        verifyColumnsFit();
        QCOMPARE(state_.graph.ResultCount, 25);
    }

    void yearlyDialogInsertsTheAnnualAmount() {
        press("SCalc");
        bool driven = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<YearSaveCalc*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            QTimer::singleShot(2000, dialog, &QDialog::reject); // never leave the test blocked
            dialog->activateWindow();
            if (!QTest::qWaitFor([dialog] { return QApplication::activeWindow() == dialog; }))
                return;
            QTest::keyClick(testing::typeInto(dialog, "inDeposit", "100"), Qt::Key_Return);
            QTest::keyClicks(child<QLineEdit>(dialog, "inRate"), "12");
            for (const char* name : {"YCalc", "YInsert"}) {
                auto* control = child<QPushButton>(dialog, name);
                control->setFocus(Qt::MouseFocusReason);
                control->click();
            }
            driven = dialog->isVisible(); // inserting keeps the dialog open
            clickButton(dialog, "YExit");
        });
        press("YearSavings");

        QVERIFY(driven);
        QCOMPARE(box("InInvest")->currentText(), RightAlign("$1,278.00", 13));
        QCOMPARE(state_.savings.EntryValues[AnnualAmountSlot], *Currency::fromDouble(1278));
        QCOMPARE(state_.savings.EntryValues[YearlyRateSlot], Currency());
        QCOMPARE(state_.savings.EntryValues[YearlyDepositSlot], Currency());
        QVERIFY(gridIsEmpty());
        QCOMPARE(state_.EditStarted, 0);
    }

    // The graph screen reads the results and leaves them as they were: a printout made after a
    // visit to it prints what one made before it printed, a one-year plan (whose graph takes a
    // second point from the totals row) included.
    void aVisitToTheGraphLeavesThePrintoutAsItWas() {
        for (const QString& years : {QStringLiteral("25"), QStringLiteral("1")}) {
            typeInto("InTerm", years);
            press("SCalc");
            services_.printer.printed.clear();
            printWithHeader();
            press("SGraphs");
            QPointer<GraphsAll> graphs;
            for (QWidget* window : QApplication::topLevelWidgets())
                if (auto* shown = qobject_cast<GraphsAll*>(window); shown && shown->isVisible())
                    graphs = shown;
            QVERIFY(graphs);
            clickButton(graphs, "ExitBut");
            QTRY_VERIFY(!graphs);
            QVERIFY(window_->isVisible());
            printWithHeader();

            const auto& printed = services_.printer.printed;
            QCOMPARE(printed.size(), 2);
            const auto pages = [&printed](int index) {
                return std::get<report::PrintedReport>(printed[index].content).pages;
            };
            QVERIFY(!pages(0).isEmpty());
            QCOMPARE(pages(1), pages(0));
        }
    }

    // The grid's menu saves the printout's pages, header and all, as a PDF file instead of
    // printing them.
    void printoutIsSavedAsAPdfFile() {
        press("SCalc");
        services_.printer.printed.clear();
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("growth.pdf"));
        services_.fileDialogs.answers.enqueue(path);
        answerHeader();
        gridView()->actions().constLast()->trigger();
        QVERIFY(services_.printer.printed.isEmpty());
        QCOMPARE(services_.fileDialogs.requests.constLast().fileName,
                 QStringLiteral("Investment Growth.pdf"));
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    }

    void exitClearsThePlannersState() {
        press("SCalc");
        press("SGraphs");
        press("SExit");
        QVERIFY(!window_->isVisible());
        QCOMPARE(state_.ScreenMode, PlannerView::None);
        QCOMPARE(state_.graph.ResultCount, 0);
        QCOMPARE(state_.graph.GraphKind, 0);
        QCOMPARE(state_.savings.EntryValues[AnnualAmountSlot], Currency());
        QCOMPARE(state_.savings.growthTable[1][4], Currency());
    }

private:
    QComboBox* box(const char* name) { return child<QComboBox>(window_, name); }
    QPushButton* button(const char* name) { return child<QPushButton>(window_, name); }
    // A mouse click: the button takes the focus (the box being edited is left), then acts.
    void press(const char* name) {
        button(name)->setFocus(Qt::MouseFocusReason);
        button(name)->click();
    }
    QTableView* gridView() { return child<QTableView>(window_, "SGrid"); }
    QAbstractItemModel* grid() { return gridView()->model(); }
    QString cell(int row, int column) { return gridCell(window_, "SGrid", row, column); }
    bool gridIsEmpty() {
        for (int row = 0; row < grid()->rowCount(); ++row)
            for (int column = 0; column < grid()->columnCount(); ++column)
                if (!grid()->index(row, column).data().toString().isEmpty())
                    return false;
        return true;
    }
    // "Total:" is shown whole, and the four columns still fit beside the scroll bar.
    void verifyColumnsFit() {
        QTableView* view = gridView();
        const int cellMargins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        QVERIFY(view->columnWidth(0) >=
                view->fontMetrics().horizontalAdvance(QStringLiteral("Total:")) + cellMargins);
        int columnsWidth = 0;
        for (int column = 0; column < 4; ++column)
            columnsWidth += view->columnWidth(column);
        QVERIFY(columnsWidth <= view->viewport()->width());
    }
    void typeInto(const char* name, const QString& keys) {
        QComboBox* target = box(name);
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(target, keys);
    }
    void leaveTo(QWidget* next) { next->setFocus(Qt::TabFocusReason); }
    void printWithHeader() {
        answerHeader();
        press("SPrinter");
    }
    void answerHeader() {
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<PrinterHeaderInput*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTimer::singleShot(3000, dialog, &QDialog::reject); // never leave the test blocked
            testing::typeInto(dialog, "InFName", QStringLiteral("Plan"));
            clickButton(dialog, "Acept");
        });
    }

    AppState state_;
    testing::TestServices services_;
    SavingsCalc* window_ = nullptr;
};

QTEST_MAIN(SavingsCalcTest)
#include "SavingsCalcTest.moc"
