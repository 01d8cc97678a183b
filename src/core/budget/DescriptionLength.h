#pragma once

#include "core/budget/BudgetRecord.h"

#include <QString>

namespace pennywell {

// The longest description the window keeps: as much as the description box holds, so every
// description typed there reads back whole. Longer ones come only from files made elsewhere;
// laying out megabytes of one would freeze the window at every repaint.
inline constexpr int MaximumDescriptionLength = 32767;

// The first `length` (at least 1) characters of a description; one fewer where the cut would split
// a character in two.
QString descriptionStart(const QString& description, qsizetype length);

// Cuts every longer description to its first MaximumDescriptionLength characters (never
// between the halves of a character). Returns the message naming the records shortened, or
// an empty text when none was.
QString shortenLongDescriptions(BudgetTables& tables);

} // namespace pennywell
