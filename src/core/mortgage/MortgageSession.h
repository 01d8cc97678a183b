#pragma once

#include "core/graph/GraphSeries.h"
#include "core/mortgage/ExtraPaymentEntry.h"
#include "core/mortgage/MortgageTexts.h"
#include "core/report/Printout.h"
#include "core/state/AppState.h"

namespace pennywell::mortgage {

struct MortgageOutcome {
    MortgageBoxes boxes; // as far as the calculation got
    std::optional<PlannerMessage> message;
};

// The mortgage or loan planner's flow, as the window and pennywell-calc both drive it: the boxes
// committed, one calculation, and what the graph and the printout are given. The last
// successful calculation lives in `last` and its result count in `results`, where the graph
// screen reads them.
class MortgageSession {
public:
    // The symbol is read at each use, so it must outlive the session.
    MortgageSession(Mode mode, MortgageHandOff& last, GraphHandOff& results,
                    const QString& currencySymbol);

    Mode mode() const { return inputs_.mode; }
    // The lists, the view, the dates and the dialogs' values are set here directly.
    MortgageInputs& inputs() { return inputs_; }
    const MortgageInputs& inputs() const { return inputs_; }
    ModeTexts texts() const;

    // Leaving the principal or rate box. A value past the money range is refused with a beep
    // and the last one stays.
    BoxCommit commitPrincipal(const QString& text);
    BoxCommit commitRate(const QString& text);
    // Leaving the term box: a term over the limit is cut to it, with a message; the term is
    // committed only after an edit.
    BoxCommit commitTerm(const QString& text, bool edited);
    // A term picked from the list: the additional payments go, their years no longer fit.
    void termPicked();
    ExtraPaymentEntry extraPaymentEntry();

    // "Calculate" on the inputs as they stand; `termShown` is the term box's text, for the
    // printout's header.
    MortgageOutcome calculate(const QString& termShown = QString());
    // Results taken off the screen can be neither graphed nor printed.
    void forgetResults();
    const MortgageHandOff& last() const { return last_; }
    MortgageGrid grid(const DateStyle& dates = DateStyle()) const;

    // The message "Show Graph" and "To Printer" give while nothing is calculated.
    std::optional<PlannerMessage> graphRefusal() const;
    std::optional<PlannerMessage> printRefusal() const;
    graph::GraphSeries graphSeries() const;
    QString reportName() const;
    report::PrintedReport printedReport(const report::ReportOptions& options,
                                        const DateStyle& dates = DateStyle()) const;

private:
    BoxCommit commitAmount(const QString& text, Currency& into);

    MortgageInputs inputs_;
    MortgageHandOff& last_;
    GraphHandOff& results_;
    const QString& currencySymbol_;
    QString principalShown_; // the principal box's text as last written
};

} // namespace pennywell::mortgage
