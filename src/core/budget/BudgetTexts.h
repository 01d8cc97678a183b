#pragma once

#include <QString>

// Captions and labels of the budget window and its record-number prompt.
namespace pennywell::budget_texts {

inline const QString WindowCaption = QStringLiteral("Budget Calculations");
inline const QString WindowDescription =
    QStringLiteral("Income and expense records, their totals and the net balance for a chosen "
                   "period");

// The labels over the four boxes of each half; the last two are the same on both sides.
inline const QString IncomeDescriptionLabel =
    QStringLiteral(" Description of the source of income");
inline const QString IncomeAmountLabel = QStringLiteral(" Amount of income");
inline const QString ExpenseDescriptionLabel =
    QStringLiteral(" Description of the expense purpose");
inline const QString ExpenseAmountLabel = QStringLiteral(" Amount of expense");
inline const QString PaymentsLabel = QStringLiteral("# paymts per year");
inline const QString BudgetedLabel = QStringLiteral("Amount budgeted");

// Each half's buttons, with mnemonics of their own so that both halves can be reached by key.
inline const QString IncomeAddCaption = QStringLiteral("&Add");
inline const QString IncomeWhatIfCaption = QStringLiteral("&What If?");
inline const QString IncomeDeleteCaption = QStringLiteral("D&elete");
inline const QString IncomeAddChangedCaption = QStringLiteral("Add Changed &Record");
inline const QString ExpenseAddCaption = QStringLiteral("Ad&d");
inline const QString ExpenseWhatIfCaption = QStringLiteral("What &If?");
inline const QString ExpenseDeleteCaption = QStringLiteral("De&lete");
inline const QString ExpenseAddChangedCaption = QStringLiteral("Add C&hanged Record");

// The totals' labels as the window opens, before a period other than a year is chosen.
inline const QString IncomeTotalsLabel = QStringLiteral(" Total annual income");
inline const QString ExpenseTotalsLabel = QStringLiteral(" Total annual expenses");
inline const QString NetBalanceLabel = QStringLiteral(" Annual Net Balance");

inline const QString PeriodLabel = QStringLiteral(" Show for period");
inline const QString SortLabel = QStringLiteral(" Sorted by");

// The file dialog's filter: its description, then the pattern it lists.
inline const QString FileFilter = QStringLiteral("Budget Database (*.bgt)|*.bgt");

inline const QString OpenFileCaption = QStringLiteral("&Open File");
inline const QString SaveFileCaption = QStringLiteral("&Save File");

// The record-number prompt; the run of spaces inside its labels is part of them.
inline const QString RecordPromptCaption = QStringLiteral("Input ");
inline const QString RecordPromptDescription = QStringLiteral("The number of a record");
inline const QString DeletePromptLabel = QStringLiteral(" Type in record       number to delete");
inline const QString ChangePromptLabel = QStringLiteral(" Type in record       number to change");

} // namespace pennywell::budget_texts
