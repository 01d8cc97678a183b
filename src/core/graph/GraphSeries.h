#pragma once

#include "core/money/Currency.h"
#include "core/savings/SavingsState.h"

#include <QList>
#include <QString>

namespace pennywell {
struct AppState;
}

namespace pennywell::mortgage {
struct MortgageResult;
}

namespace pennywell::graph {

// Which planner opened the graph screen (AppState's GraphKind).
enum GraphKindValue { NoGraph = 0, SavingsGraph = 1, MortgageGraph = 4 };

struct GraphPoint {
    QString label; // the year number as the category axis shows it
    Currency value;
};

// What the graph screen draws. The points carry their own count, so preparing a graph never
// changes the planner's ResultCount (which the printout reads).
struct GraphSeries {
    QString title;
    QList<GraphPoint> points;
};

// The graph screen's printout, as the print queue and a saved PDF file name it.
inline const QString GraphReportName = QStringLiteral("Graph");

// The year-end values of rows 1..resultCount of the growth table. A one-year plan is drawn
// with two points, the second taken from the table's next row (the totals row, whose graph
// column is still empty).
GraphSeries savingsSeries(const GrowthTable& table, int resultCount, const QString& title);

// The balance owed at the start of each year: point 1 the principal, point k the balance at
// the end of year k - 1, read from the payment rows ("All" view) or the yearly rows.
GraphSeries mortgageSeries(const mortgage::MortgageResult& result, Currency principal);

// The series of whichever planner opened the screen; empty when there is nothing to draw.
GraphSeries seriesFor(const AppState& state);

} // namespace pennywell::graph
