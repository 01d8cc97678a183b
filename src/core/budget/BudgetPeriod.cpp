#include "core/budget/BudgetPeriod.h"

#include <algorithm>

namespace pennywell {
namespace {

// The totals labels start with the period as a sentence names it (" 2 weeks income").
BudgetPeriod period(const char* listText, const char* key, int divisor, const char* name,
                    const char* labelStem) {
    const QString stem = QString::fromLatin1(labelStem);
    return {QString::fromLatin1(listText),
            QString::fromLatin1(key),
            divisor,
            stem + QStringLiteral(" income"),
            stem + QStringLiteral(" expenses"),
            QString::fromLatin1(name)};
}

// The entry whose text in the given field is the one asked for.
template <typename Entry>
std::optional<Entry> findEntry(const QList<Entry>& entries, const QString& text,
                               QString Entry::*field) {
    const auto found = std::ranges::find(entries, text, field);
    return found == entries.end() ? std::nullopt : std::optional(*found);
}

} // namespace

const QList<BudgetPeriod>& budgetPeriods() {
    static const QList<BudgetPeriod> periods = {
        period("      Weekly", "weekly", 52, "Weekly", " Weekly"),
        period("     2 Weeks", "2weeks", 26, "2 Weeks", " 2 weeks"),
        period(" Semi-monthly", "semimonthly", 24, "Semi-monthly", " Semi-monthly"),
        period("     Monthly", "monthly", 12, "Monthly", " Monthly"),
        period("   Quarterly", "quarterly", 4, "Quarterly", " Quarterly"),
        period(" Semi-annual", "semiannual", 2, "Semi-annual", " Semi-annual"),
        period("      Annual", "annual", 1, "Annual", " Annual"),
    };
    return periods;
}

namespace {

QString existingOrBudgeted(const QString& figure, bool budgeted) {
    return figure + (budgeted ? QStringLiteral(", budgeted") : QStringLiteral(", existing"));
}

} // namespace

QString BudgetPeriod::spokenTotal(BudgetSide side, bool budgeted) const {
    const QString sum =
        side == BudgetSide::Income ? QStringLiteral("income") : QStringLiteral("expenses");
    return existingOrBudgeted(QStringLiteral("Total %1 %2").arg(name.simplified().toLower(), sum),
                              budgeted);
}

QString BudgetPeriod::spokenNetBalance(bool budgeted) const {
    return existingOrBudgeted(name.simplified() + QStringLiteral(" net balance"), budgeted);
}

const BudgetPeriod& annualPeriod() {
    return budgetPeriods().back();
}

std::optional<BudgetPeriod> periodFromListText(const QString& listText) {
    return findEntry(budgetPeriods(), listText, &BudgetPeriod::listText);
}

std::optional<BudgetPeriod> periodFromKey(const QString& key) {
    return findEntry(budgetPeriods(), key, &BudgetPeriod::key);
}

const QList<BudgetSortChoice>& budgetSortChoices() {
    static const QList<BudgetSortChoice> choices = {
        {QStringLiteral("   Names A - Z"), QStringLiteral("names-az"),
         BudgetSortOrder::NamesAscending},
        {QStringLiteral("   Names Z - A"), QStringLiteral("names-za"),
         BudgetSortOrder::NamesDescending},
        {QStringLiteral("Amounts Hi-Lo"), QStringLiteral("amounts-hilo"),
         BudgetSortOrder::AmountsHighToLow},
        {QStringLiteral("Amounts Lo-Hi"), QStringLiteral("amounts-lohi"),
         BudgetSortOrder::AmountsLowToHigh},
    };
    return choices;
}

std::optional<BudgetSortOrder> sortOrderFromListText(const QString& listText) {
    const auto choice = findEntry(budgetSortChoices(), listText, &BudgetSortChoice::listText);
    return choice ? std::optional(choice->order) : std::nullopt;
}

std::optional<BudgetSortOrder> sortOrderFromKey(const QString& key) {
    const auto choice = findEntry(budgetSortChoices(), key, &BudgetSortChoice::key);
    return choice ? std::optional(choice->order) : std::nullopt;
}

} // namespace pennywell
