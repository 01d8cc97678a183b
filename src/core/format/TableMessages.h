#pragma once

#include <QString>

namespace pennywell::table_messages {

// The grids' own menu, and what the user is told when a table cannot be saved.
inline const QString CopyCaption = QStringLiteral("Copy");
inline const QString SelectAllCaption = QStringLiteral("Select All");
inline const QString ExportCsvCaption = QStringLiteral("Export as CSV…");
inline const QString SavePdfCaption = QStringLiteral("Save Printout as PDF…");
inline const QString CsvFilter = QStringLiteral("CSV Files (*.csv)|*.csv");
inline const QString Title = QStringLiteral("Export");

inline QString cannotWriteCsv(const QString& path) {
    return QStringLiteral("The CSV file could not be written:\r\n%1").arg(path);
}

} // namespace pennywell::table_messages
