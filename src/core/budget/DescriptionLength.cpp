#include "core/budget/DescriptionLength.h"

#include "core/budget/BudgetMessages.h"

#include <QStringList>

namespace pennywell {
namespace {

// How much of a description the message quotes: as much as a printed statement shows.
constexpr int QuotedLength = 20;
constexpr int ListedRecords = 10;

void shortenTable(BudgetTable& table, const QString& side, QStringList& shortened) {
    for (BudgetRecord& record : table.records) {
        QString& description = record.description;
        if (description.size() <= MaximumDescriptionLength)
            continue;
        description = descriptionStart(description, MaximumDescriptionLength);
        shortened.append(budget_messages::shortenedRecord(side, description.left(QuotedLength)));
    }
}

} // namespace

QString descriptionStart(const QString& description, qsizetype length) {
    if (description.size() <= length)
        return description;
    return description.left(description.at(length - 1).isHighSurrogate() ? length - 1 : length);
}

QString shortenLongDescriptions(BudgetTables& tables) {
    QStringList shortened;
    shortenTable(tables.income, budget_messages::IncomeHeading, shortened);
    shortenTable(tables.expense, budget_messages::ExpenseHeading, shortened);
    if (shortened.isEmpty())
        return QString();
    const qsizetype unlisted = shortened.size() - ListedRecords;
    if (unlisted > 0) {
        shortened.resize(ListedRecords);
        shortened.append(budget_messages::moreShortened(unlisted));
    }
    return budget_messages::descriptionsShortened(MaximumDescriptionLength) +
           QStringLiteral("\r\n") + shortened.join(QStringLiteral("\r\n"));
}

} // namespace pennywell
