#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

struct Services;

// "Date Input": the date of the first payment, typed in the locale's short or long form or
// as yyyy-mm-dd. An unreadable date brings the previous one back; Escape leaves without the date
// being typed.
class MortDateInput : public QDialog {
    Q_OBJECT
public:
    MortDateInput(AppState& state, Services& services, QWidget* parent = nullptr);

    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString checkedDate(const QString& text);

    AppState& state_;
    Services& services_;
    QLineEdit* inDate_;
    QPushButton* okExit_;
};

} // namespace pennywell::ui
