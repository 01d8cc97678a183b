#include "mortgage/ScheduleModel.h"

namespace pennywell::ui {

ScheduleModel::ScheduleModel(mortgage::MortgageGrid grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(std::move(grid)) {}

void ScheduleModel::setGrid(mortgage::MortgageGrid grid) {
    beginResetModel();
    grid_ = std::move(grid);
    endResetModel();
}

void ScheduleModel::clearCells() {
    if (grid_.rows.empty())
        return;
    std::fill(grid_.rows.begin(), grid_.rows.end(), mortgage::GridRow{});
    emit dataChanged(index(0, 0), index(rowCount() - 1, mortgage::GridColumns - 1));
}

int ScheduleModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(grid_.rows.size());
}

int ScheduleModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : mortgage::GridColumns;
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole)
        return grid_.rows[std::size_t(index.row())][std::size_t(index.column())];
    if (role == Qt::TextAlignmentRole) {
        const Qt::Alignment horizontal = index.column() == 0 ? Qt::AlignHCenter : Qt::AlignRight;
        return QVariant::fromValue(horizontal | Qt::AlignVCenter);
    }
    return {};
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < mortgage::GridColumns)
        return grid_.headers[std::size_t(section)];
    return QAbstractTableModel::headerData(section, orientation, role);
}

} // namespace pennywell::ui
