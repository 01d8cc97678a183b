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

// The view the open planner shows: the mortgage planner's annual totals or every payment, the
// savings planner's growth table; none while no planner is open.
enum class PlannerView { None, MortgageAnnual, MortgageAll, SavingsGrowth };

constexpr PlannerView plannerView(mortgage::View view) {
    return view == mortgage::View::All ? PlannerView::MortgageAll : PlannerView::MortgageAnnual;
}
constexpr mortgage::View mortgageView(PlannerView view) {
    return view == PlannerView::MortgageAll ? mortgage::View::All : mortgage::View::Annual;
}

// Everything the windows share, owned by the application and handed to each window.
struct AppState {
    QString programFolder;
    QString recoveryFolder; // where the budget keeps unsaved work; empty: nowhere
    PersonalSettings settings;
    int LinesPerPage = 53;    // until a printout sets the printer font; also after unread settings
    bool EditStarted = false; // from the first key in a box until the box is left
    int PlanKind = MortgagePlan;
    PlannerView ScreenMode = PlannerView::None;
    bool HelpShown = false; // the mortgage or savings window's quick help is open
    QDate FirstPayDate;
    GraphHandOff graph;
    // Left by the mortgage planner's last calculation for its printout and graph.
    mortgage::MortgageHandOff mortgage;
    SavingsState savings;      // the savings planner's inputs and growth table
    QStringList budgetFolders; // of the budget files opened or saved, latest first
    QString folderHistoryFile; // where budgetFolders are kept between runs; empty: nowhere
};

} // namespace pennywell
