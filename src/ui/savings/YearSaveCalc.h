#pragma once

#include "core/savings/YearlySession.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

struct Services;

// "YearSaveCalc": what equal investments made during one year amount to at its end, ready to
// be inserted as the savings planner's annual amount.
class YearSaveCalc : public QDialog {
    Q_OBJECT
public:
    YearSaveCalc(AppState& state, Services& services, QWidget* parent = nullptr);

    // Title bar and Escape leave the way "E&xit" does.
    void reject() override;

signals:
    // The annual amount slot now holds the result; the planner rewrites its box.
    void annualAmountInserted();

private:
    void buildControls();
    void attachInputBehaviour();
    void calculate();
    void insert();
    void exitDialog();
    void showMessage(const PlannerMessage& message);

    AppState& state_;
    Services& services_;
    YearlySession session_;
    QLineEdit* deposit_ = nullptr;
    QLineEdit* rate_ = nullptr;
    QButtonGroup* frequencies_ = nullptr;
    QLabel* resultLabel_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
};

} // namespace pennywell::ui
