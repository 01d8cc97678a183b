#pragma once

#include "core/mortgage/MortgageHandOff.h"
#include "core/savings/SavingsState.h"
#include "core/settings/PersonalSettings.h"

#include <QDate>
#include <QString>
#include <QStringList>

namespace pennywell {

// Values a planner leaves behind for the graph screen and the printouts.
struct GraphHandOff {
    int ResultCount = 0; // 0 while nothing has been calculated
    QString GraphTitle;
    int GraphKind = 0;
};

enum PlanKindValue { MortgagePlan = 1, LoanPlan = 2 };

// Everything the windows share, owned by the application and handed to each window.
struct AppState {
    QString programFolder;
    QString recoveryFolder; // where the budget keeps unsaved work; empty: nowhere
    PersonalSettings settings;
    int LinesPerPage = 53; // until a printout sets the printer font; also after unread settings
    int EditStarted = 0;   // 1 from the first key in a box until the box is left
    int PlanKind = MortgagePlan;
    int ScreenMode = 0; // meaning belongs to the open planner; 0 when none is open
    int HelpShown = 0;
    QDate FirstPayDate;
    GraphHandOff graph;
    // Left by the mortgage planner's last calculation for its printout and graph.
    mortgage::MortgageHandOff mortgage;
    SavingsState savings;      // the savings planner's inputs and growth table
    QStringList budgetFolders; // of the budget files opened or saved, latest first
    QString folderHistoryFile; // where budgetFolders are kept between runs; empty: nowhere
};

} // namespace pennywell
