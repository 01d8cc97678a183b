#include "core/savings/SavingsSession.h"

#include "core/report/SavingsTable.h"
#include "core/savings/SavingsInputs.h"
#include "core/savings/SavingsTexts.h"

namespace pennywell {

using namespace savings_texts;

SavingsSession::SavingsSession(SavingsState& savings, GraphHandOff& results,
                               const QString& currencySymbol)
    : savings_(savings), results_(results), currencySymbol_(currencySymbol) {}

void SavingsSession::open() {
    savings_ = openingSavingsState();
    results_.ResultCount = 0;
}

BoxCommit SavingsSession::commit(int slot, const QString& text) {
    Currency& stored = savings_.EntryValues[std::size_t(slot)];
    std::optional<PlannerMessage> message;
    if (slot == TermSlot) {
        const TermEntry entry = committedTerm(text);
        if (entry.overLimit)
            message = PlannerMessage{HelpTitle, TermBoxLimit};
        stored = entry.years;
    } else if (const auto value = committedValue(text)) {
        stored = *value;
    } else {
        message = PlannerMessage{HelpTitle, WrongEntry}; // the box keeps its previous value
    }
    return {boxText(slot), message};
}

QString SavingsSession::boxText(int slot, int amountWidth) const {
    return savingsBoxText(slot, savings_.EntryValues[std::size_t(slot)], currencySymbol_,
                          amountWidth);
}

SavingsOutcome SavingsSession::calculate() {
    SavingsOutcome outcome;
    outcome.result = calculateGrowth(growthInputsFrom(savings_));
    savings_.growthTable = outcome.result.table;
    outcome.grid = presentGrowth(outcome.result, currencySymbol_);
    results_.ResultCount = 0;
    switch (outcome.result.outcome) {
    case GrowthOutcome::TermOverLimit:
        outcome.message = PlannerMessage{HelpTitle, TermCalculationLimit};
        break;
    case GrowthOutcome::Overflow:
        outcome.message = PlannerMessage{HelpTitle, WrongEntry};
        break;
    case GrowthOutcome::Calculated:
        results_.ResultCount = outcome.result.resultCount;
        results_.GraphTitle = GraphTitle;
        break;
    }
    return outcome;
}

void SavingsSession::forgetResults() {
    results_.ResultCount = 0;
}

std::optional<PlannerMessage> SavingsSession::graphRefusal() const {
    if (results_.ResultCount == 0)
        return PlannerMessage{AdvisoryTitle, NoGraphData};
    return std::nullopt;
}

std::optional<PlannerMessage> SavingsSession::printRefusal() const {
    if (results_.ResultCount == 0)
        return PlannerMessage{HelpTitle, NoPrintData};
    return std::nullopt;
}

graph::GraphSeries SavingsSession::graphSeries() const {
    return graph::savingsSeries(savings_.growthTable, results_.ResultCount, GraphTitle);
}

report::PrintedReport SavingsSession::printedReport(const report::ReportOptions& options) const {
    return report::savingsTable(savings_, results_.ResultCount, options);
}

} // namespace pennywell
