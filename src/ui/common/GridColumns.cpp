#include "ui/common/GridColumns.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <cmath>
#include <numeric>

namespace pennywell::ui {
namespace {

class GainedWidthSharing : public QObject {
public:
    GainedWidthSharing(QTableView* grid, int takingColumn)
        : QObject(grid), grid_(grid), takingColumn_(takingColumn), laidOutWidth_(grid->width()) {
        const QHeaderView* header = grid->horizontalHeader();
        for (int column = 0; column < header->count(); ++column)
            laidOut_.append(header->sectionSize(column));
        given_.fill(0, laidOut_.size());
        grid->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == grid_ && event->type() == QEvent::Resize)
            share();
        return false;
    }

private:
    // What each column gets of the gained width; the rounding's leftover goes to the last.
    QList<int> shares(int gained) const {
        QList<int> shares(laidOut_.size(), 0);
        if (takingColumn_ >= 0 && takingColumn_ < shares.size()) {
            shares[takingColumn_] = gained;
            return shares;
        }
        const qint64 total = std::accumulate(laidOut_.begin(), laidOut_.end(), qint64(0));
        if (total <= 0)
            return shares;
        int given = 0;
        for (int column = 0; column < shares.size(); ++column) {
            shares[column] = int(qint64(gained) * laidOut_[column] / total);
            given += shares[column];
        }
        shares.last() += gained - given;
        return shares;
    }

    // Each column is as wide as laid out plus its share, which a grid that widens a column to
    // hold its text (keepCellsWhole) takes as the window's width for it.
    void share() {
        const QList<int> wanted = shares(std::max(0, grid_->width() - laidOutWidth_));
        for (int column = 0; column < wanted.size(); ++column) {
            if (wanted[column] == given_[column])
                continue;
            given_[column] = wanted[column];
            grid_->setColumnWidth(column, laidOut_[column] + wanted[column]);
        }
    }

    QTableView* grid_;
    int takingColumn_;
    int laidOutWidth_;
    QList<int> laidOut_; // the columns' widths at the laid-out width
    QList<int> given_;   // what each column has of the gained width
};

} // namespace

void widenToHold(QTableView* grid, int column, const QString& text, int donor) {
    const int margins =
        2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
    const int gridLine = grid->showGrid() ? 1 : 0;
    const int needed =
        int(std::ceil(QFontMetricsF(grid->font()).horizontalAdvance(text))) + margins + gridLine;
    const int shortfall = needed - grid->columnWidth(column);
    if (shortfall <= 0)
        return;
    grid->setColumnWidth(column, needed);
    grid->setColumnWidth(donor, grid->columnWidth(donor) - shortfall);
}

void shareGainedWidth(QTableView* grid, int takingColumn) {
    new GainedWidthSharing(grid, takingColumn);
}

} // namespace pennywell::ui
