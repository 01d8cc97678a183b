#pragma once

#include "cli/FigureTable.h"
#include "core/mortgage/MortgagePresenter.h"
#include "core/mortgage/MortgageResult.h"

#include <QJsonObject>
#include <QTextStream>

namespace pennywell::cli {

// The schedule's rows for scripts: the CSV output and the rows of the JSON "values".
FigureTable scheduleFigures(const mortgage::MortgageResult& result);

// The boxes' and the grid's texts as the window shows them ({"boxes", "grid"}), and with a
// calculated result also its figures as numbers ("values").
QJsonObject scheduleJson(const mortgage::MortgageBoxes& boxes, const mortgage::MortgageGrid& grid,
                         const mortgage::MortgageResult* result = nullptr);

// The caption, the boxes with their labels and the grid without its spare rows.
void writeScheduleText(QTextStream& out, const mortgage::MortgageInputs& inputs,
                       const QString& symbol, const mortgage::MortgageBoxes& boxes,
                       const mortgage::MortgageGrid& grid);

} // namespace pennywell::cli
