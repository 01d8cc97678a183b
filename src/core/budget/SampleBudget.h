#pragma once

#include <QString>

namespace pennywell {

inline const QString SampleBudgetFileName = QStringLiteral("Sample.bgt");

// The sample budget ships beside the program. When budgets are kept in the user's data
// folder instead (the program folder cannot be written), a copy is put there once, so the
// quick help's invitation to open it still finds it. A user's own file of that name is kept.
void provideSampleBudget(const QString& executableFolder, const QString& programFolder);

} // namespace pennywell
