#pragma once

#include <QString>

namespace pennywell::budget_messages {

// Titles and texts of the budget window's message boxes, shared with pennywell-calc.
inline const QString HelpTitle = QStringLiteral("Help");
inline const QString MissingData = QStringLiteral(" Boxes 1 and 3 must have data.");
inline const QString EntryErrorTitle = QStringLiteral("Entry Error");
inline const QString TableFull =
    QStringLiteral("Wrong entry: the list already holds 500 records; delete one to add another.");
inline const QString WrongEntry = QStringLiteral("Wrong entry");
inline const QString EntryErrorLowerTitle = QStringLiteral("Entry error");
inline const QString NoRecordsToChange = QStringLiteral(" No records to change ");
inline const QString NoIncomeToDelete = QStringLiteral(" No records to delete ");
inline const QString NoExpenseToDelete = QStringLiteral(" No records to delete");
inline const QString RecordDoesNotExist = QStringLiteral(" Record Number does not exist.");
inline const QString DeleteQuestion = QStringLiteral("Are you sure you wish to delete record ");
inline const QString NoRecordsToSave = QStringLiteral("No Records to Save");
inline const QString SavingErrorTitle = QStringLiteral("Saving Error");
inline const QString BadFilename = QStringLiteral(" Bad filename, must be in the form MYFILE.BGT");
inline const QString LoadFileTitle = QStringLiteral("Load File");
inline const QString LoadFailed =
    QStringLiteral("File not found or wrong format. Check Filename and/or Directory");
// After "Load File", when descriptions longer than the window keeps were shortened: the
// heading, then one line per record (the side and the description's start), the last
// perhaps counting those not listed.
inline QString descriptionsShortened(int maximumLength) {
    return QStringLiteral("These descriptions were longer than %1 characters and were cut to "
                          "that length:")
        .arg(maximumLength);
}
inline QString shortenedRecord(const QString& side, const QString& start) {
    return QStringLiteral("%1: \"%2...\"").arg(side, start);
}
inline QString moreShortened(qsizetype count) {
    return QStringLiteral("and %1 more").arg(count);
}
inline const QString ChangedFileTitle = QStringLiteral("Changed File in Memory");
inline const QString ChangedFileQuestion =
    QStringLiteral(" file in memory will be erased. Do you want to go back and save it to Disk?.");
inline const QString ChangePending =
    QStringLiteral(" Add the changed record first, then open a file.");
inline const QString ChangePendingBeforeSave =
    QStringLiteral(" Add the changed record first, then save the file.");

// Captions of the two halves, the grids' column headings and the labels over the net
// balances, which pennywell-calc shows as the window does.
inline const QString IncomeCaption = QStringLiteral(" Annual Income ");
inline const QString ExpenseCaption = QStringLiteral("Annual Expense");
inline const QString NumberHeading = QStringLiteral("No.");
inline const QString DescriptionHeading = QStringLiteral("Description");
inline const QString IncomeHeading = QStringLiteral("Income");
inline const QString ExpenseHeading = QStringLiteral("Expense");
inline const QString BudgetedHeading = QStringLiteral("Budgeted");
inline const QString ExistingHeading = QStringLiteral("Existing ");

} // namespace pennywell::budget_messages
