#pragma once

#include <QDialog>

class QLineEdit;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

class Beeper;

// "InRecNum": asks for the number of the record to change or delete.
class InRecNum : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Change, Delete };

    InRecNum(Purpose purpose, AppState& state, Beeper& beeper, QWidget* parent = nullptr);

    // The typed number rounded to a whole number (halves to the even neighbour); 0 when
    // cancelled or when nothing usable was typed.
    int chosenRecord() const { return chosenRecord_; }

private:
    void acceptNumber();

    QLineEdit* curVal_;
    int chosenRecord_ = 0;
};

} // namespace pennywell::ui
