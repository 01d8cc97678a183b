#include "ui/common/InputBox.h"

#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/format/LeadingNumber.h"
#include "core/format/NumberFormat.h"
#include "core/format/RightAlign.h"
#include "core/state/AppState.h"
#include "ui/common/MnemonicFocus.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

// A window with a money box, a years box and a button, wired the way planners wire theirs.
class InputBoxTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MnemonicFocus::install(); }

    void init() {
        state_ = AppState();
        services_.beeper.count = 0;
        storedMoney_ = 100000;
        moneyAtClick_ = -1;
        clears_ = 0;

        window_ = new QWidget;
        auto* layout = new QVBoxLayout(window_);
        money_ = new QLineEdit(QStringLiteral("     $100,000.00"), window_);
        years_ = new QLineEdit(QStringLiteral("25"), window_);
        calculate_ = new QPushButton(QStringLiteral("&Calculate"), window_);
        layout->addWidget(money_);
        layout->addWidget(years_);
        layout->addWidget(calculate_);

        InputBoxRules moneyRules;
        moneyRules.filter = amountKeyFilter(services_.beeper);
        moneyRules.onFirstKey = [this] { ++clears_; };
        moneyRules.onLeave = [this](const QString& text) {
            storedMoney_ = leadingNumber(text);
            return moneyText(state_.settings.CurrencySymbol, storedMoney_, u"####,,###.00", 16);
        };
        InputBox::attach(money_, state_, moneyRules)->setNext(years_);

        InputBoxRules yearRules;
        yearRules.filter = [filter = amountKeyFilter(services_.beeper),
                            digits = digitKeyFilter(services_.beeper)](int code) {
            return digits(filter(code));
        };
        yearRules.onLeave = [](const QString& text) {
            return RightAlign(formatNumber(leadingNumber(text), u"##"), 4);
        };
        InputBox::attach(years_, state_, yearRules)->setNext(calculate_);

        connect(calculate_, &QPushButton::clicked, this, [this] { moneyAtClick_ = storedMoney_; });

        QVERIFY(showAndActivate(window_));
        money_->setFocus(Qt::TabFocusReason);
    }

    void cleanup() {
        delete window_;
        QLocale::setDefault(QLocale::c());
    }

    void firstRefusedKeyEmptiesTheBoxAndBeeps() {
        QTest::keyClick(money_, Qt::Key_X);
        QCOMPARE(services_.beeper.count, 1);
        QCOMPARE(money_->text(), QString());
        QCOMPARE(state_.EditStarted, 1);

        years_->setFocus(Qt::TabFocusReason);
        QCOMPARE(storedMoney_, 0.0);
        QCOMPARE(money_->text(), QStringLiteral("            $.00"));
        QCOMPARE(state_.EditStarted, 0);
    }

    void typedValueIsFormattedWhenTheBoxIsLeft() {
        QTest::keyClicks(money_, QStringLiteral("1234.5"));
        QCOMPARE(money_->text(), QStringLiteral("1234.5"));
        QCOMPARE(services_.beeper.count, 0);
        calculate_->setFocus(Qt::MouseFocusReason);
        QCOMPARE(storedMoney_, 1234.5);
        QCOMPARE(money_->text(), QStringLiteral("       $1,234.50"));
    }

    void enterMovesOnAndTheLeaveStepFormats() {
        years_->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(years_, QStringLiteral("25"));
        QTest::keyClick(years_, Qt::Key_Return);
        QCOMPARE(years_->text(), QStringLiteral("  25"));

        money_->setFocus(Qt::TabFocusReason);
        QTest::keyClick(money_, Qt::Key_5);
        QTest::keyClick(money_, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), years_);
        QCOMPARE(money_->text(), QStringLiteral("           $5.00"));
    }

    // A window closed while its box is being edited destroys the box with the focus in it:
    // the half-destroyed box and its window are not stored into.
    void boxDestroyedWithTheFocusStoresNothing() {
        QTest::keyClick(money_, Qt::Key_7);
        QCOMPARE(QApplication::focusWidget(), money_);
        delete money_;
        QCOMPARE(storedMoney_, 100000.0);
    }

    void untouchedBoxKeepsTextAndValue() {
        storedMoney_ = 99999.995; // a value whose text would change if it were reformatted
        years_->setFocus(Qt::TabFocusReason);
        QCOMPARE(money_->text(), QStringLiteral("     $100,000.00"));
        QCOMPARE(storedMoney_, 99999.995);
        QCOMPARE(services_.beeper.count, 0);
    }

    void entryOnTheBoxSelectsItsText() {
        years_->setFocus(Qt::TabFocusReason);
        QCOMPARE(years_->selectedText(), QStringLiteral("25"));
        QTest::mouseClick(money_, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE(money_->selectedText(), money_->text());
    }

    void chainedFiltersBeepTwice() {
        years_->setFocus(Qt::TabFocusReason);
        QTest::keyClick(years_, Qt::Key_2);
        QTest::keyClick(years_, Qt::Key_Period);
        QTest::keyClick(years_, Qt::Key_A);
        QCOMPARE(years_->text(), QStringLiteral("2"));
        QCOMPARE(services_.beeper.count, 3); // "." once by the digit filter, "a" by both
    }

    void altMnemonicCommitsTheBoxBeforeTheClick() {
        QTest::keyClicks(money_, QStringLiteral("250000"));
        QTest::keyClick(window_, Qt::Key_C, Qt::AltModifier);
        QTRY_COMPARE(moneyAtClick_, 250000.0);
        QCOMPARE(money_->text(), QStringLiteral("     $250,000.00"));
    }

    void firstKeyRunsTheClearStepOnce() {
        QTest::keyClicks(money_, QStringLiteral("12"));
        QCOMPARE(clears_, 1);
        years_->setFocus(Qt::TabFocusReason);
        money_->setFocus(Qt::TabFocusReason);
        QTest::keyClick(money_, Qt::Key_Backspace);
        QCOMPARE(clears_, 2);
        QCOMPARE(money_->text(), QString());
    }

    void pastedTextIsAnEditLikeTypedText() {
        QApplication::clipboard()->setText(QStringLiteral("2500"));
        QTest::keyClick(money_, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(money_->text(), QStringLiteral("2500"));
        QCOMPARE(state_.EditStarted, 1);
        QCOMPARE(clears_, 1);
        years_->setFocus(Qt::TabFocusReason);
        QCOMPARE(storedMoney_, 2500.0);
        QCOMPARE(money_->text(), QStringLiteral("       $2,500.00"));
    }

    // Pasted, dropped and composed text is typed through the box's rule, character by
    // character: refused characters beep and are dropped, and the first one empties the box.
    void textFromEveryOtherSourceIsTypedThroughTheRule() {
        QApplication::clipboard()->setText(QStringLiteral("-12a\n5"));
        QTest::keyClick(money_, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(money_->text(), QStringLiteral("125"));
        QCOMPARE(services_.beeper.count, 2); // "-" and "a"; the line break types nothing
        QCOMPARE(clears_, 1);

        years_->setFocus(Qt::TabFocusReason);
        QMimeData dropped;
        dropped.setText(QStringLiteral("-3.0"));
        QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction | Qt::MoveAction, &dropped,
                              Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(money_, &enter);
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction | Qt::MoveAction, &dropped, Qt::LeftButton,
                        Qt::NoModifier);
        QApplication::sendEvent(money_, &drop);
        QCOMPARE(QApplication::focusWidget(), money_);
        QCOMPARE(money_->text(), QStringLiteral("3.0"));
        QCOMPARE(drop.dropAction(), Qt::CopyAction);
        QCOMPARE(services_.beeper.count, 3);

        QInputMethodEvent composed;
        composed.setCommitString(QStringLiteral("-"));
        QApplication::sendEvent(money_, &composed);
        QCOMPARE(money_->text(), QStringLiteral("3.0"));
        QCOMPARE(services_.beeper.count, 4);
        years_->setFocus(Qt::TabFocusReason);
        QCOMPARE(storedMoney_, 3.0);
    }

    void contextMenuPasteIsTypedThroughTheRule() {
        QApplication::clipboard()->setText(QStringLiteral("-7"));
        QTimer::singleShot(0, [] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions())
                if (action->text().startsWith(QStringLiteral("&Paste")))
                    action->trigger();
            menu->close();
        });
        QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, QPoint(2, 2),
                                    money_->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(money_, &menuEvent);
        QCOMPARE(money_->text(), QStringLiteral("7"));
        QCOMPARE(services_.beeper.count, 1);
    }

    // Some locales give the keypad's decimal key ",", which no amount box takes; it types ".".
    void keypadDecimalKeyTypesAPointInACommaLocale() {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QTest::keyClicks(money_, QStringLiteral("1234"));
        QKeyEvent keypadSeparator(QEvent::KeyPress, Qt::Key_Comma, Qt::KeypadModifier,
                                  QStringLiteral(","));
        QApplication::sendEvent(money_, &keypadSeparator);
        QTest::keyClicks(money_, QStringLiteral("56"));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(money_->text(), QStringLiteral("1234.56"));
        QCOMPARE(services_.beeper.count, 0);
        years_->setFocus(Qt::TabFocusReason);
        QCOMPARE(storedMoney_, 1234.56);
    }

    // Where the locale writes a decimal comma its comma key types the point; elsewhere the comma
    // stays refused, so "100,000" is a hundred thousand. A box of whole numbers refuses it.
    void commaTypesThePointWhereTheLocaleWritesADecimalComma_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("stored");
        QTest::newRow("de_DE") << "de_DE" << 12345.5;
        QTest::newRow("fr_FR") << "fr_FR" << 12345.5;
        QTest::newRow("en_US") << "en_US" << 1234550.0;
    }
    void commaTypesThePointWhereTheLocaleWritesADecimalComma() {
        QFETCH(QString, locale);
        QLocale::setDefault(QLocale(locale));
        QTest::keyClicks(money_, QStringLiteral("12345,50"));
        QTest::keyClick(money_, Qt::Key_Return);
        QTEST(storedMoney_, "stored");
        QTest::keyClicks(years_, QStringLiteral("2,5"));
        QCOMPARE(years_->text(), QStringLiteral("25"));
    }

    // Escape is no typed key: it leaves the box as it is and goes on to the dialog.
    void escapeGoesOnToTheDialog() {
        QDialog dialog;
        auto* box = new QLineEdit(QStringLiteral("12"), &dialog);
        InputBoxRules rules;
        rules.filter = amountKeyFilter(services_.beeper);
        InputBox::attach(box, state_, rules);
        dialog.show();
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(box->text(), QStringLiteral("12"));
        QCOMPARE(services_.beeper.count, 0);
    }

    // A message shown while the box is left takes the mouse release; the click still completes.
    void clickCompletesAfterAMessageShownByTheLeaveStep() {
        QSignalSpy clicks(calculate_, &QPushButton::clicked);
        // The leave step of this box shows a modal message, answered while the button is down.
        InputBoxRules rules;
        rules.onLeave = [](const QString& text) {
            QDialog message;
            QTimer::singleShot(0, &message, [&message] {
                QTest::mouseRelease(&message, Qt::LeftButton);
                message.accept();
            });
            message.exec();
            return text;
        };
        InputBox::attach(years_, state_, rules);
        years_->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(years_, QStringLiteral("9"));
        const QPoint onButton = calculate_->mapTo(window_, calculate_->rect().center());
        QTest::mousePress(window_->windowHandle(), Qt::LeftButton, {}, onButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!calculate_->isDown());

        // Without a message the press and release click the button once, as usual.
        money_->setFocus(Qt::TabFocusReason);
        QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, onButton);
        QCOMPARE(clicks.count(), 2);
    }

    void deleteAndAltKeysTypeNothing() {
        // The platform delivers Alt+letter with the letter: a mnemonic nobody owns types nothing.
        QKeyEvent altQ(QEvent::KeyPress, Qt::Key_Q, Qt::AltModifier, QStringLiteral("q"));
        QApplication::sendEvent(money_, &altQ);
        QCOMPARE(money_->text(), QStringLiteral("     $100,000.00"));
        QCOMPARE(state_.EditStarted, 0);
        QCOMPARE(services_.beeper.count, 0);

        // Delete comes with the text "\x7f" but is no typed character: it removes one character
        // without emptying the box or beeping, and like any change of the text it is an edit.
        QTest::keyClick(money_, Qt::Key_End);
        QTest::keyClick(money_, Qt::Key_Left);
        QKeyEvent deleteKey(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier,
                            QStringLiteral("\x7f"));
        QApplication::sendEvent(money_, &deleteKey);
        QCOMPARE(money_->text(), QStringLiteral("     $100,000.0"));
        QCOMPARE(services_.beeper.count, 0);
        QCOMPARE(clears_, 1);
        QCOMPARE(state_.EditStarted, 1);
    }

private:
    AppState state_;
    testing::TestServices services_;
    QWidget* window_ = nullptr;
    QLineEdit* money_ = nullptr;
    QLineEdit* years_ = nullptr;
    QPushButton* calculate_ = nullptr;
    double storedMoney_ = -1;
    double moneyAtClick_ = -1;
    int clears_ = 0;
};

QTEST_MAIN(InputBoxTest)
#include "InputBoxTest.moc"
