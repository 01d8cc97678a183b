#include "ui/common/TextGridModel.h"

namespace pennywell::ui {

void TextGridModel::replace(QStringList headers, QList<QStringList> rows) {
    beginResetModel();
    headers_ = std::move(headers);
    rows_ = std::move(rows);
    endResetModel();
}

void TextGridModel::clearCells() {
    if (rows_.isEmpty())
        return;
    for (QStringList& row : rows_)
        row = QStringList(headers_.size());
    emit dataChanged(index(0, 0), index(int(rows_.size()) - 1, columnCount() - 1));
}

int TextGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int TextGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(headers_.size());
}

QString TextGridModel::cell(int row, int column) const {
    if (row < 0 || row >= rows_.size() || column < 0 || column >= rows_[row].size())
        return QString();
    return rows_[row][column];
}

Qt::Alignment TextGridModel::alignment(int column) const {
    return column == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter;
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return cell(index.row(), index.column());
    if (role == Qt::TextAlignmentRole)
        return int(alignment(index.column()));
    return {};
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= headers_.size())
        return {};
    if (role == Qt::DisplayRole)
        return headers_[section];
    if (role == Qt::TextAlignmentRole)
        return int(Qt::AlignCenter | Qt::TextWordWrap);
    return {};
}

} // namespace pennywell::ui
