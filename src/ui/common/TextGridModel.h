#pragma once

#include <QAbstractTableModel>
#include <QStringList>

namespace pennywell::ui {

// A planner's grid as the core wrote it: the headings and every cell as displayed, shown
// read-only. A view asks only for the rows it shows, so thousands of rows cost no widgets.
// The first column is centred and the others right-aligned, as in every planner's grid.
class TextGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows new headings and rows, given as any containers of texts.
    template <typename Headers, typename Rows>
    void setGrid(const Headers& headers, const Rows& rows) {
        QList<QStringList> texts;
        texts.reserve(qsizetype(rows.size()));
        for (const auto& row : rows)
            texts.append(QStringList(row.begin(), row.end()));
        replace(QStringList(headers.begin(), headers.end()), std::move(texts));
    }
    // Every cell below the headings emptied; the rows stay.
    void clearCells();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

protected:
    virtual Qt::Alignment alignment(int column) const;
    int shownRows() const { return int(rows_.size()); }
    // The cell's text; "" below the last row.
    QString cell(int row, int column) const;

private:
    void replace(QStringList headers, QList<QStringList> rows);

    QStringList headers_;
    QList<QStringList> rows_;
};

} // namespace pennywell::ui
