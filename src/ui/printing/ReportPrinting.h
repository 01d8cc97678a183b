#pragma once

#include "core/report/Printout.h"
#include "render/PrintDocument.h"

#include <functional>

class QWidget;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

struct Services;

// Sends the document to the default printer with the hourglass showing. When it cannot be
// printed the user is told why and offered the same pages as a PDF file; the planner's data
// is never touched either way.
void printDocument(QWidget* parent, Services& services, const render::PrintDocument& document);

// Asks where to save the document's pages and writes them there as a PDF file in one step;
// a file that cannot be written is told and leaves any earlier one as it was.
void savePrintoutAsPdf(QWidget* parent, Services& services, const render::PrintDocument& document);

// Lays out a report's pages for the header typed, the printer font and the currency symbol.
using ReportLayout = std::function<report::PrintedReport(const report::ReportOptions& options)>;

// Where a printout goes: to the default printer, or as the same pages into a PDF file chosen
// by the user.
enum class ReportDestination { Printer, PdfFile };

// Every planner's print button once its own no-data check has passed: asks for the header
// line and, unless the printout is abandoned, lays out the pages for the settings' printer
// font and prints them as `name`, or saves them as a PDF file.
void printTextReport(QWidget* parent, AppState& state, Services& services, const QString& name,
                     const ReportLayout& layOut,
                     ReportDestination destination = ReportDestination::Printer);

} // namespace pennywell::ui
