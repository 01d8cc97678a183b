#include "ui/mortgage/MortgageCalc.h"

#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/mortgage/MortgageEngine.h"
#include "core/mortgage/MortgagePresenter.h"
#include "core/mortgage/MortgageTexts.h"
#include "core/state/AppState.h"
#include "ui/common/MnemonicFocus.h"
#include "ui/common/Twips.h"
#include "ui/mortgage/MortPrePay.h"
#include "ui/shell/Application.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

class MortgageCalcTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MnemonicFocus::install(); }

    void init() {
        state_ = AppState();
        state_.FirstPayDate = QDate(2027, 1, 31);
        services_.messenger.shown.clear();
        services_.beeper.count = 0;
    }

    void cleanup() {
        delete window_;
        window_ = nullptr;
    }

    void mortgageModeOpensWithItsDefaults() {
        open(MortgagePlan);
        QCOMPARE(window_->windowTitle(), QStringLiteral("Mortgage Tables"));
        QCOMPARE(box("InPrincipal"), QStringLiteral("   $100,000.00"));
        QCOMPARE(child<QComboBox>("InRate")->currentText(), QStringLiteral("        10.125%"));
        QCOMPARE(child<QComboBox>("InTerm")->currentText(), QStringLiteral("            25"));
        QCOMPARE(child<QComboBox>("InTerm")->count(), 3);
        QCOMPARE(child<QComboBox>("InRate")->itemText(4), QStringLiteral("10 "));
        QCOMPARE(child<QComboBox>("Comperiod")->currentText(), QStringLiteral("      Monthly"));
        QCOMPARE(child<QComboBox>("FreqPmt")->itemText(4), QStringLiteral(" Biweekly(Acc)"));
        QCOMPARE(child<QLabel>("Label3")->text(),
                 QStringLiteral(" Amortization period    in years."));
        QCOMPARE(child<QLabel>("Label8")->text(),
                 QStringLiteral(" Total paid over   life of mortgage"));
        QVERIFY(child<QRadioButton>("Option2")->isChecked());
        QCOMPARE(state_.ScreenMode, PlannerView::MortgageAnnual);
        QCOMPARE(gridRows(), 25);
        QCOMPARE(heading(), QStringLiteral("  Payment   No.  Year"));
        // Every column is one default width widened by 520, 550, 650, 700, 700 and 700 twips;
        // the first is wider where the font needs it, the last giving up the difference.
        const auto* grid = child<QTableView>("MGrid");
        const int widening[] = {520, 550, 650, 700, 700, 700};
        for (int column = 2; column < 5; ++column)
            QVERIFY(std::abs(grid->columnWidth(column) - grid->columnWidth(1) -
                             fromTwips(widening[column] - widening[1])) <= 1);
        QVERIFY(grid->columnWidth(0) - grid->columnWidth(1) >=
                fromTwips(widening[0] - widening[1]) - 1);
        QVERIFY(grid->horizontalScrollBar()->maximum() == 0); // the columns fit the grid
        QVERIFY(box("InMonthPI").isEmpty());
        QVERIFY(!child<QPlainTextEdit>("MTextBox")->isVisible());
    }

    void loanModeOpensWithItsOwnTexts() {
        state_.settings.CurrencySymbol = QStringLiteral("DM");
        open(LoanPlan);
        QCOMPARE(window_->windowTitle(), QStringLiteral("Personal Loan Tables"));
        QCOMPARE(box("InPrincipal"), QStringLiteral("   DM20,000.00"));
        QCOMPARE(child<QComboBox>("InRate")->currentText(), QStringLiteral("         10.125%"));
        QCOMPARE(child<QComboBox>("InTerm")->currentText(), QStringLiteral("            48"));
        QCOMPARE(child<QComboBox>("InTerm")->itemText(3), QStringLiteral("60"));
        QCOMPARE(child<QLabel>("Label11")->text(),
                 QStringLiteral(" No. months to   final payment."));
        QCOMPARE(heading(), QStringLiteral(" Year Number"));

        click("MCalc");
        QCOMPARE(box("EndMortYear"), QStringLiteral("       48.00"));
        QCOMPARE(box("InMonthPI"), QStringLiteral("    DM508.45"));
        QCOMPARE(cell(5, 0), QStringLiteral("Total:"));
        QCOMPARE(state_.graph.GraphTitle,
                 QStringLiteral("Personal Loan balance at start of each Year"));
    }

    void calculateFillsTheBoxesGridAndHandOff() {
        open(MortgagePlan);
        pickRow("Comperiod", 3);
        click("MCalc");
        QVERIFY(services_.messenger.shown.isEmpty());
        QCOMPARE(box("InMonthPI"), QStringLiteral("     $902.91"));
        QCOMPARE(box("PeriodicR"), QStringLiteral("0.00826483"));
        QCOMPARE(box("NumPmtsYear"), QStringLiteral("          12"));
        QCOMPARE(box("InDays"), QStringLiteral("Normal"));
        QCOMPARE(box("EndMortYear"), QStringLiteral("       25.00"));
        QCOMPARE(box("AllPayments"), QStringLiteral(" $270,873.76"));
        QCOMPARE(box("TotSavd"), QStringLiteral("        $.00"));

        // The grid holds exactly the presenter's texts, which the command line also prints.
        const mortgage::MortgageGrid expected =
            mortgage::filledGrid(state_.mortgage.result, QStringLiteral("$"));
        QCOMPARE(gridRows(), int(expected.rows.size()));
        for (int row = 0; row < gridRows(); ++row) {
            for (int column = 0; column < mortgage::GridColumns; ++column)
                QCOMPARE(cell(row, column), expected.rows[std::size_t(row)][std::size_t(column)]);
        }
        QCOMPARE(cell(0, 0), QStringLiteral("   1"));
        QCOMPARE(cell(26, 4), QStringLiteral("$170,873.76"));
        QCOMPARE(child<QTableView>("MGrid")->currentIndex().row(), 0);

        QCOMPARE(state_.graph.ResultCount, 25);
        QCOMPARE(state_.graph.GraphTitle, QStringLiteral("Mortgage balance at start of each Year"));
        QCOMPARE(state_.mortgage.result.PaymentsPerYear, 12);
        QCOMPARE(state_.mortgage.result.YearsToFinal, 25.0);
        QCOMPARE(state_.mortgage.compoundingText, QStringLiteral("   Semiannual"));
        QCOMPARE(state_.mortgage.boxes.InMonthPI, QStringLiteral("     $902.91"));
        QCOMPARE(state_.EditStarted, 0);
    }

    void typedValuesAreCommittedAndUsed() {
        open(MortgagePlan);
        auto* principal = typeInto<QLineEdit>("InPrincipal", QStringLiteral("85000"));
        QTest::keyClick(principal, Qt::Key_Return);
        QCOMPARE(principal->text(), QStringLiteral("      $85,000.00"));
        QTest::keyClicks(child<QComboBox>("InRate"), QStringLiteral("11"));
        QTest::keyClick(child<QComboBox>("InRate"), Qt::Key_Return);
        QCOMPARE(child<QComboBox>("InRate")->currentText(), QStringLiteral("        11.000%"));
        pickRow("Comperiod", 3);
        // Alt+C leaves the box being edited before calculating.
        typeInto<QComboBox>("InTerm", QStringLiteral("25"));
        QTest::keyClick(window_, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(box("InMonthPI"), QStringLiteral("     $818.15"));
        QCOMPARE(child<QComboBox>("InTerm")->currentText(), QStringLiteral("              25"));
    }

    void firstKeyEmptiesTheBoxAndAllResults() {
        open(MortgagePlan);
        click("MCalc");
        QVERIFY(!cell(0, 1).isEmpty());
        auto* rate = typeInto<QComboBox>("InRate", QStringLiteral("7"));
        QCOMPARE(rate->currentText(), QStringLiteral("7"));
        QVERIFY(box("InMonthPI").isEmpty());
        QVERIFY(box("TotSavd").isEmpty());
        QVERIFY(cell(0, 1).isEmpty());
        QCOMPARE(state_.graph.ResultCount, 0);
        QCOMPARE(state_.EditStarted, 1);
        child<QPushButton>("MCalc")->setFocus(Qt::TabFocusReason);
        QCOMPARE(rate->currentText(), QStringLiteral("         7.000%"));
        QCOMPARE(state_.EditStarted, 0);
    }

    void enterMovesThroughTheInputsToCalculate() {
        open(MortgagePlan);
        const QStringList order = {"InPrincipal", "InRate",  "InTerm",
                                   "Comperiod",   "FreqPmt", "MCalc"};
        child<QLineEdit>("InPrincipal")->setFocus(Qt::TabFocusReason);
        for (qsizetype i = 0; i + 1 < order.size(); ++i) {
            QWidget* focused = QApplication::focusWidget();
            QTest::keyClick(focused, Qt::Key_Return);
            QWidget* next = QApplication::focusWidget();
            // An editable list's line edit holds the focus for its list.
            if (next->parentWidget() && qobject_cast<QComboBox*>(next->parentWidget()))
                next = next->parentWidget();
            QCOMPARE(next->objectName(), order[i + 1]);
        }
        QVERIFY(services_.messenger.shown.isEmpty());
        // Enter again presses "Calculate": the keyboard alone gets the results.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(box("InMonthPI"), QStringLiteral("     $917.53"));
    }

    void termOverTheLimitIsRefusedAndSetToIt() {
        open(MortgagePlan);
        auto* term = typeInto<QComboBox>("InTerm", QStringLiteral("45"));
        child<QPushButton>("MCalc")->setFocus(Qt::TabFocusReason);
        QCOMPARE(messages(services_.messenger), QStringList{"Help|Wrong entry, 40 Years limit."});
        QCOMPARE(term->currentText(), QStringLiteral("              40"));
        click("MCalc");
        QCOMPARE(box("EndMortYear"), QStringLiteral("       40.00"));
    }

    // The limit message comes up as the mouse presses a button; that one click still counts.
    void oneClickActsAfterTheTermLimitMessage() {
        open(MortgagePlan);
        answerMessagesAsModalWindows(services_.messenger);
        typeInto<QComboBox>("InTerm", QStringLiteral("45"));
        mousePressOn(child<QPushButton>("MCalc"));
        QCOMPARE(box("EndMortYear"), QStringLiteral("       40.00"));
        QVERIFY(!child<QPushButton>("MCalc")->isDown());

        activate();
        bool additionalPaymentsOpened = false;
        services_.messenger.whileShown = [this, &additionalPaymentsOpened,
                                          message = services_.messenger.whileShown] {
            message();
            whenDialogOpens([&additionalPaymentsOpened](QDialog* dialog) {
                additionalPaymentsOpened = qobject_cast<MortPrePay*>(dialog) != nullptr;
                dialog->reject();
            });
        };
        typeInto<QComboBox>("InTerm", QStringLiteral("45"));
        mousePressOn(child<QPushButton>("MAddPrePay"));
        services_.messenger.whileShown = nullptr;
        QVERIFY(additionalPaymentsOpened);
        QCOMPARE(services_.messenger.shown.size(), 2);
    }

    void loanTermOverTheLimitIsRefusedAndSetToIt() {
        open(LoanPlan);
        auto* term = typeInto<QComboBox>("InTerm", QStringLiteral("5x00"));
        QCOMPARE(services_.beeper.count, 1); // the digit filter refuses the letter
        QTest::keyClick(term, Qt::Key_Return);
        QCOMPARE(services_.messenger.shown.size(), 1);
        QCOMPARE(services_.messenger.shown[0].text,
                 QStringLiteral("Wrong entry, 480 Month limit."));
        QCOMPARE(term->currentText(), QStringLiteral("             480"));
        click("MCalc");
        QCOMPARE(box("EndMortYear"), QStringLiteral("      480.00"));
    }

    void refusedCalculationShowsItsMessage() {
        open(MortgagePlan);
        typeInto<QComboBox>("InRate", QStringLiteral("0"));
        click("MCalc");
        QCOMPARE(messages(services_.messenger), QStringList{"Help|Wrong entry, try again"});
        QCOMPARE(box("PeriodicR"), QStringLiteral("0."));
        QVERIFY(box("InMonthPI").isEmpty());
        QVERIFY(cell(0, 0).isEmpty());
        QCOMPARE(state_.graph.ResultCount, 0);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void listKeysBeepAndClearWithoutChangingTheChoice() {
        open(MortgagePlan);
        click("MCalc");
        auto* frequency = child<QComboBox>("FreqPmt");
        frequency->setFocus(Qt::TabFocusReason);
        QTest::keyClick(frequency, Qt::Key_W);
        QCOMPARE(services_.beeper.count, 1);
        QCOMPARE(frequency->currentIndex(), 0);
        QVERIFY(box("InMonthPI").isEmpty());
        QCOMPARE(state_.graph.ResultCount, 0);
        QTest::keyClick(frequency, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>("MCalc"));

        click("MCalc");
        frequency->setFocus(Qt::TabFocusReason);
        QTest::keyClick(frequency, Qt::Key_Down); // arrows pick the next row, which clears too
        QCOMPARE(frequency->currentIndex(), 1);
        QVERIFY(box("InMonthPI").isEmpty());

        click("MCalc");
        pickRow("FreqPmt", 4);
        QVERIFY(box("InMonthPI").isEmpty());
        click("MCalc");
        QCOMPARE(box("NumPmtsYear"), QStringLiteral("          26"));
        QCOMPARE(box("InDays"), QStringLiteral("365"));
    }

    void deleteKeyClearsTheResults() {
        open(MortgagePlan);
        click("MCalc");
        auto* principal = child<QLineEdit>("InPrincipal");
        principal->setFocus(Qt::TabFocusReason);
        principal->setCursorPosition(0);
        QTest::keyClick(principal, Qt::Key_Delete);
        QVERIFY(box("InMonthPI").isEmpty());
        QCOMPARE(state_.graph.ResultCount, 0);
        QCOMPARE(principal->text(), QStringLiteral("  $100,000.00")); // Delete still edits
    }

    void untouchedPrincipalKeepsItsValueAfterAListPick() {
        open(MortgagePlan);
        pickRow("FreqPmt", 1); // marks an edit as started
        auto* principal = child<QLineEdit>("InPrincipal");
        principal->setFocus(Qt::TabFocusReason);
        click("MCalc");
        QCOMPARE(principal->text(), QStringLiteral("   $100,000.00"));
        QCOMPARE(box("InMonthPI"), QStringLiteral("     $458.76"));
    }

    void principalBeyondTheMoneyRangeIsRefused() {
        open(MortgagePlan);
        auto* principal =
            typeInto<QLineEdit>("InPrincipal", QStringLiteral("99999999999999999999"));
        click("MCalc");
        QCOMPARE(services_.beeper.count, 1);
        QCOMPARE(principal->text(), QStringLiteral("     $100,000.00"));
        QCOMPARE(box("InMonthPI"), QStringLiteral("     $917.53"));
    }

    void pastedTextIsAnEditLikeTypedText() {
        open(MortgagePlan);
        click("MCalc");
        auto* principal = child<QLineEdit>("InPrincipal");
        principal->setFocus(Qt::TabFocusReason);
        QApplication::clipboard()->setText(QStringLiteral("250000"));
        QTest::keyClick(principal, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(principal->text(), QStringLiteral("250000"));
        QVERIFY(box("InMonthPI").isEmpty()); // the shown results no longer belong to the inputs
        QCOMPARE(state_.graph.ResultCount, 0);
        click("MCalc");
        QCOMPARE(principal->text(), QStringLiteral("     $250,000.00"));
        QCOMPARE(box("InMonthPI"), QStringLiteral("   $2,293.82"));
    }

    void viewOptionsSwitchBetweenYearsAndPayments() {
        open(MortgagePlan);
        click("MCalc");
        child<QRadioButton>("Option1")->click();
        QCOMPARE(state_.ScreenMode, PlannerView::MortgageAll);
        QVERIFY(box("InMonthPI").isEmpty());
        QCOMPARE(state_.EditStarted, 0);
        click("MCalc");
        QCOMPARE(gridRows(), 303);
        QCOMPARE(cell(12, 0), QStringLiteral("  13       2"));
        QCOMPARE(state_.graph.ResultCount, 301);
        QCOMPARE(heading(), QStringLiteral("  Payment   No.  Year"));

        child<QRadioButton>("Option2")->click();
        QCOMPARE(state_.ScreenMode, PlannerView::MortgageAnnual);
        QVERIFY(cell(0, 1).isEmpty());
        QCOMPARE(gridRows(), 303); // cleared, not shrunk, until the next calculation
        click("MCalc");
        QCOMPARE(gridRows(), 28);
    }

    void dateToggleAsksForTheFirstDateAndShowsDates() {
        open(MortgagePlan);
        child<QRadioButton>("Option1")->click();
        whenDialogOpens([](QDialog* dialog) {
            testing::typeInto(dialog, "InDate", QStringLiteral("2028-01-31"));
            testing::clickButton(dialog, "OkExit");
        });
        click("MDateNumber");
        QCOMPARE(child<QPushButton>("MDateNumber")->text(), QStringLiteral("&View payment No."));
        QCOMPARE(state_.FirstPayDate, QDate(2028, 1, 31));
        click("MCalc");
        QCOMPARE(heading(), QStringLiteral(" Payment  Date"));
        // The C locale's short form, "29 Feb 2028", is too long for the date column.
        QCOMPARE(cell(1, 0), QStringLiteral("2028-02-29"));
        QCOMPARE(cell(2, 0), QStringLiteral("2028-03-31"));

        click("MDateNumber");
        QCOMPARE(child<QPushButton>("MDateNumber")->text(), QStringLiteral("&View payment date"));
        QVERIFY(cell(0, 0).isEmpty());
        click("MCalc");
        QCOMPARE(cell(0, 0), QStringLiteral("   1       1"));
    }

    void additionalPaymentsAreListedUntilATermIsPicked() {
        open(MortgagePlan);
        whenDialogOpens([](QDialog* dialog) {
            QTest::keyClick(testing::typeInto(dialog, "InYear", QStringLiteral("3")),
                            Qt::Key_Return);
            auto* amount = testing::child<QLineEdit>(dialog, "InPayment");
            QTest::keyClicks(amount, QStringLiteral("5000"));
            QTest::keyClick(amount, Qt::Key_Return);
            testing::clickButton(dialog, "UsePrePay");
        });
        click("MAddPrePay");
        click("MCalc");
        const int years = state_.mortgage.result.RowCount;
        QCOMPARE(cell(years + 5, 0), QStringLiteral("Additional "));
        QCOMPARE(cell(years + 7, 0), QStringLiteral("Year    3"));
        QCOMPARE(cell(years + 7, 2), QStringLiteral("5,000.00"));
        QVERIFY(state_.mortgage.ExtrasText.contains(QStringLiteral(" Year     3")));

        // Typing a term keeps the payments; picking one from the list erases them.
        typeInto<QComboBox>("InTerm", QStringLiteral("25"));
        click("MCalc");
        QCOMPARE(cell(state_.mortgage.result.RowCount + 7, 0), QStringLiteral("Year    3"));
        pickRow("InTerm", 1);
        QVERIFY(box("InMonthPI").isEmpty());
        click("MCalc");
        QCOMPARE(box("EndMortYear"), QStringLiteral("       30.00"));
        QVERIFY(state_.mortgage.ExtrasText.isEmpty());
        QCOMPARE(gridRows(), 33); // 30 years, a blank row, the total and a blank row
    }

    void daysInYearDialogChangesWeeklyPayments() {
        open(MortgagePlan);
        pickRow("FreqPmt", 3);
        click("MCalc");
        QCOMPARE(box("InDays"), QStringLiteral("365"));
        const QString at365 = box("PeriodicR");
        whenDialogOpens([](QDialog* dialog) {
            dialog->findChildren<QRadioButton*>("IRFactor")[0]->click();
            testing::clickButton(dialog, "ExitMort");
        });
        click("MShowIRF");
        QVERIFY(box("PeriodicR").isEmpty());
        click("MCalc");
        QCOMPARE(box("InDays"), QStringLiteral("365.25"));
        QVERIFY(box("PeriodicR") != at365);
    }

    void quickHelpReplacesTheGridAndClosingClearsTheResults() {
        open(MortgagePlan);
        click("MCalc");
        click("MHelp");
        auto* panel = child<QPlainTextEdit>("MTextBox");
        QCOMPARE(state_.HelpShown, 1);
        QCOMPARE(child<QPushButton>("MHelp")->text(), QStringLiteral("Close &Help"));
        QVERIFY(panel->isVisible());
        QVERIFY(!child<QTableView>("MGrid")->isVisible());
        QVERIFY(!child<QPushButton>("MPrinter")->isEnabled());
        QVERIFY(!child<QPushButton>("MGraphs")->isEnabled());
        QCOMPARE(panel->toPlainText(),
                 mortgage::quickHelpText(mortgage::Mode::Mortgage).replace("\r\n", "\n"));
        QCOMPARE(QApplication::focusWidget(), panel);

        const QString helpText = panel->toPlainText();
        QTest::keyClick(panel, Qt::Key_A);
        QCOMPARE(services_.beeper.count, 1);
        QCOMPARE(panel->toPlainText(), helpText);
        QTest::keyClick(panel, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>("InPrincipal"));

        // Typing with the help shown empties the boxes but leaves the help.
        QTest::keyClick(child<QLineEdit>("InPrincipal"), Qt::Key_5);
        QVERIFY(box("InMonthPI").isEmpty());
        QCOMPARE(panel->toPlainText(), helpText);

        click("MHelp");
        QCOMPARE(state_.HelpShown, 0);
        QCOMPARE(child<QPushButton>("MHelp")->text(), QStringLiteral("Quick &Help"));
        QVERIFY(!panel->isVisible());
        QVERIFY(child<QTableView>("MGrid")->isVisible());
        QVERIFY(cell(0, 1).isEmpty());
        QCOMPARE(state_.graph.ResultCount, 0);
        click("MPrinter");
        QCOMPARE(services_.messenger.shown.last().text,
                 QStringLiteral(" No data to Print. Calculate."));
    }

    void graphAndPrinterNeedACalculation() {
        open(LoanPlan);
        click("MGraphs");
        click("MPrinter");
        QCOMPARE(services_.messenger.shown.size(), 2);
        QCOMPARE(services_.messenger.shown[0].text,
                 QStringLiteral("No Data to work with. Calculate."));
        QCOMPARE(services_.messenger.shown[0].title, QStringLiteral("Advisory"));
        QCOMPARE(services_.messenger.shown[1].title, QStringLiteral("Help"));

        click("MCalc");
        bool askedForHeader = false;
        whenDialogOpens([&askedForHeader](QDialog* dialog) {
            askedForHeader = dialog->objectName() == QLatin1String("PrinterHeaderInput");
            clickButton(dialog, "NAcept");
        });
        click("MPrinter");
        QVERIFY(askedForHeader);
        QVERIFY(services_.printer.printed.isEmpty()); // cancelled: nothing printed, no message
        QCOMPARE(services_.messenger.shown.size(), 2);
        QVERIFY(window_->isVisible());
    }

    void exitClearsThePlannerAndTheMenuReopensTheOtherMode() {
        QTemporaryDir folder;
        Application application;
        application.start(folder.path(), QDate(2027, 1, 31));
        MenuMain& menu = application.menu();
        testing::clickButton(&menu, "LoanPmt");
        QWidget* loan = openedPlanner();
        QVERIFY(loan);
        QCOMPARE(loan->windowTitle(), QStringLiteral("Personal Loan Tables"));
        testing::clickButton(loan, "MCalc");
        QVERIFY(application.state().graph.ResultCount > 0);
        testing::clickButton(loan, "MExit");
        QTRY_VERIFY(menu.isVisible());
        QTRY_VERIFY(!openedPlanner());
        QCOMPARE(application.state().graph.ResultCount, 0);
        QCOMPARE(application.state().ScreenMode, PlannerView::None);
        QVERIFY(application.state().mortgage.result.PayTable.empty());

        testing::clickButton(&menu, "Canadian");
        QWidget* mortgage = openedPlanner();
        QVERIFY(mortgage);
        QCOMPARE(mortgage->windowTitle(), QStringLiteral("Mortgage Tables"));
        mortgage->close(); // the title bar leaves like the exit button
        QTRY_VERIFY(menu.isVisible());
        QCOMPARE(application.state().ScreenMode, PlannerView::None);
    }

    // Alt+X then Alt+A typed ahead, faster than the program answers: the exit acts before the
    // next key is read, so no dialog opens over a window that is already closing. (Acting on a
    // mnemonic after a pause let both clicks land together; the dialog's own loop then freed
    // the window, and the dialog with it, while the dialog was still running.)
    void typedAheadExitActsBeforeTheNextMnemonic() {
        QTemporaryDir folder;
        Application application;
        application.start(folder.path(), QDate(2027, 1, 31));
        MenuMain& menu = application.menu();
        testing::clickButton(&menu, "Canadian");
        const QPointer<QWidget> mortgage = openedPlanner();
        QVERIFY(mortgage && showAndActivate(mortgage));
        int dialogsOpened = 0;
        const auto closeAnyDialog = [&dialogsOpened] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ++dialogsOpened;
                dialog->reject();
            }
        };
        QTimer::singleShot(400, this, closeAnyDialog); // never leave the test blocked

        QTest::keyClick(mortgage, Qt::Key_X, Qt::AltModifier);
        if (mortgage)
            QTest::keyClick(mortgage, Qt::Key_A, Qt::AltModifier);
        // A dialog opened by either key would have run its loop inside the key press, until
        // the timer closed it; one opened later would do so while the planner closes.
        QTRY_VERIFY(!mortgage);
        QCOMPARE(dialogsOpened, 0);
        QVERIFY(menu.isVisible());
    }

    // Exit clicked as the planner's dialog goes away (hidden, its loop not yet returned), as
    // the second click of a quick pair lands: the planner closes once the dialog's loop is over,
    // instead of being deleted from inside it, under the dialog it holds.
    void exitDuringADialogsLastMomentClosesAfterIt() {
        QTemporaryDir folder;
        Application application;
        application.start(folder.path(), QDate(2027, 1, 31));
        MenuMain& menu = application.menu();
        testing::clickButton(&menu, "Canadian");
        const QPointer<QWidget> mortgage = openedPlanner();
        QVERIFY(mortgage);
        bool exitClicked = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            dialog->done(QDialog::Accepted);
            testing::clickButton(mortgage, "MExit");
            exitClicked = true;
            // More events in the same loop, as a busy desktop delivers them.
            QCoreApplication::sendPostedEvents();
        });
        testing::clickButton(mortgage, "MAddPrePay");
        QVERIFY(exitClicked);
        QVERIFY(mortgage); // still here once its dialog's loop is over
        QTRY_VERIFY(!mortgage);
        QVERIFY(menu.isVisible());
    }

private:
    // The planner window the menu opened, if one is showing.
    static QWidget* openedPlanner() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->objectName() == QStringLiteral("MortgageCalc") && widget->isVisible())
                return widget;
        }
        return nullptr;
    }
    void open(int planKind) {
        state_.PlanKind = planKind;
        window_ = new MortgageCalc(state_, services_.services);
        QVERIFY(showAndActivate(window_));
    }
    template <typename T> T* child(const char* name) const {
        return testing::child<T>(window_, name);
    }
    QString box(const char* name) const { return child<QLineEdit>(name)->text(); }
    template <typename T> T* typeInto(const char* name, const QString& keys) {
        return testing::typeInto<T>(window_, name, keys);
    }
    QString heading() const {
        return child<QTableView>("MGrid")->model()->headerData(0, Qt::Horizontal).toString();
    }
    QString cell(int row, int column) const { return gridCell(window_, "MGrid", row, column); }
    int gridRows() const { return gridRowCount(window_, "MGrid"); }
    // A click takes the focus first, so a box being edited is left as with the mouse.
    void click(const char* name) {
        activate(); // after a dialog the window is active again, as the window manager does
        auto* button = child<QPushButton>(name);
        button->setFocus(Qt::MouseFocusReason);
        button->click();
    }
    void pickRow(const char* list, int row) {
        activate();
        auto* combo = child<QComboBox>(list);
        combo->setFocus(Qt::MouseFocusReason); // a click on the list takes the focus first
        combo->setCurrentIndex(row);
        emit combo->activated(row); // what a pick from the drop-down delivers
    }
    void activate() {
        window_->activateWindow();
        QVERIFY(QTest::qWaitFor([this] { return window_->isActiveWindow(); }));
    }
    // Runs `drive` on the modal dialog the next click opens; the dialog is closed anyway.
    void whenDialogOpens(std::function<void(QDialog*)> drive) {
        QTimer::singleShot(0, this, [drive] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            QTimer::singleShot(3000, dialog, &QDialog::reject); // never leave the test blocked
            dialog->activateWindow();
            if (QTest::qWaitFor([dialog] { return dialog->isActiveWindow(); }))
                drive(dialog);
        });
    }

    AppState state_;
    testing::TestServices services_;
    MortgageCalc* window_ = nullptr;
};

QTEST_MAIN(MortgageCalcTest)
#include "MortgageCalcTest.moc"
