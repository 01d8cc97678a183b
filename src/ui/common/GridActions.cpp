#include "ui/common/GridActions.h"

#include "core/files/AtomicWrite.h"
#include "core/format/TableMessages.h"
#include "core/format/TableText.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/Messenger.h"
#include "ui/common/Services.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QStandardPaths>
#include <QTableView>
#include <algorithm>
#include <set>

namespace pennywell::ui {
namespace {

namespace texts = table_messages;

// EditRole gives a cell's whole text where the grid shows it shortened.
QString wholeText(const QAbstractItemModel& model, int row, int column) {
    return model.data(model.index(row, column), Qt::EditRole).toString();
}

QString heading(const QAbstractItemModel& model, int column) {
    return model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
}

ShownTable wholeTable(const QTableView& grid) {
    const QAbstractItemModel& model = *grid.model();
    ShownTable table;
    for (int column = 0; column < model.columnCount(); ++column) {
        if (!grid.isColumnHidden(column))
            table.headings.append(heading(model, column));
    }
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column) {
            if (!grid.isColumnHidden(column))
                cells.append(wholeText(model, row, column));
        }
        table.rows.append(cells);
    }
    return table;
}

// The selected cells in the rows and columns they span, unselected cells among them empty;
// the current cell when nothing is selected.
ShownTable selectedCells(const QTableView& grid) {
    const QItemSelectionModel& selection = *grid.selectionModel();
    QModelIndexList indexes = selection.selectedIndexes();
    if (indexes.isEmpty() && grid.currentIndex().isValid())
        indexes.append(grid.currentIndex());
    std::set<std::pair<int, int>> cells;
    std::set<int> rows;
    std::set<int> columns;
    for (const QModelIndex& index : indexes) {
        cells.insert({index.row(), index.column()});
        rows.insert(index.row());
        columns.insert(index.column());
    }
    const QAbstractItemModel& model = *grid.model();
    ShownTable table;
    const bool wholeColumns =
        !columns.empty() && std::all_of(columns.begin(), columns.end(), [&](int column) {
            return selection.isColumnSelected(column, QModelIndex());
        });
    if (wholeColumns) {
        for (const int column : columns)
            table.headings.append(heading(model, column));
    }
    for (const int row : rows) {
        QStringList shown;
        for (const int column : columns)
            shown.append(cells.count({row, column}) ? wholeText(model, row, column) : QString());
        table.rows.append(shown);
    }
    return table;
}

class GridActions : public QObject {
public:
    GridActions(QTableView* grid, Services& services, GridActionsOptions options)
        : QObject(grid), grid_(grid), services_(services), options_(std::move(options)) {
        grid->setSelectionMode(QAbstractItemView::ExtendedSelection);
        grid->setContextMenuPolicy(Qt::ActionsContextMenu);
        addAction(texts::CopyCaption, QKeySequence::Copy, [this] { copy(); });
        addAction(texts::SelectAllCaption, QKeySequence::SelectAll, [this] { grid_->selectAll(); });
        auto* separator = new QAction(grid);
        separator->setSeparator(true);
        grid->addAction(separator);
        addAction(texts::ExportCsvCaption, {}, [this] { exportCsv(); });
        if (options_.savePrintout)
            addAction(texts::SavePdfCaption, {}, options_.savePrintout);
    }

private:
    template <typename Slot>
    void addAction(const QString& caption, const QKeySequence& keys, Slot slot) {
        auto* action = new QAction(caption, grid_);
        action->setShortcut(keys);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, slot);
        grid_->addAction(action);
    }

    void copy() {
        auto* data = new QMimeData;
        data->setText(tabSeparatedText(selectedCells(*grid_), *options_.currencySymbol));
        QGuiApplication::clipboard()->setMimeData(data);
    }

    void exportCsv() {
        const FileDialogRequest request{
            FileDialogKind::Save,
            texts::CsvFilter,
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
            options_.fileName + QStringLiteral(".csv"),
            {},
            {}};
        const std::optional<QString> path = services_.fileDialogs.choose(grid_->window(), request);
        if (!path)
            return;
        const QString text = commaSeparatedText(wholeTable(*grid_), *options_.currencySymbol);
        if (const SaveResult saved = writeFileAtomically(*path, text.toUtf8()); !saved) {
            const QString problem = texts::cannotWriteCsv(QDir::toNativeSeparators(*path));
            services_.messenger.show(grid_->window(),
                                     Message{withRefusalReason(problem, saved), texts::Title,
                                             MessageButtons::Ok, MessageIcon::Critical});
        }
    }

    QTableView* grid_;
    Services& services_;
    GridActionsOptions options_;
};

} // namespace

void attachGridActions(QTableView* grid, Services& services, GridActionsOptions options) {
    new GridActions(grid, services, std::move(options));
}

} // namespace pennywell::ui
