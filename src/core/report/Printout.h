#pragma once

#include "core/report/PrintedReport.h"

#include <QString>

namespace pennywell::report {

// Body lines after which a report starts a new page in a printer font.
int linesPerPage(PrinterFont fontChoice);

// The header the print-header dialog returns when it was cancelled. Typed as the only
// character of a header it abandons the printout just the same.
inline const QString CancelledHeader = QStringLiteral("1");
bool cancelsPrintout(const QString& HeaderLine);

// What every printed report has in common: the header typed for it, the printer font it is
// laid out for and the user's currency symbol.
struct ReportOptions {
    QString HeaderLine;
    PrinterFont fontChoice = PrinterFont::Standard;
    QString currencySymbol = QStringLiteral("$");
};

// The printing protocol of every text report, written once. The document opens with its first
// page set up (an empty top line, the font's lines per page); items are placed at character
// columns (column 1 is the first character); a page break numbers the page it closes; the
// document ends without an empty page and without a number on its last page.
class Printout {
public:
    explicit Printout(PrinterFont fontChoice);

    int LinesPerPage() const { return LinesPerPage_; }

    // Places a text starting at a column of the current line, or at that column of the next
    // line when the current one already reaches it. Line breaks inside the text end the line;
    // what follows them starts at column 1.
    Printout& at(int column, const QString& text);
    // A text right-justified in a field of `width` columns starting at `column`. A figure wider
    // than its field is printed whole, reaching left of the field, rather than losing digits.
    Printout& rightAt(int column, int width, const QString& text);
    // Continues the current line right after what it holds.
    Printout& append(const QString& text);
    // Ends the current line (an empty line when nothing was placed on it).
    void endLine();
    void line(int column, const QString& text);
    void emptyLines(int count = 1);

    // The typed header at column 2 and an empty line below it.
    void printHeader(const QString& HeaderLine);

    // True when a body line that brought the page's line count to `lineCount` fills the page.
    bool fillsPage(int lineCount) const;
    // A block of `lines` lines is kept together: true when it needs a new page first.
    bool needsNewPageFor(int lineCount, int lines) const;

    // Two empty lines, "Page" and the number of the page closed at column 40, a new page and
    // the font set-up again. The report prints its continuation heading after it.
    void pageBreak();

    PrintedReport EndPrintout();

private:
    void SetPrinterFont();
    void placeOnLine(int column, const QString& text);

    PrinterFont fontChoice_;
    int LinesPerPage_;
    QList<QStringList> pages_;
    QString current_;
    bool lineOpen_ = false;
};

} // namespace pennywell::report
