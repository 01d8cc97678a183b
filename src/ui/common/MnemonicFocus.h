#pragma once

#include <QList>
#include <QObject>

class QMouseEvent;

namespace pennywell::ui {

// A button takes the focus before it acts, so the box being edited is left (its value stored)
// first, whichever way the button is pressed:
// - pressed with its Alt mnemonic, a button is clicked without taking the focus; this filter
//   gives it the focus first, exactly as a mouse click would, and then clicks it at once, so
//   keys typed ahead act in their order;
// - clicked with the mouse, the button takes the focus before it sees the press, and the box
//   being left may show a message then (a term over its limit). The mouse button is released
//   while the message is up, so the button would never see the release: the click would be
//   lost and the button left drawn pressed. When a modal window opened between the press
//   reaching the window and reaching the button, this filter completes the click itself.
class MnemonicFocus : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Installs the filter on the application object, once.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mousePressed(QObject* watched, const QMouseEvent* mouse);

    // A press on its way from its window to a control, with the count of modal windows opened
    // when it reached the window. Presses nest when a message answered with the mouse opens
    // while another press is on its way.
    struct PressOnItsWay {
        const QObject* window;
        int modalWindowsOpened;
    };
    QList<PressOnItsWay> pressesOnTheirWay_;
    int modalWindowsOpened_ = 0;
};

} // namespace pennywell::ui
