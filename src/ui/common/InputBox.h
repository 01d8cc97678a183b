#pragma once

#include "core/state/PlannerMessage.h"

#include <QClipboard>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

class QComboBox;
class QDropEvent;
class QFocusEvent;
class QKeyEvent;
class QLineEdit;
class QMouseEvent;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

class Beeper;
struct Services;

// Turns a typed key code into the code the box takes (0 refuses it); the box types the code
// it takes.
using KeyFilter = std::function<int(int keyCode)>;

// The filters of numeric boxes take the key of the locale's decimal separator as ".".
KeyFilter amountKeyFilter(Beeper& beeper); // digits and "."; a refused key beeps
KeyFilter digitKeyFilter(Beeper& beeper);  // digits only; a refused key beeps
KeyFilter anyNumberKeyFilter();            // takes every key
KeyFilter anyKeyFilter();                  // takes every key as typed (text, dates)

struct InputBoxRules {
    KeyFilter filter = anyKeyFilter();
    QString droppedKeys;              // dropped silently, before anything else
    bool emptiesOnFirstKey = true;    // the first key (taken or refused) empties the box
    bool emptiesOnClick = false;      // a mouse click empties the box as the first key would
    bool commitsWithoutEdit = false;  // the leave step runs even when nothing was typed
    std::function<void()> onFirstKey; // e.g. the planner clears its results
    std::function<QString(const QString&)> onLeave; // stores the value, returns the box text

    // Keys that empty the box and run the first-key step again, then are typed (a minus
    // that starts a negative rate).
    QString restartingKeys;
    // The Delete key, before the box handles it (e.g. the planner clears its results).
    std::function<void()> onDeleteKey;
    // A free-text box (a description, a name) takes the keypad's decimal key as the keyboard
    // types it; every other box takes it as ".", the only decimal point the formats read.
    bool freeText = false;
};

// An onLeave step's answer to the user: the beep or the message box the commit asks for, over
// `window`; gives the text the box shows now.
QString answerCommit(QWidget* window, Services& services, const BoxCommit& committed);

// The one input-box behaviour every box shares: select all on entry, the first key empties
// the box, keys are filtered (a refused key beeps), Enter moves to the next control, and
// leaving the box after an edit stores the value and rewrites the box formatted. Text that
// arrives by pasting, dropping or an input method is typed through the same rule character by
// character, so no way of entering text gets past the filter.
class InputBox : public QObject {
    Q_OBJECT
public:
    static InputBox* attach(QLineEdit* edit, AppState& state, InputBoxRules rules);
    static InputBox* attach(QComboBox* combo, AppState& state, InputBoxRules rules);

    void setNext(QWidget* next) { next_ = next; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    InputBox(QWidget* focusTarget, QLineEdit* edit, AppState& state, InputBoxRules rules);
    bool keyTyped(QKeyEvent* key);
    void entered(const QFocusEvent* focus);
    bool middleButtonReleased(const QMouseEvent* mouse);
    bool textDropped(QDropEvent* drop);
    bool keyPressed(int keyCode);
    bool keypadPointPressed();
    void typeText(const QString& text);
    void pasteFrom(QClipboard::Mode mode);
    void showContextMenu(const QPoint& globalPosition);
    void startEdit();
    void leave();

    QWidget* focusTarget_;
    const QMetaObject* focusTargetType_; // the box's own class, until its destructor runs
    QLineEdit* edit_;
    AppState& state_;
    InputBoxRules rules_;
    QPointer<QWidget> next_;
};

} // namespace pennywell::ui
