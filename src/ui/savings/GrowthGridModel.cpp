#include "savings/GrowthGridModel.h"

#include <QRegularExpression>

namespace pennywell::ui {

GrowthGridModel::GrowthGridModel(QObject* parent)
    : QAbstractTableModel(parent), grid_(freshGrowthGrid()) {}

void GrowthGridModel::setGrid(GrowthGrid grid) {
    beginResetModel();
    grid_ = std::move(grid);
    endResetModel();
}

void GrowthGridModel::clearCells() {
    for (QStringList& row : grid_.rows)
        row = QStringList(GrowthGridColumns);
    if (!grid_.rows.isEmpty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, GrowthGridColumns - 1));
}

int GrowthGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(grid_.rows.size());
}

int GrowthGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GrowthGridColumns;
}

QVariant GrowthGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return grid_.rows.at(index.row()).at(index.column());
    if (role == Qt::TextAlignmentRole)
        return int(index.column() == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant GrowthGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= grid_.headers.size())
        return {};
    if (role == Qt::DisplayRole) {
        // Each heading's run of blanks is where it breaks onto its second line.
        static const QRegularExpression blankRun(QStringLiteral(" {2,}"));
        return grid_.headers.at(section).trimmed().replace(blankRun, QStringLiteral("\n"));
    }
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter | Qt::TextWordWrap);
    return {};
}

} // namespace pennywell::ui
