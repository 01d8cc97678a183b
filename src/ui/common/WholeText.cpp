#include "ui/common/WholeText.h"

#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSet>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableView>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <optional>

namespace pennywell::ui {
namespace {

// The width a line edit gives its text: its contents less the text margins, the two pixels it
// keeps clear on either side and the pixel of the cursor. A wider text scrolls out of sight.
qreal lineEditRoom(const QLineEdit* edit) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->contentsRect();
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    constexpr int ClearEachSide = 2;
    constexpr int Cursor = 1;
    return contents.width() - margins.left() - margins.right() - 2 * ClearEachSide - Cursor;
}

// A framed label keeps half an "x" of its font clear on its aligned side; a wider text is cut.
qreal labelRoom(const QLabel* label, const QFont& font) {
    int indent = label->indent();
    if (indent < 0)
        indent = label->frameWidth() > 0 ? QFontMetrics(font).horizontalAdvance(u'x') / 2 : 0;
    return label->contentsRect().width() - 2 * label->margin() - indent;
}

class TextFitter : public QObject {
public:
    using Text = std::function<QString()>;
    using Room = std::function<qreal(const QFont&)>;

    // `fontHolder` is the widget whose font is sized; `textWidget` shows the text.
    TextFitter(QWidget* fontHolder, QWidget* textWidget, Text text, Room room)
        : QObject(fontHolder), holder_(fontHolder), text_(std::move(text)), room_(std::move(room)),
          full_(fontHolder->font()) {
        fontHolder->installEventFilter(this);
        if (textWidget != fontHolder)
            textWidget->installEventFilter(this);
    }

    void fit() {
        fittedText_ = text_();
        const QFont font = fittedFont(fittedText_);
        if (font == holder_->font())
            return;
        const QScopedValueRollback guard(applying_, true);
        holder_->setFont(font);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::FontChange:
            if (watched == holder_ && !applying_) {
                full_ = holder_->font();
                fit();
            }
            break;
        case QEvent::Resize:
            fit();
            break;
        case QEvent::Paint: // a label tells no one that its text changed
            if (text_() != fittedText_)
                fit();
            break;
        default:
            break;
        }
        return false;
    }

private:
    bool fits(const QFont& font, const QString& text) const {
        return std::ceil(QFontMetricsF(font).horizontalAdvance(text)) <= room_(font);
    }

    static void setSize(QFont& font, qreal size, bool points) {
        if (points)
            font.setPointSizeF(size);
        else
            font.setPixelSize(int(size));
    }

    QFont fittedFont(const QString& text) const {
        const qreal room = room_(full_);
        if (room <= 0 || fits(full_, text)) // no room yet: the box is not laid out
            return full_;
        const bool points = full_.pointSizeF() > 0;
        const qreal step = points ? 0.25 : 1.0;
        const qreal fullSize = points ? full_.pointSizeF() : qreal(full_.pixelSize());
        const qreal advance = QFontMetricsF(full_).horizontalAdvance(text);
        // Glyphs scale with the size only roughly (hinting): start from the proportional size
        // and step to the largest that fits.
        qreal size = std::max(step, std::floor(fullSize * room / advance / step) * step);
        QFont font = full_;
        setSize(font, size, points);
        while (size > step && !fits(font, text))
            setSize(font, size -= step, points);
        QFont larger = font;
        while (size + step < fullSize) {
            setSize(larger, size + step, points);
            if (!fits(larger, text))
                break;
            size += step;
            font = larger;
        }
        return font;
    }

    QWidget* holder_;
    Text text_;
    Room room_;
    QFont full_;
    QString fittedText_;
    bool applying_ = false;
};

// The widest text of a grid column, and the font of its cell when the cell has its own.
struct WidestCell {
    QString text;
    std::optional<QFont> font;
};

class CellFitter : public QObject {
public:
    CellFitter(QTableView* grid, int yieldingColumn)
        : QObject(grid), grid_(grid), gridObject_(grid), gridType_(grid->metaObject()),
          yielding_(yieldingColumn), full_(grid->font()) {
        QHeaderView* header = grid->horizontalHeader();
        connect(header, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
            if (applying_ || column >= narrowest_.size())
                return;
            narrowest_[column] = size;
            fit();
        });
        const QAbstractItemModel* model = grid->model();
        connect(model, &QAbstractItemModel::modelReset, this, &CellFitter::fit);
        connect(model, &QAbstractItemModel::dataChanged, this, &CellFitter::fit);
        connect(model, &QAbstractItemModel::rowsInserted, this, &CellFitter::fit);
        connect(model, &QAbstractItemModel::columnsInserted, this, &CellFitter::fit);
        connect(model, &QAbstractItemModel::layoutChanged, this, &CellFitter::fit);
        grid->installEventFilter(this);
        fit();
    }

    // At the grid's own font when every column fits the grid; otherwise at the largest size
    // down to 8 points at which they do; otherwise at its own font with wider columns.
    void fit() {
        // A grid being destroyed is a plain QWidget already when its model, deleted with it,
        // announces that it is empty; only its QObject side may still be asked.
        if (gridObject_->metaObject() != gridType_)
            return;
        const int columns = grid_->model()->columnCount();
        while (narrowest_.size() < columns)
            narrowest_.append(grid_->horizontalHeader()->sectionSize(int(narrowest_.size())));
        const QList<WidestCell> widest = widestCells(columns);
        QFont font = full_;
        QList<int> widths = widthsAt(full_, widest);
        if (total(widths) > total(narrowest_.mid(0, columns)) && full_.pointSizeF() > 0) {
            constexpr qreal SmallestReadable = 8;
            for (qreal size = full_.pointSizeF() - 0.5; size >= SmallestReadable; size -= 0.5) {
                QFont smaller = full_;
                smaller.setPointSizeF(size);
                const QList<int> smallerWidths = widthsAt(smaller, widest);
                if (total(smallerWidths) <= total(narrowest_.mid(0, columns))) {
                    font = smaller;
                    widths = smallerWidths;
                    break;
                }
            }
        }
        apply(font, widths);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == grid_ && event->type() == QEvent::FontChange && !applying_) {
            full_ = grid_->font();
            fit();
        }
        return false;
    }

private:
    static int total(const QList<int>& widths) {
        return std::accumulate(widths.begin(), widths.end(), 0);
    }

    QList<WidestCell> widestCells(int columns) const {
        QList<WidestCell> widest(columns);
        for (int column = 0; column < columns; ++column)
            if (column != yielding_) // free text: it gives way, however long it is
                widest[column] = widestCell(column);
        return widest;
    }

    // Measuring a text means shaping it, and a schedule of every payment has some twelve
    // thousand cells. In a fixed-pitch font each printable ASCII character takes the same
    // advance, so of the cells in the grid's font that hold only those, the longest alone is
    // measured; of the others, each different text once.
    WidestCell widestCell(int column) const {
        const QAbstractItemModel* model = grid_->model();
        const QFontMetricsF gridMetrics(full_);
        const bool evenPitch = QFontInfo(full_).fixedPitch();
        WidestCell widest;
        qreal widestAdvance = 0;
        const auto measure = [&](const QString& text, const std::optional<QFont>& font) {
            const qreal advance = font ? QFontMetricsF(*font).horizontalAdvance(text)
                                       : gridMetrics.horizontalAdvance(text);
            if (advance > widestAdvance) {
                widestAdvance = advance;
                widest = {text, font};
            }
        };
        QString longestEven;
        QSet<QString> measured;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row, column);
            const QString text = index.data(Qt::DisplayRole).toString();
            const QVariant font = index.data(Qt::FontRole);
            if (font.isValid()) {
                measure(text, font.value<QFont>());
            } else if (evenPitch && isPrintableAscii(text)) {
                if (text.size() > longestEven.size())
                    longestEven = text;
            } else if (!measured.contains(text)) { // a text met again is no wider than before
                measured.insert(text);
                measure(text, std::nullopt);
            }
        }
        if (!longestEven.isEmpty())
            measure(longestEven, std::nullopt);
        return widest;
    }

    static bool isPrintableAscii(const QString& text) {
        return std::all_of(text.begin(), text.end(),
                           [](QChar character) { return character >= u' ' && character <= u'~'; });
    }

    // Each column as wide as its widest text with the cell's margins and the grid line, and
    // never narrower than the window made it, the yielding column excepted.
    QList<int> widthsAt(const QFont& font, const QList<WidestCell>& widest) const {
        const int margins =
            2 * (grid_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid_) + 1) +
            (grid_->showGrid() ? 1 : 0);
        QList<int> widths = narrowest_.mid(0, widest.size());
        int grown = 0;
        for (int column = 0; column < widest.size(); ++column) {
            if (column == yielding_ || widest[column].text.isEmpty())
                continue;
            const QFontMetricsF metrics(widest[column].font.value_or(font));
            const int needed = int(std::ceil(metrics.horizontalAdvance(widest[column].text)));
            widths[column] = std::max(widths[column], needed + margins);
            grown += widths[column] - narrowest_[column];
        }
        if (yielding_ >= 0 && yielding_ < widest.size())
            widths[yielding_] = std::max(narrowest_[yielding_] - grown, narrowest_[yielding_] / 2);
        return widths;
    }

    void apply(const QFont& font, const QList<int>& widths) {
        const QScopedValueRollback guard(applying_, true);
        if (grid_->font() != font)
            grid_->setFont(font);
        QHeaderView* header = grid_->horizontalHeader();
        for (int column = 0; column < widths.size(); ++column)
            if (header->sectionSize(column) != widths[column])
                header->resizeSection(column, widths[column]);
        // A grid laid out to fit its columns exactly scrolls sideways once they are wider.
        if (total(widths) > total(narrowest_.mid(0, widths.size())) &&
            grid_->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff)
            grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }

    QTableView* grid_;
    const QObject* gridObject_;
    const QMetaObject* gridType_; // the grid's own class, until its destructor runs
    int yielding_;
    QFont full_;
    QList<int> narrowest_; // the widths the window gave the columns
    bool applying_ = false;
};

} // namespace

void keepTextWhole(QLineEdit* box) {
    auto* fitter = new TextFitter(
        box, box, [box] { return box->text(); }, [box](const QFont&) { return lineEditRoom(box); });
    QObject::connect(box, &QLineEdit::textChanged, fitter, &TextFitter::fit);
    fitter->fit();
}

void keepTextWhole(QComboBox* box) {
    QLineEdit* edit = box->lineEdit();
    if (!edit)
        return; // a list that is not typed into shows its own entries, which fit it
    auto* fitter = new TextFitter(
        box, edit, [edit] { return edit->text(); },
        [edit](const QFont&) { return lineEditRoom(edit); });
    QObject::connect(edit, &QLineEdit::textChanged, fitter, &TextFitter::fit);
    fitter->fit();
}

void keepTextWhole(QLabel* result) {
    auto* fitter = new TextFitter(
        result, result, [result] { return result->text(); },
        [result](const QFont& font) { return labelRoom(result, font); });
    fitter->fit();
}

void keepCellsWhole(QTableView* grid, int yieldingColumn) {
    new CellFitter(grid, yieldingColumn);
}

} // namespace pennywell::ui
