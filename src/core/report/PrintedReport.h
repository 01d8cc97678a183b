#pragma once

#include <QList>
#include <QStringList>

namespace pennywell::report {

// A text report as it comes out of the printer: pages of lines, each line plain text with
// its items already placed at their character columns (column 1 is the first character).
// A report is data, so the windows, the command line and the tests print the same pages.
struct PrintedReport {
    int fontChoice = 0; // the PrinterFontChoice the pages were laid out for (0..3)
    QList<QStringList> pages;
};

} // namespace pennywell::report
