#pragma once

#include "mortgage/MortgagePresenter.h"

#include <QAbstractTableModel>

namespace pennywell::ui {

// The cells of the schedule grid `MGrid`, as the presenter wrote them. A view asks only for
// the rows it shows, so thousands of rows cost no widgets.
class ScheduleModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ScheduleModel(mortgage::MortgageGrid grid, QObject* parent = nullptr);

    void setGrid(mortgage::MortgageGrid grid);
    // Every cell below the heading row emptied; the rows stay.
    void clearCells();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    mortgage::MortgageGrid grid_;
};

} // namespace pennywell::ui
