#include "core/budget/BudgetHelpText.h"

#include <QStringList>

namespace pennywell {

QString budgetHelpText() {
    static const QStringList lines = {
        QStringLiteral(
            "Background Color: Input boxes are yellow, records white and results green."),
        QStringLiteral("    Annual Income or Annual Expenses"),
        QStringLiteral("Type your data in the four top row input boxes, then click the Add "
                       "button, data will move down to the Record list."),
        QStringLiteral("What If? button: Select record number, will then show in top input "
                       "boxes for change. Use to alter a record or reduce an expense."),
        QStringLiteral("Delete button: Deletes a record from the list."),
        QStringLiteral("Show for Period: Click down-arrow to open, then select period. Amounts "
                       "will be shown for that period. Totals text will also change."),
        QStringLiteral("Sort by: Click down-arrow to open, then select type of sort. Records "
                       "will be sorted."),
        QStringLiteral("Open File button: Opens a file from disk."),
        QStringLiteral("Save File button: Saves the current file to disk."),
        QStringLiteral("To Printer button: Sends the budget data to your printer."),
        QStringLiteral("Entries in the second input boxes should be your existing income and "
                       "expenses. The fourth boxes, your adjusted budget figures."),
        QStringLiteral("All results are calculated to 5 decimal places, however they are shown "
                       "rounded up or down to the nearest cent."),
        QStringLiteral("Open the Sample.BGT file and try out all the features."),
        QStringLiteral("Data saved with versions previous to v2.20 are not compatible with this "
                       "new format. Must be typed in again."),
        QStringLiteral("Press the F1 key for more information."),
        QStringLiteral("End"),
    };
    const QString lineEnd = QStringLiteral("\r\n\r\n");
    return lines.join(lineEnd) + lineEnd;
}

} // namespace pennywell
