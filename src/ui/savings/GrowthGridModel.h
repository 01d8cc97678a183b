#pragma once

#include "savings/GrowthPresenter.h"

#include <QAbstractTableModel>

namespace pennywell::ui {

// "SGrid"'s cells: the presenter's texts, year column centred, amounts right-aligned.
class GrowthGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit GrowthGridModel(QObject* parent = nullptr);

    void setGrid(GrowthGrid grid);
    // Empties every cell below the heading; the number of rows stays.
    void clearCells();
    const GrowthGrid& grid() const { return grid_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    GrowthGrid grid_;
};

} // namespace pennywell::ui
