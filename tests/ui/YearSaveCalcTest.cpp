#include "ui/savings/YearSaveCalc.h"

#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/format/RightAlign.h"
#include "core/savings/SavingsState.h"
#include "core/state/AppState.h"
#include "ui/common/MnemonicFocus.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

class YearSaveCalcTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MnemonicFocus::install(); }

    void init() {
        state_ = AppState();
        state_.savings.EntryValues[AnnualAmountSlot] = *Currency::fromDouble(1000);
        services_.messenger.shown.clear();
        dialog_ = new YearSaveCalc(state_, services_.services);
        QVERIFY(showAndActivate(dialog_));
    }

    void cleanup() {
        delete dialog_;
        dialog_ = nullptr;
    }

    void opensEmptyWithMonthlySelected() {
        QCOMPARE(dialog_->windowTitle(), QStringLiteral("Investments made during each Year"));
        QVERIFY(box("inDeposit")->text().isEmpty());
        QVERIFY(box("inRate")->text().isEmpty());
        QVERIFY(child<QRadioButton>(dialog_, "Option1")->isChecked());
        QCOMPARE(child<QLabel>(dialog_, "Label1")->text(), QStringLiteral("       Invested"));
    }

    void pastedMinusIsRefusedInTheDeposit() {
        QApplication::clipboard()->setText(QStringLiteral("-100"));
        box("inDeposit")->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box("inDeposit"), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box("inDeposit")->text(), QStringLiteral("100"));
        QCOMPARE(services_.beeper.count, 1);
        box("inRate")->setFocus(Qt::TabFocusReason);
        QCOMPARE(box("inDeposit")->text(), RightAlign("$100.00", 13));
    }

    void enterMovesToTheRateAndThenToCalculate() {
        box("inDeposit")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box("inDeposit"), "100");
        QTest::keyClick(box("inDeposit"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), box("inRate"));
        QCOMPARE(box("inDeposit")->text(), RightAlign("$100.00", 13));
        QTest::keyClicks(box("inRate"), "12");
        QTest::keyClick(box("inRate"), Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(dialog_, "YCalc"));
        QCOMPARE(box("inRate")->text(), RightAlign("12.00", 15) + "%");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(result(), RightAlign("$1,278.00", 13));
    }

    void calculatesEachFrequencyAndAnOptionClickRecalculates() {
        enter("250", "8");
        press("Option2");
        QCOMPARE(result(), RightAlign("$1,050.00", 13));

        enter("500", "10");
        press("Option3");
        QCOMPARE(result(), RightAlign("$1,075.00", 13));

        enter("11", "5");
        press("Option1");
        QCOMPARE(result(), RightAlign("$135.58", 13)); // an exact half cent rounds up
    }

    void zeroRateLeavesTheLabelAsItWas() {
        enter("100", "12");
        press("YCalc");
        box("inRate")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box("inRate"), "0");
        press("Option2");
        QCOMPARE(result(), QString()); // the first key emptied it and no result replaced it
        press("YInsert");
        QCOMPARE(state_.savings.EntryValues[AnnualAmountSlot], Currency());
    }

    void firstKeyEmptiesTheBoxAndTheResult() {
        enter("100", "12");
        press("YCalc");
        box("inDeposit")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box("inDeposit"), "2");
        QCOMPARE(box("inDeposit")->text(), QStringLiteral("2"));
        QVERIFY(result().isEmpty());
    }

    void insertWritesTheAnnualAmountAndStaysOpen() {
        QSignalSpy inserted(dialog_, &YearSaveCalc::annualAmountInserted);
        press("YInsert"); // nothing calculated inserts 0
        QCOMPARE(state_.savings.EntryValues[AnnualAmountSlot], Currency());
        enter("250", "8");
        press("Option2");
        press("YInsert");
        QCOMPARE(state_.savings.EntryValues[AnnualAmountSlot], *Currency::fromDouble(1050));
        QCOMPARE(inserted.count(), 2);
        QVERIFY(dialog_->isVisible());
    }

    void exitAndEscapeClearTheDialogsSlots() {
        // Alt+X presses "E&xit"; Escape leaves the same way.
        for (const QKeyCombination leave :
             {QKeyCombination(Qt::AltModifier, Qt::Key_X), QKeyCombination(Qt::Key_Escape)}) {
            dialog_->show();
            QVERIFY(QTest::qWaitForWindowActive(dialog_));
            enter("250", "8");
            QTest::keyClick(dialog_, leave.key(), leave.keyboardModifiers());
            QTRY_VERIFY(!dialog_->isVisible());
            QCOMPARE(dialog_->result(), int(QDialog::Accepted));
            QCOMPARE(state_.savings.EntryValues[YearlyRateSlot], Currency());
            QCOMPARE(state_.savings.EntryValues[YearlyDepositSlot], Currency());
        }
    }

private:
    QLineEdit* box(const char* name) { return child<QLineEdit>(dialog_, name); }
    QString result() { return child<QLabel>(dialog_, "ResultAnt")->text(); }
    void enter(const QString& deposit, const QString& rate) {
        box("inDeposit")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box("inDeposit"), deposit);
        box("inRate")->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box("inRate"), rate);
        child<QPushButton>(dialog_, "YCalc")->setFocus(Qt::TabFocusReason);
    }
    // A mouse click: the control takes the focus (the box being edited is left), then acts.
    void press(const char* name) {
        auto* control = child<QAbstractButton>(dialog_, name);
        control->setFocus(Qt::MouseFocusReason);
        control->click();
    }

    AppState state_;
    testing::TestServices services_;
    YearSaveCalc* dialog_ = nullptr;
};

QTEST_MAIN(YearSaveCalcTest)
#include "YearSaveCalcTest.moc"
