#pragma once

#include <QString>
#include <functional>

class QTableView;

namespace pennywell::ui {

struct Services;

struct GridActionsOptions {
    QString fileName;                     // the CSV file's default name, without ".csv"
    const QString* currencySymbol;        // the symbol the grid's figures carry, as it changes
    std::function<void()> savePrintout{}; // "Save Printout as PDF…"; none where nothing prints
};

// Gives a grid Ctrl+C and Ctrl+A and a context menu that copies the selected cells for a
// spreadsheet, selects the whole table, exports it as a CSV file and, for a planner that
// prints, saves its printout as a PDF file.
void attachGridActions(QTableView* grid, Services& services, GridActionsOptions options);

} // namespace pennywell::ui
