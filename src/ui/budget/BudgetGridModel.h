#pragma once

#include "core/budget/BudgetPresenter.h"
#include "ui/common/TextGridModel.h"

namespace pennywell::ui {

// "BGrid1" / "BGrid2": the records of one half and ten empty rows below them, so there is
// always room to see where the list ends. Cells are plain text, never interpreted.
class BudgetGridModel : public TextGridModel {
    Q_OBJECT
public:
    BudgetGridModel(const QString& amountHeading, QObject* parent);

    void showRecords(const std::vector<BudgetRow>& rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

protected:
    Qt::Alignment alignment(int column) const override;

private:
    static constexpr int EmptyRowsBelow = 10;

    QStringList headings_;
    int emptyRowsBelow_ = EmptyRowsBelow + 1; // a fresh grid shows eleven empty rows
};

} // namespace pennywell::ui
