#include "core/format/LeadingNumber.h"
#include "core/mortgage/MortgageTexts.h"
#include "core/state/AppState.h"
#include "ui/common/Beeper.h"
#include "ui/common/InputBox.h"
#include "ui/common/Messenger.h"
#include "ui/common/Services.h"
#include "ui/mortgage/MortgageCalc.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace pennywell::ui {
namespace {

using namespace pennywell::mortgage;

bool isEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isFocusMove(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

} // namespace

void MortgageCalc::attachInputBehaviour() {
    // Every input box clears the results on its first key and on Delete.
    const auto rules = [this](KeyFilter filter, QString (MortgageCalc::*leave)(const QString&)) {
        InputBoxRules box;
        box.filter = std::move(filter);
        box.onFirstKey = [this] { ClearResults(); };
        box.onDeleteKey = box.onFirstKey;
        box.onLeave = [this, leave](const QString& text) { return (this->*leave)(text); };
        return box;
    };
    Beeper& beeper = services_.beeper;
    InputBox::attach(inPrincipal_, state_,
                     rules(amountKeyFilter(beeper), &MortgageCalc::leavePrincipal))
        ->setNext(inRate_);
    InputBox::attach(inRate_, state_, rules(amountKeyFilter(beeper), &MortgageCalc::leaveRate))
        ->setNext(inTerm_);
    InputBoxRules term = rules(digitKeyFilter(beeper), &MortgageCalc::leaveTerm);
    term.commitsWithoutEdit = true; // the limit is checked on every leave
    InputBox::attach(inTerm_, state_, std::move(term))->setNext(comperiod_);
}

QString MortgageCalc::leavePrincipal(const QString& text) {
    // A list pick or view change marks an edit as started; leaving the untouched box then must
    // not read its "$" text as 0.
    if (text == principalShown_)
        return text;
    commitAmount(text, inputs_.principal);
    principalShown_ =
        principalBoxText(state_.settings.CurrencySymbol, inputs_.principal.toDouble());
    return principalShown_;
}

QString MortgageCalc::leaveRate(const QString& text) {
    commitAmount(text, inputs_.ratePercent);
    return rateBoxText(inputs_.ratePercent.toDouble());
}

void MortgageCalc::commitAmount(const QString& text, Currency& into) {
    const std::optional<Currency> value = Currency::fromDouble(leadingNumber(text));
    if (value) // a value beyond the money range is refused; the last one stays
        into = *value;
    else
        services_.beeper.beep();
}

QString MortgageCalc::leaveTerm(const QString& text) {
    const TermLimit limit = termLimit(mode_);
    QString shown = text;
    if (leadingNumber(text) > limit.limit) {
        services_.messenger.show(this, Message{limit.message, QStringLiteral("Help")});
        shown = QString::number(limit.limit);
    }
    if (state_.EditStarted != 1)
        return shown;
    const double term = leadingNumber(shown);
    inputs_.term = *Currency::fromDouble(term); // at most the limit, so it always fits
    return termBoxText(term);
}

void MortgageCalc::termPicked() {
    inputs_.extraPayments = ExtraPayments{};
    // Nothing is left to list, so the additional-payments block must not be shown either.
    inputs_.ExtraCount = 0;
    ClearResults();
}

bool MortgageCalc::listKeyPressed(QWidget* next, int key, const QString& text) {
    if (isEnter(key)) {
        next->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (isFocusMove(key) || text.isEmpty())
        return false; // arrows and page keys pick rows as usual
    services_.beeper.beep();
    ClearResults();
    return true;
}

bool MortgageCalc::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == comperiod_)
        return listKeyPressed(freqPmt_, key->key(), key->text());
    if (watched == freqPmt_)
        return listKeyPressed(mCalc_, key->key(), key->text());
    return QWidget::eventFilter(watched, event);
}

} // namespace pennywell::ui
