#pragma once

#include "core/mortgage/DaysInYear.h"

#include <QDialog>

namespace pennywell::ui {

// "Accelerated payments": the days-in-year choice for two-weekly and weekly payments. A choice
// takes effect at once; the dialog has no cancel.
class MortIRFTable : public QDialog {
    Q_OBJECT
public:
    MortIRFTable(mortgage::DaysInYearSetting& days, QWidget* parent = nullptr);

private:
    mortgage::DaysInYearSetting& days_;
};

} // namespace pennywell::ui
