#pragma once

#include "core/budget/BudgetRecord.h"
#include "ui/budget/BudgetControls.h"

#include <QString>

namespace pennywell::ui {

// All that tells the two halves apart; everything else about a half is built and handled
// alike.
struct BudgetHalfLayout {
    BudgetSide side;
    int frameLeft;
    int promptLeft; // the record-number prompt stands over its half
    const QString& noRecordsToDelete;
    budget_controls::NamedControl frame;
    budget_controls::NamedControl description; // with the caption of its label
    budget_controls::NamedControl amount;      // with the caption of its label
    const char* payments;
    const char* budgeted;
    budget_controls::NamedControl add;
    budget_controls::NamedControl whatIf;
    budget_controls::NamedControl remove;
    budget_controls::NamedControl addChanged;
    budget_controls::NamedControl grid; // with the heading of its amount column
    budget_controls::NamedControl totalsLabel;
    const char* total;
    const char* totalBudgeted;
};

} // namespace pennywell::ui
