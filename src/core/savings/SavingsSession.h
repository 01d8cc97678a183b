#pragma once

#include "core/graph/GraphSeries.h"
#include "core/report/Printout.h"
#include "core/savings/GrowthCalculator.h"
#include "core/savings/GrowthPresenter.h"
#include "core/state/AppState.h"
#include "core/state/PlannerMessage.h"

#include <optional>

namespace pennywell {

struct SavingsOutcome {
    GrowthResult result;
    GrowthGrid grid; // every cell empty when refused
    std::optional<PlannerMessage> message;
};

// The savings planner's flow, as the window and pennywell-calc both drive it: boxes committed
// one by one, a calculation, and what the graph and the printout are given. The inputs and the
// table live in `savings` and the result count in `results`, where the graph screen reads them.
class SavingsSession {
public:
    // The symbol is read at each use, so it must outlive the session.
    SavingsSession(SavingsState& savings, GraphHandOff& results, const QString& currencySymbol);

    // The planner as its window opens: the default inputs, nothing calculated.
    void open();

    // Leaving a box of a slot (1 to 6) with its text.
    BoxCommit commit(int slot, const QString& text);
    // The box of a slot as it shows the committed value; the lump sum box is 15 wide when the
    // window opens, 13 after.
    QString boxText(int slot, int amountWidth = 13) const;

    SavingsOutcome calculate();
    // Results taken off the screen can be neither graphed nor printed.
    void forgetResults();

    // The message "Show Graph" and "To Printer" give while nothing is calculated.
    std::optional<PlannerMessage> graphRefusal() const;
    std::optional<PlannerMessage> printRefusal() const;
    graph::GraphSeries graphSeries() const;
    report::PrintedReport printedReport(const report::ReportOptions& options) const;

private:
    SavingsState& savings_;
    GraphHandOff& results_;
    const QString& currencySymbol_;
};

} // namespace pennywell
