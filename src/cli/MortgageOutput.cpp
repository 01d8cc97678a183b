#include "cli/MortgageOutput.h"

#include "core/mortgage/MortgageTexts.h"

#include <QJsonArray>

namespace pennywell::cli {
namespace {

using namespace pennywell::mortgage;

QJsonObject boxesJson(const MortgageBoxes& boxes) {
    return {{"InMonthPI", boxes.InMonthPI},     {"PeriodicR", boxes.PeriodicR},
            {"NumPmtsYear", boxes.NumPmtsYear}, {"InDays", boxes.InDays},
            {"EndMortYear", boxes.EndMortYear}, {"AllPayments", boxes.AllPayments},
            {"TotSavd", boxes.TotSavd}};
}

QJsonArray rowJson(const GridRow& row) {
    return QJsonArray::fromStringList(QStringList(row.begin(), row.end()));
}

QJsonObject gridJson(const MortgageGrid& grid) {
    QJsonArray rows;
    for (const GridRow& row : grid.rows)
        rows.append(rowJson(row));
    return {{"headers", rowJson(grid.headers)}, {"rows", rows}};
}

// The figures of the boxes and the grid's totals, and the additional payments applied.
QJsonObject scheduleValues(const MortgageResult& result) {
    const PayRow& last = result.PayTable[std::size_t(result.RowCount)];
    const bool loan = result.mode == Mode::Loan;
    // Monthly and half-monthly payments show "Normal" for the days in the year.
    const bool daysShown =
        result.kind != PaymentKind::Monthly && result.kind != PaymentKind::HalfMonthly;
    QJsonArray extras;
    for (const AppliedExtra& extra : result.listedExtras)
        extras.append(QJsonObject{{"year", extra.year}, {"amount", jsonFigure(extra.amount)}});
    return {{"payment", jsonFigure(Amount{result.payment})},
            {"rate_factor", result.ratePerPeriod},
            {"payments_per_year", result.PaymentsPerYear},
            {"days_in_year", daysShown ? QJsonValue(result.DaysInYear) : QJsonValue()},
            {loan ? "months_to_final" : "years_to_final", result.timeToFinal()},
            {"total_paid", jsonFigure(Amount{result.totalPaid})},
            {"interest_savings", jsonFigure(Amount{result.interestSavings})},
            {"total_interest", jsonFigure(last.cumulativeInterest)},
            {"total_principal", jsonFigure(last.cumulativePrincipal)},
            {"rows", jsonRows(scheduleFigures(result))},
            {"extra_payments", extras}};
}

QString gridLine(const GridRow& row) {
    constexpr int width = 22;
    QString line = row[0].leftJustified((width + int(row[0].size())) / 2).rightJustified(width);
    for (std::size_t column = 1; column < row.size(); ++column)
        line += row[column].rightJustified(width);
    while (line.endsWith(u' '))
        line.chop(1);
    return line;
}

} // namespace

FigureTable scheduleFigures(const MortgageResult& result) {
    const bool dates = result.DateView;
    FigureTable table{{result.view == View::Annual ? "year" : "payment", "interest", "principal",
                       "balance", "cumulative_interest", "cumulative_principal"},
                      {}};
    if (dates)
        table.columns.append("date");
    for (int r = 1; r <= result.RowCount; ++r) {
        const PayRow& row = result.PayTable[std::size_t(r)];
        FigureRow figures{double(r),   row.interest,           row.principal,
                          row.balance, row.cumulativeInterest, row.cumulativePrincipal};
        if (dates)
            figures.append(row.date);
        table.rows.append(figures);
    }
    return table;
}

QJsonObject scheduleJson(const MortgageBoxes& boxes, const MortgageGrid& grid,
                         const MortgageResult* result) {
    QJsonObject json{{"boxes", boxesJson(boxes)}, {"grid", gridJson(grid)}};
    if (result)
        json.insert("values", scheduleValues(*result));
    return json;
}

void writeScheduleText(QTextStream& out, const MortgageInputs& inputs, const QString& symbol,
                       const MortgageBoxes& boxes, const MortgageGrid& grid) {
    const ModeTexts texts = modeTexts(inputs.mode, symbol);
    const QList<std::pair<QString, QString>> lines = {
        {PaymentLabel, boxes.InMonthPI},
        {RateFactorLabel, boxes.PeriodicR},
        {PaymentsPerYearLabel, boxes.NumPmtsYear},
        {DaysInYearLabel, boxes.InDays},
        {texts.toFinalLabel, boxes.EndMortYear},
        {texts.totalPaidLabel, boxes.AllPayments},
        {SavingsLabel, boxes.TotSavd},
    };
    out << texts.caption << "\n\n";
    for (const auto& [label, box] : lines)
        out << label.simplified().leftJustified(34) << box << '\n';
    out << '\n' << gridLine(grid.headers) << '\n';
    // The grid's spare rows at the end are left out of the printed text.
    std::size_t shown = grid.rows.size();
    while (shown > 0 && grid.rows[shown - 1] == GridRow{})
        --shown;
    for (std::size_t row = 0; row < shown; ++row)
        out << gridLine(grid.rows[row]) << '\n';
}

} // namespace pennywell::cli
