#pragma once

#include "core/mortgage/ExtraPaymentEntry.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

struct Services;

// "Additional Payments": an amount for each year of the term, added to the first payment of
// that year. Closing keeps what was entered; "Erase all" removes every amount.
class MortPrePay : public QDialog {
    Q_OBJECT
public:
    MortPrePay(mortgage::ExtraPayments& extraPayments, int& ExtraCount, double termYears,
               AppState& state, Services& services, QWidget* parent = nullptr);

    void reject() override;

private:
    void addEntryBoxes();
    void addButtons();
    void addGrid();
    void attachBoxes();
    void showYears();
    QString checkYear(const QString& text);
    QString enterAmount(const QString& text);
    // Shows why the year can't be used and takes the focus back to it.
    void refuseYear(const PlannerMessage& message);
    void useAll();
    void eraseAll();

    mortgage::ExtraPayments& extraPayments_;
    mortgage::ExtraPaymentEntry entry_;
    int TermYears_;
    AppState& state_;
    Services& services_;
    QLineEdit* inYear_;
    QLineEdit* inPayment_;
    QTableWidget* pGrid_;
    QPushButton* usePrePay_;
};

} // namespace pennywell::ui
