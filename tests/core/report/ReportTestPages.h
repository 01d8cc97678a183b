#pragma once

#include "core/report/PrintedReport.h"

#include <QRegularExpression>
#include <QStringList>

namespace pennywell::report::testing {

// The line that numbers a closed page.
inline QString pageNumberLine(int page) {
    return QString(39, u' ') + QStringLiteral("Page %1").arg(page);
}

inline int countMatching(const QStringList& lines, const QRegularExpression& pattern) {
    int count = 0;
    for (const QString& line : lines)
        count += pattern.match(line).hasMatch() ? 1 : 0;
    return count;
}

// Every closed page ends with its number; the last page carries none.
inline bool pagesNumberedButTheLast(const PrintedReport& report) {
    for (qsizetype page = 0; page < report.pages.size(); ++page) {
        const QStringList& lines = report.pages[page];
        const bool last = page + 1 == report.pages.size();
        const bool numbered = !lines.isEmpty() && lines.last().trimmed().startsWith("Page");
        if (numbered == last || (!last && lines.last() != pageNumberLine(int(page) + 1)))
            return false;
        if (!last && (lines[lines.size() - 2] != "" || lines[lines.size() - 3] != ""))
            return false;
    }
    return true;
}

} // namespace pennywell::report::testing
