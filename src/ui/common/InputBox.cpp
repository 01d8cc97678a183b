#include "common/InputBox.h"

#include "common/Beeper.h"
#include "format/KeyFilter.h"
#include "state/AppState.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace pennywell::ui {
namespace {

constexpr int EnterCode = 13;
constexpr int BackspaceCode = 8;

// The character code a key press delivers, or 0 for keys that type nothing (arrows, Delete,
// function keys), which the box handles as usual. Some platforms deliver Delete with the
// text "\x7f"; it still types nothing.
int keyCodeOf(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return EnterCode;
    case Qt::Key_Backspace:
        return BackspaceCode;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return 0;
    default:
        break;
    }
    const QString text = key->text();
    return text.isEmpty() ? 0 : int(text.at(0).unicode());
}

// Alt with a key that is no mnemonic types nothing, though some platforms deliver the letter.
// Ctrl+Alt is left alone: it is how some keyboards type characters such as the euro sign.
bool isUnusedAltKey(const QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) &&
           !key->text().isEmpty();
}

bool isIgnoredFocusChange(Qt::FocusReason reason) {
    // Another window or a popup taking the focus does not leave the box.
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

KeyFilter beepingFilter(int (*filter)(int), Beeper& beeper) {
    return [filter, &beeper](int keyCode) {
        const int result = filter(keyCode);
        if (result == 0)
            beeper.beep();
        return result;
    };
}

} // namespace

KeyFilter amountKeyFilter(Beeper& beeper) {
    return beepingFilter(FilterAmountKey, beeper);
}

KeyFilter digitKeyFilter(Beeper& beeper) {
    return beepingFilter(FilterDigitKey, beeper);
}

KeyFilter anyKeyFilter() {
    return [](int keyCode) { return keyCode; };
}

InputBox::InputBox(QWidget* focusTarget, QLineEdit* edit, AppState& state, InputBoxRules rules)
    : QObject(focusTarget), focusTarget_(focusTarget), edit_(edit), state_(state),
      rules_(std::move(rules)) {
    focusTarget_->installEventFilter(this);
    if (edit_ != focusTarget_)
        edit_->installEventFilter(this);
    // Text pasted before any key is typed is an edit all the same: it starts the edit (and
    // clears the planner's results), so leaving the box stores what it shows.
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        dropPastedKeys(text);
        if (state_.EditStarted == 0 && rules_.emptiesOnFirstKey) {
            state_.EditStarted = 1;
            if (rules_.onFirstKey)
                rules_.onFirstKey();
        }
    });
}

// Typed keys never get here with a dropped character; pasted text can, and obeys the same rule.
void InputBox::dropPastedKeys(const QString& text) {
    if (rules_.droppedKeys.isEmpty())
        return;
    QString kept;
    int cursor = edit_->cursorPosition();
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!rules_.droppedKeys.contains(text.at(i)))
            kept.append(text.at(i));
        else if (i < edit_->cursorPosition())
            --cursor;
    }
    if (kept.size() == text.size())
        return;
    edit_->setText(kept);
    edit_->setCursorPosition(cursor);
}

InputBox* InputBox::attach(QLineEdit* edit, AppState& state, InputBoxRules rules) {
    return new InputBox(edit, edit, state, std::move(rules));
}

InputBox* InputBox::attach(QComboBox* combo, AppState& state, InputBoxRules rules) {
    return new InputBox(combo, combo->lineEdit(), state, std::move(rules));
}

void InputBox::startEdit() {
    edit_->clear();
    state_.EditStarted = 1;
    if (rules_.onFirstKey)
        rules_.onFirstKey();
}

bool InputBox::keyPressed(int keyCode) {
    if (keyCode == EnterCode) {
        if (next_)
            next_->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (rules_.droppedKeys.contains(QChar(keyCode)))
        return true;
    if (rules_.restartingKeys.contains(QChar(keyCode))) {
        startEdit();
        return false;
    }
    const int accepted = rules_.filter(keyCode);
    if (state_.EditStarted == 0 && rules_.emptiesOnFirstKey)
        startEdit();
    return accepted == 0;
}

void InputBox::leave() {
    if (state_.EditStarted == 0 && !rules_.commitsWithoutEdit)
        return;
    if (rules_.onLeave)
        edit_->setText(rules_.onLeave(edit_->text()));
    state_.EditStarted = 0;
}

bool InputBox::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        if (watched != focusTarget_)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && rules_.onDeleteKey)
            rules_.onDeleteKey();
        if (isUnusedAltKey(key))
            return true;
        const int keyCode = keyCodeOf(key);
        return keyCode != 0 && keyPressed(keyCode);
    }
    case QEvent::FocusIn: {
        if (watched != focusTarget_)
            return false;
        edit_->selectAll();
        // A click places the cursor after the focus arrives; select again once it has.
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
            QTimer::singleShot(0, edit_, &QLineEdit::selectAll);
        return false;
    }
    case QEvent::FocusOut:
        if (watched == focusTarget_ &&
            !isIgnoredFocusChange(static_cast<QFocusEvent*>(event)->reason()))
            leave();
        return false;
    case QEvent::MouseButtonPress:
        if (rules_.emptiesOnClick && watched == edit_)
            startEdit();
        return false;
    default:
        return false;
    }
}

} // namespace pennywell::ui
