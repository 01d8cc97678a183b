#include "budget/BudgetGridModel.h"

#include "budget/BudgetMessages.h"

#include <QBrush>
#include <QPalette>

namespace pennywell::ui {
namespace {

constexpr int NumberColumn = 0;
constexpr int DescriptionColumn = 1;

// A tooltip that looks like markup is rendered as markup; a description is shown as typed.
QString plainToolTip(const QString& text) {
    return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

} // namespace

BudgetGridModel::BudgetGridModel(const QString& amountHeading, QObject* parent)
    : QAbstractTableModel(parent), headings_{budget_messages::NumberHeading,
                                             budget_messages::DescriptionHeading, amountHeading,
                                             budget_messages::BudgetedHeading} {}

void BudgetGridModel::showRecords(std::vector<BudgetRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    rowCount_ = int(rows_.size()) + EmptyRowsBelow;
    endResetModel();
}

int BudgetGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rowCount_;
}

int BudgetGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headings_.size());
}

QVariant BudgetGridModel::data(const QModelIndex& index, int role) const {
    const bool isRecord = index.row() < int(rows_.size());
    switch (role) {
    case Qt::DisplayRole:
        return isRecord ? rows_[std::size_t(index.row())][std::size_t(index.column())] : QString();
    case Qt::ToolTipRole: // a long description is cut by its column
        return isRecord && index.column() == DescriptionColumn
                   ? plainToolTip(rows_[std::size_t(index.row())][std::size_t(index.column())])
                   : QVariant();
    case Qt::TextAlignmentRole:
        if (index.column() == NumberColumn)
            return int(Qt::AlignCenter);
        if (index.column() == DescriptionColumn)
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        return int(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        // The number column is the grid's fixed column, shaded like the headings.
        if (index.column() == NumberColumn)
            return QBrush(QPalette().color(QPalette::Button));
        return {};
    default:
        return {};
    }
}

QVariant BudgetGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headings_.size())
        return {};
    if (role == Qt::DisplayRole)
        return headings_[section];
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter);
    return {};
}

} // namespace pennywell::ui
