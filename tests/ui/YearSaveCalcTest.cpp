#include "savings/YearSaveCalc.h"

#include "TestServices.h"
#include "common/MnemonicFocus.h"
#include "format/RightAlign.h"
#include "savings/SavingsState.h"
#include "state/AppState.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace pennywell;
using namespace pennywell::ui;

class YearSaveCalcTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MnemonicFocus::install(); }
    void init();
    void cleanup();

    void opensEmptyWithMonthlySelected();
    void enterMovesToTheRateAndThenToCalculate();
    void calculatesEachFrequencyAndAnOptionClickRecalculates();
    void zeroRateLeavesTheLabelAsItWas();
    void firstKeyEmptiesTheBoxAndTheResult();
    void insertWritesTheAnnualAmountAndStaysOpen();
    void exitAndEscapeClearTheDialogsSlots();

private:
    QLineEdit* box(const char* name) { return dialog_->findChild<QLineEdit*>(name); }
    QString result() { return dialog_->findChild<QLabel*>("ResultAnt")->text(); }
    void enter(const QString& deposit, const QString& rate);
    // A mouse click: the control takes the focus (the box being edited is left), then acts.
    void press(const char* name) {
        auto* control = dialog_->findChild<QAbstractButton*>(name);
        control->setFocus(Qt::MouseFocusReason);
        control->click();
    }

    AppState state_;
    testing::TestServices services_;
    YearSaveCalc* dialog_ = nullptr;
};

void YearSaveCalcTest::init() {
    state_ = AppState();
    state_.savings.EntryValues[AnnualAmountSlot] = *Currency::fromDouble(1000);
    services_.messenger.shown.clear();
    dialog_ = new YearSaveCalc(state_, services_.services);
    dialog_->show();
    dialog_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog_));
}

void YearSaveCalcTest::cleanup() {
    delete dialog_;
    dialog_ = nullptr;
}

void YearSaveCalcTest::enter(const QString& deposit, const QString& rate) {
    box("inDeposit")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box("inDeposit"), deposit);
    box("inRate")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box("inRate"), rate);
    dialog_->findChild<QPushButton*>("YCalc")->setFocus(Qt::TabFocusReason);
}

void YearSaveCalcTest::opensEmptyWithMonthlySelected() {
    QCOMPARE(dialog_->windowTitle(), QStringLiteral("Investments made during each Year"));
    QVERIFY(box("inDeposit")->text().isEmpty());
    QVERIFY(box("inRate")->text().isEmpty());
    QVERIFY(dialog_->findChild<QRadioButton*>("Option1")->isChecked());
    QCOMPARE(dialog_->findChild<QLabel*>("Label1")->text(), QStringLiteral("       Invested"));
}

void YearSaveCalcTest::enterMovesToTheRateAndThenToCalculate() {
    box("inDeposit")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box("inDeposit"), "100");
    QTest::keyClick(box("inDeposit"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), box("inRate"));
    QCOMPARE(box("inDeposit")->text(), RightAlign("$100.00", 13));
    QTest::keyClicks(box("inRate"), "12");
    QTest::keyClick(box("inRate"), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), dialog_->findChild<QPushButton*>("YCalc"));
    QCOMPARE(box("inRate")->text(), RightAlign("12.00", 15) + "%");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(result(), RightAlign("$1,278.00", 13));
}

void YearSaveCalcTest::calculatesEachFrequencyAndAnOptionClickRecalculates() {
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

void YearSaveCalcTest::zeroRateLeavesTheLabelAsItWas() {
    enter("100", "12");
    press("YCalc");
    box("inRate")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box("inRate"), "0");
    press("Option2");
    QCOMPARE(result(), QString()); // the first key emptied it and no result replaced it
    press("YInsert");
    QCOMPARE(state_.savings.EntryValues[AnnualAmountSlot], Currency());
}

void YearSaveCalcTest::firstKeyEmptiesTheBoxAndTheResult() {
    enter("100", "12");
    press("YCalc");
    box("inDeposit")->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box("inDeposit"), "2");
    QCOMPARE(box("inDeposit")->text(), QStringLiteral("2"));
    QVERIFY(result().isEmpty());
}

void YearSaveCalcTest::insertWritesTheAnnualAmountAndStaysOpen() {
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

void YearSaveCalcTest::exitAndEscapeClearTheDialogsSlots() {
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

QTEST_MAIN(YearSaveCalcTest)
#include "YearSaveCalcTest.moc"
