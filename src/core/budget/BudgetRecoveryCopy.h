#pragma once

#include "core/budget/BudgetEditing.h"
#include "core/budget/BudgetPeriod.h"
#include "core/budget/BudgetRecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace pennywell {

// A What If? change not yet stored: the record it was taken from and what its boxes hold, the
// figures as far as they were committed by leaving their box.
struct PendingBudgetChange {
    BudgetSide side = BudgetSide::Income;
    int record = 0;
    QString description;
    BudgetEntry entry;
};

// What the budget planner would lose if the program ended now.
struct BudgetWork {
    BudgetTables tables;
    QString filePath; // the budget file the records were opened from or saved to; empty: none
    BudgetPeriod period = annualPeriod();
    BudgetSortOrder order = BudgetSortOrder::NamesAscending;
    bool changed = false; // the planner's changed flag: leaving it would ask first
    std::vector<PendingBudgetChange> pendingChanges;
};

// Whether ending now would lose anything: records that differ from those of the file last
// opened or saved (`kept`; empty for a budget not in a file), in any order, or a pending change
// whose boxes differ from its record.
bool holdsLostWork(const BudgetWork& work, const BudgetTables& kept);

// The copy is a budget file whose figures keep every bit, followed by lines of its own that the
// budget file reader never reaches, so "Open File" reads the records of a copy too:
//   [unsaved budget]
//   file=<the budget file's path, its bytes percent-encoded>
//   period=<key> and sort=<key>, as pennywell-calc names them
//   change=<income|expense>,<record>,<amount>,<payments>,<budgeted>,<description, encoded>
//   written=<UTC date and time>
// `recoveryCopyBody` is all but the last line, which only `withWrittenTime` adds.
QByteArray recoveryCopyBody(const BudgetWork& work);
QByteArray withWrittenTime(const QByteArray& body, const QDateTime& written);

struct RecoveryCopy {
    BudgetWork work; // `changed` is set: restored records are unsaved
    QDateTime written;
};

// Empty for anything but a whole, consistent copy.
std::optional<RecoveryCopy> parseRecoveryCopy(const QByteArray& bytes);

// The question asked when the planner opens over a copy from an earlier run.
QString recoveryQuestion(const RecoveryCopy& copy);
inline const QString RecoveryTitle = QStringLiteral("Unsaved Budget Changes");

} // namespace pennywell
