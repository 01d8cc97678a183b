#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/state/AppState.h"
#include "ui/mortgage/MortDateInput.h"
#include "ui/mortgage/MortIRFTable.h"
#include "ui/mortgage/MortPrePay.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

class MortgageDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void init() {
        state_ = AppState();
        state_.FirstPayDate = QDate(2027, 1, 31);
        services_.messenger.shown.clear();
        services_.beeper.count = 0;
        extras_ = {};
        extraCount_ = 0;
    }

    void daysDialogShowsAndSetsTheChoice() {
        mortgage::DaysInYearSetting days = mortgage::daysInYearSetting(2);
        MortIRFTable dialog(days);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Accelerated payments"));
        const QList<QRadioButton*> options = dialog.findChildren<QRadioButton*>("IRFactor");
        QCOMPARE(options.size(), 4);
        QCOMPARE(options[0]->text(), QStringLiteral("365.25"));
        QVERIFY(options[2]->isChecked());
        options[3]->click();
        QCOMPARE(days.DaysChoice, 3);
        QCOMPARE(days.DaysInYear, 363.0);
        QCOMPARE(days.FortnightsPerYear, 25.92857143);
        QCOMPARE(days.WeeksPerYear, 51.85714286);
        QVERIFY(showAndActivate(&dialog));
        clickButton(&dialog, "ExitMort");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }

    void additionalPaymentsGridHasARowPerYearOfTheTerm() {
        MortPrePay mortgage(extras_, extraCount_, 25, state_, services_.services);
        auto* grid = child<QTableWidget>(&mortgage, "PGrid");
        QCOMPARE(mortgage.windowTitle(), QStringLiteral("Additional Payments"));
        QCOMPARE(grid->rowCount(), 25);
        QCOMPARE(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Amount of Payment"));
        QCOMPARE(grid->item(24, 0)->text(), QStringLiteral("25"));
        QCOMPARE(grid->item(0, 1)->text(), QStringLiteral(".00"));
        QCOMPARE(extras_[25].year, Currency::fromUnits(250000));

        MortPrePay loan(extras_, extraCount_, 10, state_, services_.services);
        auto* loanGrid = child<QTableWidget>(&loan, "PGrid");
        QCOMPARE(loanGrid->rowCount(), 19);
        QCOMPARE(loanGrid->item(9, 0)->text(), QStringLiteral("10"));
        QVERIFY(loanGrid->item(10, 0) == nullptr);
    }

    void enteredPaymentIsShownStoredAndCounted() {
        MortPrePay dialog(extras_, extraCount_, 25, state_, services_.services);
        QVERIFY(showAndActivate(&dialog));
        auto* year = child<QLineEdit>(&dialog, "InYear");
        auto* amount = child<QLineEdit>(&dialog, "InPayment");
        type(year, QStringLiteral("3"));
        QCOMPARE(QApplication::focusWidget(), amount);
        QTest::keyClicks(amount, QStringLiteral("5000"));
        // Clicking OK enters the amount still being typed.
        clickButton(&dialog, "UsePrePay");
        QCOMPARE(child<QTableWidget>(&dialog, "PGrid")->item(2, 1)->text(),
                 QStringLiteral("5,000.00"));
        QCOMPARE(extras_[3].amount, Currency::fromUnits(50000000));
        QCOMPARE(extraCount_, 1);
        QVERIFY(year->text().isEmpty());
        QVERIFY(!dialog.isVisible());
        QVERIFY(services_.messenger.shown.isEmpty());
    }

    void eraseAllRemovesEveryAmount() {
        extras_[3] = {Currency::fromUnits(30000), Currency::fromUnits(50000000)};
        extraCount_ = 1;
        {
            MortPrePay dialog(extras_, extraCount_, 25, state_, services_.services);
            QCOMPARE(child<QTableWidget>(&dialog, "PGrid")->item(2, 1)->text(),
                     QStringLiteral("5,000.00"));
            clickButton(&dialog, "DoNotUse");
        }
        QCOMPARE(extraCount_, 0);
        QCOMPARE(extras_[3].amount, Currency());
        MortPrePay reopened(extras_, extraCount_, 25, state_, services_.services);
        QCOMPARE(child<QTableWidget>(&reopened, "PGrid")->item(2, 1)->text(),
                 QStringLiteral(".00"));
    }

    void yearOutsideTheTermIsRefused() {
        MortPrePay dialog(extras_, extraCount_, 25, state_, services_.services);
        QVERIFY(showAndActivate(&dialog));
        auto* year = child<QLineEdit>(&dialog, "InYear");
        type(year, QStringLiteral("2x6"));
        QCOMPARE(services_.beeper.count, 1);
        QCOMPARE(messages(services_.messenger), QStringList{"Help| Year number does not exist."});
        QTRY_COMPARE(QApplication::focusWidget(), year);

        // An amount typed after the refusal does not land in another year.
        type(child<QLineEdit>(&dialog, "InPayment"), QStringLiteral("100"));
        QCOMPARE(services_.messenger.shown.size(), 3);
        QCOMPARE(services_.messenger.shown[2].text, QStringLiteral(" Year number does not exist."));
        for (const mortgage::ExtraPayment& extra : extras_)
            QCOMPARE(extra.amount, Currency());
    }

    void amountWithoutAYearIsRefused() {
        MortPrePay dialog(extras_, extraCount_, 25, state_, services_.services);
        QVERIFY(showAndActivate(&dialog));
        type(child<QLineEdit>(&dialog, "InYear"), QStringLiteral("0"));
        QVERIFY(services_.messenger.shown.isEmpty()); // year 0 passes the year check
        auto* amount = child<QLineEdit>(&dialog, "InPayment");
        type(amount, QStringLiteral("100"));
        QCOMPARE(services_.messenger.shown.size(), 1);
        QCOMPARE(services_.messenger.shown[0].text,
                 QStringLiteral(" Must have a valid year number."));
        QVERIFY(amount->text().isEmpty());
        QTRY_COMPARE(QApplication::focusWidget(), child<QLineEdit>(&dialog, "InYear"));
        QCOMPARE(extras_[0].amount, Currency());
    }

    void typedDateReplacesTheFirstPaymentDate() {
        state_.EditStarted = 1;
        MortDateInput dialog(state_, services_.services);
        QCOMPARE(state_.EditStarted, 0);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Date Input"));
        auto* date = child<QLineEdit>(&dialog, "InDate");
        const QLocale locale;
        QCOMPARE(date->text(), locale.toString(QDate(2027, 1, 31), QLocale::ShortFormat));
        QVERIFY(showAndActivate(&dialog));
        date->setFocus(Qt::TabFocusReason);
        QTest::keyClick(date, Qt::Key_2);
        QCOMPARE(date->text(), QStringLiteral("2")); // the first key replaces the old date
        QTest::keyClicks(date, QStringLiteral("028-02-29"));
        QTest::keyClick(date, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), child<QPushButton>(&dialog, "OkExit"));
        QCOMPARE(state_.FirstPayDate, QDate(2028, 2, 29));
        QCOMPARE(date->text(), locale.toString(QDate(2028, 2, 29), QLocale::ShortFormat));

        // A date in the locale's own short form reads too.
        type(date, locale.toString(QDate(2029, 12, 1), QLocale::ShortFormat));
        QCOMPARE(state_.FirstPayDate, QDate(2029, 12, 1));
        // Enter moved to "OK"; Enter again closes the dialog.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
    }

    void unreadableDateBringsThePreviousOneBack() {
        MortDateInput dialog(state_, services_.services);
        QVERIFY(showAndActivate(&dialog));
        auto* date = child<QLineEdit>(&dialog, "InDate");
        type(date, QStringLiteral("2027-02-30"));
        QCOMPARE(messages(services_.messenger),
                 QStringList{"Entry error|Not a valid date, try again. "});
        QCOMPARE(state_.FirstPayDate, QDate(2027, 1, 31));
        QCOMPARE(date->text(), QLocale().toString(QDate(2027, 1, 31), QLocale::ShortFormat));
        QTRY_COMPARE(QApplication::focusWidget(), date);
    }

    void escapeLeavesTheDateAsItWas() {
        MortDateInput dialog(state_, services_.services);
        QVERIFY(showAndActivate(&dialog));
        auto* date = child<QLineEdit>(&dialog, "InDate");
        date->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(date, QStringLiteral("2027-02-"));
        QTest::keyClick(date, Qt::Key_Escape);
        QVERIFY(!dialog.isVisible());
        QVERIFY(services_.messenger.shown.isEmpty());
        QCOMPARE(state_.FirstPayDate, QDate(2027, 1, 31));
        QCOMPARE(state_.EditStarted, 0);
    }

    void dateOutsideThisCenturySurvivesTheShortForm() {
        // "M/d/yy" shows 1998 as "98"; reading that back must not move the date a century.
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        state_.FirstPayDate = QDate(1998, 6, 15);
        {
            MortDateInput dialog(state_, services_.services);
            QVERIFY(showAndActivate(&dialog));
            auto* date = child<QLineEdit>(&dialog, "InDate");
            auto* ok = child<QPushButton>(&dialog, "OkExit");
            date->setFocus(Qt::TabFocusReason);
            ok->setFocus(Qt::TabFocusReason);
            QCOMPARE(state_.FirstPayDate, QDate(1998, 6, 15));

            type(date, QStringLiteral("7/1/1999"));
            QCOMPARE(state_.FirstPayDate, QDate(1999, 7, 1));
            date->setFocus(Qt::TabFocusReason);
            ok->click();
            QCOMPARE(state_.FirstPayDate, QDate(1999, 7, 1));
            QVERIFY(services_.messenger.shown.isEmpty());
        }
        QLocale::setDefault(previous);
    }

private:
    static void type(QLineEdit* box, const QString& keys) {
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, keys);
        QTest::keyClick(box, Qt::Key_Return);
    }

    AppState state_;
    testing::TestServices services_;
    mortgage::ExtraPayments extras_{};
    int extraCount_ = 0;
};

QTEST_MAIN(MortgageDialogsTest)
#include "MortgageDialogsTest.moc"
