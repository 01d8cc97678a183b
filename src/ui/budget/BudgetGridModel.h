#pragma once

#include "budget/BudgetPresenter.h"

#include <QAbstractTableModel>

namespace pennywell::ui {

// "BGrid1" / "BGrid2": the records of one half and ten empty rows below them, so there is
// always room to see where the list ends. Cells are plain text, never interpreted.
class BudgetGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    BudgetGridModel(const QString& amountHeading, QObject* parent);

    void showRecords(std::vector<BudgetRow> rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static constexpr int EmptyRowsBelow = 10;

    QStringList headings_;
    std::vector<BudgetRow> rows_;
    int rowCount_ = EmptyRowsBelow + 1; // a fresh grid shows eleven empty rows
};

} // namespace pennywell::ui
