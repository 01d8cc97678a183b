#pragma once

#include <QObject>

class QDialog;
class QWidget;

namespace pennywell::ui {

// A dialog, message or file choice runs its own event loop while the code that opened it
// waits. A window closed during that loop (its Exit clicked just as the dialog goes away, the
// second click of a quick pair) would be deleted from inside the loop, under the waiting code
// and the dialog it holds. Every modal loop therefore runs through `exec`, and the filter
// holds a close of the window that opened it until the loop is over, then closes it.
class ModalLoop : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Installs the filter on the application object, once.
    static void install();

    // Runs the dialog's loop; its parent's window closes only after the loop.
    static int exec(QDialog& dialog);

    // Handles the events waiting now, except the user's, for code of `window` that needs them
    // handled before it goes on; the window closes only after.
    static void processEvents(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace pennywell::ui
