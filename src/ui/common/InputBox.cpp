#include "ui/common/InputBox.h"

#include "core/format/KeyFilter.h"
#include "core/state/AppState.h"
#include "ui/common/Beeper.h"
#include "ui/common/Messenger.h"
#include "ui/common/Services.h"
#include "ui/common/WholeText.h"

#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
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
    case Qt::Key_Escape: // goes on to the dialog, which closes
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

// The keypad's decimal key types the locale's decimal separator, "," in many locales.
bool isKeypadDecimalKey(const QKeyEvent* key) {
    return key->modifiers().testFlag(Qt::KeypadModifier) &&
           (key->text() == QStringLiteral(",") || key->text() == QStringLiteral("."));
}

// A commit from the input method (a composed or dead-key character) with nothing left pending.
bool isPlainCommit(const QInputMethodEvent* event) {
    return !event->commitString().isEmpty() && event->preeditString().isEmpty() &&
           event->replacementLength() == 0;
}

// The standard menu's Paste entry, known by its caption (the caption before its shortcut).
QAction* pasteAction(const QMenu& menu) {
    const QString caption = QCoreApplication::translate("QLineEdit", "&Paste");
    for (QAction* action : menu.actions())
        if (action->text().section(QLatin1Char('\t'), 0, 0) == caption)
            return action;
    return nullptr;
}

bool isIgnoredFocusChange(Qt::FocusReason reason) {
    // Another window or a popup taking the focus does not leave the box.
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

int numericKeyOf(int keyCode) {
    const QString separator = QLocale().decimalPoint();
    return separator.size() == 1 ? DecimalKeyOf(keyCode, separator.at(0).unicode()) : keyCode;
}

KeyFilter beepingFilter(int (*filter)(int), Beeper& beeper) {
    return [filter, &beeper](int keyCode) {
        const int result = filter(numericKeyOf(keyCode));
        if (result == 0)
            beeper.beep();
        return result;
    };
}

} // namespace

QString answerCommit(QWidget* window, Services& services, const BoxCommit& committed) {
    if (committed.beep)
        services.beeper.beep();
    if (committed.message)
        services.messenger.show(window, messageOf(*committed.message));
    return committed.shown;
}

KeyFilter amountKeyFilter(Beeper& beeper) {
    return beepingFilter(FilterAmountKey, beeper);
}

KeyFilter digitKeyFilter(Beeper& beeper) {
    return beepingFilter(FilterDigitKey, beeper);
}

KeyFilter anyNumberKeyFilter() {
    return numericKeyOf;
}

KeyFilter anyKeyFilter() {
    return [](int keyCode) { return keyCode; };
}

InputBox::InputBox(QWidget* focusTarget, QLineEdit* edit, AppState& state, InputBoxRules rules)
    : QObject(focusTarget), focusTarget_(focusTarget), focusTargetType_(focusTarget->metaObject()),
      edit_(edit), state_(state), rules_(std::move(rules)) {
    focusTarget_->installEventFilter(this);
    if (edit_ != focusTarget_)
        edit_->installEventFilter(this);
    // Text pasted before any key is typed is an edit all the same: it starts the edit (and
    // clears the planner's results), so leaving the box stores what it shows.
    connect(edit_, &QLineEdit::textEdited, this, [this] {
        if (!state_.EditStarted && rules_.emptiesOnFirstKey) {
            state_.EditStarted = true;
            if (rules_.onFirstKey)
                rules_.onFirstKey();
        }
    });
}

InputBox* InputBox::attach(QLineEdit* edit, AppState& state, InputBoxRules rules) {
    if (!rules.freeText) // free text scrolls as usual; a figure or date shows whole
        keepTextWhole(edit);
    return new InputBox(edit, edit, state, std::move(rules));
}

InputBox* InputBox::attach(QComboBox* combo, AppState& state, InputBoxRules rules) {
    if (!rules.freeText)
        keepTextWhole(combo);
    return new InputBox(combo, combo->lineEdit(), state, std::move(rules));
}

void InputBox::startEdit() {
    edit_->clear();
    state_.EditStarted = true;
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
    if (!state_.EditStarted && rules_.emptiesOnFirstKey)
        startEdit();
    if (accepted != 0 && accepted != keyCode) {
        edit_->insert(QString(QChar(accepted)));
        return true;
    }
    return accepted == 0;
}

bool InputBox::keypadPointPressed() {
    if (!keyPressed('.'))
        edit_->insert(QStringLiteral("."));
    return true;
}

void InputBox::typeText(const QString& text) {
    if (edit_->isReadOnly())
        return;
    for (const char32_t code : text.toUcs4()) {
        // Line breaks and tabs of a copied text are no keys of a one-line box.
        if (code < 32 || code == 127)
            continue;
        if (!keyPressed(int(code)))
            edit_->insert(QString::fromUcs4(&code, 1));
    }
}

void InputBox::pasteFrom(QClipboard::Mode mode) {
    typeText(QGuiApplication::clipboard()->text(mode));
}

void InputBox::showContextMenu(const QPoint& globalPosition) {
    QMenu* menu = edit_->createStandardContextMenu();
    if (QAction* paste = pasteAction(*menu)) {
        disconnect(paste, &QAction::triggered, nullptr, nullptr);
        connect(paste, &QAction::triggered, this, [this] { pasteFrom(QClipboard::Clipboard); });
    }
    menu->exec(globalPosition);
    delete menu;
}

void InputBox::leave() {
    if (!state_.EditStarted && !rules_.commitsWithoutEdit)
        return;
    if (rules_.onLeave)
        edit_->setText(rules_.onLeave(edit_->text()));
    state_.EditStarted = false;
}

bool InputBox::keyTyped(QKeyEvent* key) {
    if (key->key() == Qt::Key_Delete && rules_.onDeleteKey)
        rules_.onDeleteKey();
    if (isUnusedAltKey(key))
        return true;
    if (key->matches(QKeySequence::Paste)) {
        pasteFrom(QClipboard::Clipboard);
        return true;
    }
    if (!rules_.freeText && isKeypadDecimalKey(key))
        return keypadPointPressed();
    const int keyCode = keyCodeOf(key);
    return keyCode != 0 && keyPressed(keyCode);
}

void InputBox::entered(const QFocusEvent* focus) {
    edit_->selectAll();
    // A click places the cursor after the focus arrives; select again once it has.
    if (focus->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, edit_, &QLineEdit::selectAll);
}

// The middle button pastes the selection where the platform has one.
bool InputBox::middleButtonReleased(const QMouseEvent* mouse) {
    if (mouse->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection())
        return false;
    edit_->deselect();
    edit_->setCursorPosition(edit_->cursorPositionAt(mouse->position().toPoint()));
    pasteFrom(QClipboard::Selection);
    return true;
}

// Dropped text is typed into the box like pasted text, once the box has been entered.
bool InputBox::textDropped(QDropEvent* drop) {
    if (!drop->mimeData()->hasText())
        return false;
    focusTarget_->setFocus(Qt::OtherFocusReason);
    edit_->setCursorPosition(edit_->cursorPositionAt(drop->position().toPoint()));
    typeText(drop->mimeData()->text());
    drop->setDropAction(Qt::CopyAction); // the source keeps its text
    drop->accept();
    return true;
}

bool InputBox::eventFilter(QObject* watched, QEvent* event) {
    const bool atFocusTarget = watched == focusTarget_;
    const bool atEdit = watched == edit_;
    switch (event->type()) {
    case QEvent::KeyPress:
        return atFocusTarget && keyTyped(static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        if (atFocusTarget)
            entered(static_cast<QFocusEvent*>(event));
        return false;
    case QEvent::FocusOut:
        // A box that is being destroyed loses the focus from QWidget's destructor, when it is a
        // plain QWidget already and its window may be half gone: nothing is left to store into.
        if (atFocusTarget && watched->metaObject() == focusTargetType_ &&
            !isIgnoredFocusChange(static_cast<QFocusEvent*>(event)->reason()))
            leave();
        return false;
    case QEvent::InputMethod: {
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (!atFocusTarget || !isPlainCommit(input))
            return false;
        typeText(input->commitString());
        return true;
    }
    case QEvent::MouseButtonPress:
        if (rules_.emptiesOnClick && atEdit)
            startEdit();
        return false;
    case QEvent::MouseButtonRelease:
        return atEdit && middleButtonReleased(static_cast<QMouseEvent*>(event));
    case QEvent::Drop:
        return atEdit && textDropped(static_cast<QDropEvent*>(event));
    case QEvent::ContextMenu:
        if (!atEdit)
            return false;
        showContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    default:
        return false;
    }
}

} // namespace pennywell::ui
