#pragma once

#include <QObject>

namespace pennywell::ui {

// A button pressed with its Alt mnemonic is clicked without taking the focus, so the box
// being edited would never be left and its value never stored. This filter gives the button
// the focus first, which runs the box's leave step exactly as a mouse click would.
class MnemonicFocus : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Installs the filter on the application object, once.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace pennywell::ui
