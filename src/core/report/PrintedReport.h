#pragma once

#include "core/settings/PrinterFont.h"

#include <QList>
#include <QStringList>

namespace pennywell::report {

// A text report as it comes out of the printer: pages of lines, each line plain text with
// its items already placed at their character columns (column 1 is the first character).
// A report is data, so the windows, the command line and the tests print the same pages.
struct PrintedReport {
    PrinterFont fontChoice = PrinterFont::Standard; // the font the pages were laid out for
    QList<QStringList> pages;
};

} // namespace pennywell::report
