#pragma once

#include "core/budget/BudgetRecord.h"
#include "core/files/SaveResult.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace pennywell {

// The budget file: the income count, one line per income record, the expense count, one
// line per expense record; every line ends in CR LF. A record line is
//   number,"description",annual amount,payments per year,annual budgeted
// with numbers in plain decimal (no exponent, no decimal point for whole values).
// Saved files keep 15 significant digits; a recovery copy keeps every bit of each figure.
enum class BudgetFileDigits { Fifteen, Exact };
QByteArray budgetFileBytes(const BudgetTables& tables,
                           BudgetFileDigits digits = BudgetFileDigits::Fifteen);

// Reads a whole file's bytes into new tables; empty when anything is wrong (a count outside
// 0..500, a missing or malformed line, payments per year not a positive finite number), so a
// bad file never half-replaces the records on screen. A leading UTF-8 byte-order mark is
// skipped; a file that is not valid UTF-8 is read as Windows-1252.
std::optional<BudgetTables> parseBudgetFile(const QByteArray& bytes);

// Reads the tables at the start of `bytes` and leaves in `rest` what follows the last record.
std::optional<BudgetTables> parseBudgetFileStart(QByteArrayView bytes, QByteArrayView& rest);

// A number as the file holds it: up to 15 significant digits, plain decimal notation.
QByteArray budgetFileNumber(double value);
// The shortest plain decimal that reads back as exactly the same double.
QByteArray budgetFileExactNumber(double value);

// Replaces the file atomically: on any failure the previous file stays exactly as it was.
SaveResult saveBudgetFile(const QString& path, const BudgetTables& tables);

// Reads only a regular file of a size that 500 + 500 records can have.
std::optional<BudgetTables> loadBudgetFile(const QString& path);

} // namespace pennywell
