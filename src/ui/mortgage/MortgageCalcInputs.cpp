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
    using Commit = std::function<BoxCommit(const QString&)>;
    const auto rules = [this](KeyFilter filter, Commit commit) {
        InputBoxRules box;
        box.filter = std::move(filter);
        box.onFirstKey = [this] { ClearResults(); };
        box.onDeleteKey = box.onFirstKey;
        box.onLeave = [this, commit](const QString& text) {
            return answerCommit(this, services_, commit(text));
        };
        return box;
    };
    Beeper& beeper = services_.beeper;
    InputBox::attach(inPrincipal_, state_,
                     rules(amountKeyFilter(beeper),
                           [this](const QString& text) { return session_.commitPrincipal(text); }))
        ->setNext(inRate_);
    InputBox::attach(inRate_, state_,
                     rules(amountKeyFilter(beeper),
                           [this](const QString& text) { return session_.commitRate(text); }))
        ->setNext(inTerm_);
    InputBoxRules term = rules(digitKeyFilter(beeper), [this](const QString& text) {
        return session_.commitTerm(text, state_.EditStarted);
    });
    term.commitsWithoutEdit = true; // the limit is checked on every leave
    InputBox::attach(inTerm_, state_, std::move(term))->setNext(comperiod_);
}

void MortgageCalc::termPicked() {
    session_.termPicked();
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
