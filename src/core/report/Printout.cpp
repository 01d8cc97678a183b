#include "core/report/Printout.h"

#include <QRegularExpression>
#include <algorithm>

namespace pennywell::report {
namespace {

constexpr int PageNumberColumn = 40;

} // namespace

int linesPerPage(PrinterFont fontChoice) {
    switch (fontChoice) {
    case PrinterFont::Standard:
        return 53;
    case PrinterFont::CourierNew10:
        return 63;
    case PrinterFont::CourierNew11:
        return 56;
    case PrinterFont::CourierNew12:
        return 51;
    }
    return 53;
}

bool cancelsPrintout(const QString& HeaderLine) {
    return HeaderLine == CancelledHeader;
}

Printout::Printout(PrinterFont fontChoice)
    : fontChoice_(fontChoice), LinesPerPage_(linesPerPage(fontChoice)) {
    pages_.append(QStringList());
    SetPrinterFont();
}

void Printout::SetPrinterFont() {
    emptyLines(1);
    LinesPerPage_ = linesPerPage(fontChoice_);
}

void Printout::placeOnLine(int column, const QString& text) {
    const int start = std::max(column, 1) - 1;
    if (lineOpen_ && current_.size() > start)
        endLine();
    if (current_.size() < start)
        current_.append(QString(start - current_.size(), u' '));
    current_.append(text);
    lineOpen_ = true;
}

Printout& Printout::at(int column, const QString& text) {
    if (!text.contains(u'\n')) {
        placeOnLine(column, text);
        return *this;
    }
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n"));
    const QStringList parts = text.split(lineBreak);
    placeOnLine(column, parts.first());
    for (qsizetype part = 1; part < parts.size(); ++part) {
        endLine();
        placeOnLine(1, parts[part]);
    }
    return *this;
}

Printout& Printout::rightAt(int column, int width, const QString& text) {
    const int overflow = std::max(0, int(text.size()) - width);
    int start = std::max(1, column - overflow);
    // Reaching left never pushes the figure onto the next line or over the text before it.
    if (lineOpen_ && current_.size() >= start && current_.size() < column)
        start = int(current_.size()) + 1;
    return at(start, text.rightJustified(width));
}

Printout& Printout::append(const QString& text) {
    return at(int(current_.size()) + 1, text);
}

void Printout::endLine() {
    // Trailing blanks never show on paper; dropping them keeps a line what it prints.
    while (current_.endsWith(u' '))
        current_.chop(1);
    pages_.last().append(current_);
    current_.clear();
    lineOpen_ = false;
}

void Printout::line(int column, const QString& text) {
    at(column, text);
    endLine();
}

void Printout::emptyLines(int count) {
    if (lineOpen_)
        endLine();
    for (int i = 0; i < count; ++i)
        endLine();
}

void Printout::printHeader(const QString& HeaderLine) {
    line(2, HeaderLine);
    emptyLines(1);
}

bool Printout::fillsPage(int lineCount) const {
    return lineCount % LinesPerPage_ == 0;
}

bool Printout::needsNewPageFor(int lineCount, int lines) const {
    return lineCount + lines >= LinesPerPage_;
}

void Printout::pageBreak() {
    emptyLines(2);
    line(PageNumberColumn, QStringLiteral("Page %1").arg(pages_.size()));
    pages_.append(QStringList());
    SetPrinterFont();
}

PrintedReport Printout::EndPrintout() {
    if (lineOpen_)
        endLine();
    PrintedReport report;
    report.fontChoice = fontChoice_;
    report.pages = pages_;
    return report;
}

} // namespace pennywell::report
