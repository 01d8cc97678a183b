#pragma once

#include <QString>

namespace pennywell {

inline const QString SampleBudgetFileName = QStringLiteral("Sample.bgt");

// The sample budget ships with the program, beside it or in its shared data folder. When
// budgets are kept in the user's data folder (an installed program, or a program folder that
// cannot be written), a copy is put there once, so the quick help's invitation to open it
// still finds it. A user's own file of that name is kept.
void provideSampleBudget(const QString& shippedFolder, const QString& programFolder);

} // namespace pennywell
