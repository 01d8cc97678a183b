#include "ui/budget/BudgetGridModel.h"

#include "core/budget/BudgetMessages.h"
#include "core/budget/DescriptionLength.h"

#include <QBrush>
#include <QPalette>

namespace pennywell::ui {
namespace {

constexpr int NumberColumn = 0;
constexpr int DescriptionColumn = 1;
// More than the column ever shows. The view lays out the whole text of every cell it paints,
// so a description of thousands of characters would cost a long pause at every repaint.
constexpr int ShownDescriptionLength = 256;
// A tooltip shows a long description on one line; past this it would not fit any screen.
constexpr int ToolTipDescriptionLength = 1000;

// The start of a description, marked as cut when it goes on.
QString shownStart(const QString& description, int length) {
    if (description.size() <= length)
        return description;
    return descriptionStart(description, length) + QStringLiteral("...");
}

// A tooltip that looks like markup is rendered as markup; a description is shown as typed.
QString plainToolTip(const QString& text) {
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

} // namespace

BudgetGridModel::BudgetGridModel(const QString& amountHeading, QObject* parent)
    : TextGridModel(parent), headings_{budget_messages::NumberHeading,
                                       budget_messages::DescriptionHeading, amountHeading,
                                       budget_messages::BudgetedHeading} {
    setGrid(headings_, std::vector<BudgetRow>());
}

void BudgetGridModel::showRecords(const std::vector<BudgetRow>& rows) {
    emptyRowsBelow_ = EmptyRowsBelow;
    setGrid(headings_, rows);
}

int BudgetGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : shownRows() + emptyRowsBelow_;
}

Qt::Alignment BudgetGridModel::alignment(int column) const {
    if (column == DescriptionColumn)
        return Qt::AlignLeft | Qt::AlignVCenter;
    return TextGridModel::alignment(column);
}

QVariant BudgetGridModel::data(const QModelIndex& index, int role) const {
    const bool isRecord = index.row() < shownRows();
    if (role == Qt::ToolTipRole) // a long description is cut by its column
        return isRecord && index.column() == DescriptionColumn
                   ? plainToolTip(
                         shownStart(cell(index.row(), index.column()), ToolTipDescriptionLength))
                   : QVariant();
    // The number column is the grid's fixed column, shaded and lettered like the headings.
    if (role == Qt::BackgroundRole && index.column() == NumberColumn)
        return QBrush(QPalette().color(QPalette::Button));
    if (role == Qt::ForegroundRole && index.column() == NumberColumn)
        return QBrush(QPalette().color(QPalette::ButtonText));
    if (role == Qt::DisplayRole && index.column() == DescriptionColumn)
        return shownStart(cell(index.row(), index.column()), ShownDescriptionLength);
    return TextGridModel::data(index, role);
}

} // namespace pennywell::ui
