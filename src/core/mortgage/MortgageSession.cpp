#include "core/mortgage/MortgageSession.h"

#include "core/format/LeadingNumber.h"
#include "core/mortgage/MortgageEngine.h"
#include "core/report/MortgageTable.h"

#include <cmath>

namespace pennywell::mortgage {
namespace {

const QString HelpTitle = QStringLiteral("Help");

} // namespace

MortgageSession::MortgageSession(Mode mode, MortgageHandOff& last, GraphHandOff& results,
                                 const QString& currencySymbol)
    : inputs_(defaultInputs(mode)), last_(last), results_(results), currencySymbol_(currencySymbol),
      principalShown_(texts().principalText) {}

ModeTexts MortgageSession::texts() const {
    return modeTexts(inputs_.mode, currencySymbol_);
}

BoxCommit MortgageSession::commitPrincipal(const QString& text) {
    // A list pick or view change marks an edit as started; leaving the untouched box then must
    // not read its "$" text as 0.
    if (text == principalShown_)
        return {text};
    BoxCommit committed = commitAmount(text, inputs_.principal);
    principalShown_ = principalBoxText(currencySymbol_, inputs_.principal.toDouble());
    committed.shown = principalShown_;
    return committed;
}

BoxCommit MortgageSession::commitRate(const QString& text) {
    BoxCommit committed = commitAmount(text, inputs_.ratePercent);
    committed.shown = rateBoxText(inputs_.ratePercent.toDouble());
    return committed;
}

BoxCommit MortgageSession::commitAmount(const QString& text, Currency& into) {
    const std::optional<Currency> value = Currency::fromDouble(leadingNumber(text));
    if (!value)
        return {QString(), std::nullopt, true};
    into = *value;
    return {};
}

BoxCommit MortgageSession::commitTerm(const QString& text, bool edited) {
    const TermLimit limit = termLimit(inputs_.mode);
    BoxCommit committed{text};
    if (leadingNumber(text) > limit.limit) {
        committed.message = PlannerMessage{HelpTitle, limit.message};
        committed.shown = QString::number(limit.limit);
    }
    if (!edited)
        return committed;
    const double term = leadingNumber(committed.shown);
    inputs_.term = *Currency::fromDouble(term); // at most the limit, so it always fits
    committed.shown = termBoxText(term);
    return committed;
}

void MortgageSession::termPicked() {
    inputs_.extraPayments = ExtraPayments{};
    // Nothing is left to list, so the additional-payments block must not be shown either.
    inputs_.ExtraCount = 0;
}

ExtraPaymentEntry MortgageSession::extraPaymentEntry() {
    return ExtraPaymentEntry(inputs_.extraPayments, inputs_.ExtraCount,
                             int(std::lround(termYears(inputs_))));
}

MortgageOutcome MortgageSession::calculate(const QString& termShown) {
    last_ = MortgageHandOff();
    results_.ResultCount = 0;
    const TermLimit limit = termLimit(inputs_.mode);
    if (inputs_.term.toDouble() > limit.limit) // only a term given on the command line
        return {MortgageBoxes(), PlannerMessage{HelpTitle, limit.message}};

    MortgageResult result = calculateMortgage(inputs_);
    const MortgageBoxes boxes = boxTexts(result, currencySymbol_);
    if (!result.succeeded())
        return {boxes, failureMessage(result.failure, inputs_.mode)};
    results_.ResultCount = result.ResultCount;
    results_.GraphTitle = result.GraphTitle;
    const QString extras = extrasText(result);
    last_ = MortgageHandOff{inputs_,
                            std::move(result),
                            boxes,
                            termShown,
                            listText(inputs_.compounding),
                            listText(inputs_.frequency),
                            extras};
    return {boxes, std::nullopt};
}

void MortgageSession::forgetResults() {
    results_.ResultCount = 0;
}

MortgageGrid MortgageSession::grid(const DateStyle& dates) const {
    return filledGrid(last_.result, currencySymbol_, dates);
}

std::optional<PlannerMessage> MortgageSession::graphRefusal() const {
    if (results_.ResultCount == 0)
        return PlannerMessage{QStringLiteral("Advisory"), NoGraphData};
    return std::nullopt;
}

std::optional<PlannerMessage> MortgageSession::printRefusal() const {
    if (results_.ResultCount == 0)
        return PlannerMessage{HelpTitle, report::MortgageNoDataText};
    return std::nullopt;
}

graph::GraphSeries MortgageSession::graphSeries() const {
    return graph::mortgageSeries(last_.result, last_.inputs.principal);
}

QString MortgageSession::reportName() const {
    return report::mortgageReportName(last_.inputs.mode);
}

report::PrintedReport MortgageSession::printedReport(const report::ReportOptions& options,
                                                     const DateStyle& dates) const {
    return report::mortgageTable(last_.inputs, last_.result, options, dates);
}

} // namespace pennywell::mortgage
