#pragma once

#include <QWidget>

namespace pennywell::ui {

// "bakgnd": a plain window behind the main windows, so the area stays covered while one
// window hides and the next shows.
class Backdrop : public QWidget {
    Q_OBJECT
public:
    Backdrop();

protected:
    // It has no behaviour of its own; the program ends from the main menu.
    void closeEvent(QCloseEvent* event) override;
};

} // namespace pennywell::ui
