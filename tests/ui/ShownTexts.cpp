#include "ShownTexts.h"

#include <QAbstractButton>
#include <QAbstractTextDocumentLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <cmath>
#include <utility>

namespace pennywell::ui::testing {
namespace {

QString nameOf(const QWidget* control) {
    if (const auto* list = qobject_cast<const QComboBox*>(control->parentWidget()))
        return nameOf(list) + QStringLiteral(" text");
    return control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                           : control->objectName();
}

enum class Overflow { Clipped, Elided, ShowsEnd };

// A text the control draws with these flags inside the room, in control coordinates. A box
// whose text is longer than itself shows the text's end, where its cursor is; a view shortens
// a text wider than its room, blanks included, to an ellipsis.
ShownText placed(QWidget* control, const QString& where, const QString& text, const QRect& room,
                 const QFont& font, int flags, Overflow overflow = Overflow::Clipped) {
    const QFontMetrics metrics(font);
    const QSize size = metrics.boundingRect(room, flags, text).size();
    Qt::Alignment alignment = Qt::Alignment(flags);
    if (overflow == Overflow::ShowsEnd && size.width() > room.width())
        alignment = (alignment & ~Qt::AlignHorizontal_Mask) | Qt::AlignRight;
    const QRect whole = QStyle::alignedRect(control->layoutDirection(), alignment, size, room);
    // Blanks before and after a line of text show nothing, wherever they fall.
    QRect ink = whole;
    if (!(flags & Qt::TextWordWrap)) {
        const int mnemonic = flags & Qt::TextShowMnemonic;
        qsizetype first = 0;
        while (first < text.size() && text[first] == QLatin1Char(' '))
            ++first;
        const int left = metrics.size(mnemonic, text.left(first)).width();
        const int right =
            metrics.size(mnemonic, QString(text).remove(QRegularExpression(QStringLiteral(" +$"))))
                .width();
        ink = QRect(whole.left() + left, whole.top(), right - left, whole.height());
    }
    QWidget* window = control->window();
    const QPoint offset = control->mapTo(window, QPoint(0, 0));
    ShownText shown;
    shown.where = where;
    shown.text = text;
    shown.room = room.translated(offset);
    shown.drawn = (ink & room).translated(offset);
    shown.fits = ink.width() <= 0 || room.contains(ink);
    if (overflow == Overflow::Elided)
        shown.fits = size.width() <= room.width() && size.height() <= room.height();
    QWidget* onTop = window->childAt(shown.drawn.center());
    shown.readable = control->isEnabled() && (onTop == control || control->isAncestorOf(onTop));
    return shown;
}

QRect buttonRoom(QAbstractButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (qobject_cast<QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (auto* push = qobject_cast<QPushButton*>(button); push && push->isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    return button->style()->subElementRect(contents, &option, button);
}

void addButton(QList<ShownText>& texts, QAbstractButton* button) {
    const bool push = qobject_cast<QPushButton*>(button) != nullptr;
    const int alignment = push ? Qt::AlignCenter : int(Qt::AlignLeft | Qt::AlignVCenter);
    texts.append(placed(button, nameOf(button), button->text(), buttonRoom(button), button->font(),
                        alignment | Qt::TextShowMnemonic));
}

void addLabel(QList<ShownText>& texts, QLabel* label) {
    const int margin = label->margin();
    QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    if (label->indent() > 0)
        room.adjust(label->indent(), 0, 0, 0);
    int flags = int(label->alignment());
    if (label->wordWrap())
        flags |= Qt::TextWordWrap;
    if (label->buddy())
        flags |= Qt::TextShowMnemonic;
    texts.append(placed(label, nameOf(label), label->text(), room, label->font(), flags));
}

void addGroupTitle(QList<ShownText>& texts, QGroupBox* group) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.lineWidth = 1;
    option.textAlignment = group->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect title = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, group);
    ShownText shown = placed(group, nameOf(group), group->title(), title, group->font(),
                             Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic);
    // The style sizes the title to its text; it is cut where it leaves the frame.
    shown.fits = group->rect().contains(title);
    texts.append(shown);
}

// Where a line edit draws its text: inside its frame and margins, less its own two pixels.
QRect lineEditRoom(QLineEdit* box) {
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->contentsRect();
    option.lineWidth =
        box->hasFrame() ? box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box) : 0;
    QRect room = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    return room.marginsRemoved(box->textMargins()).adjusted(2, 0, -2, 0);
}

void addLineEdit(QList<ShownText>& texts, QLineEdit* box) {
    const int flags = int(box->alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter;
    texts.append(placed(box, nameOf(box), box->displayText(), lineEditRoom(box), box->font(), flags,
                        Overflow::ShowsEnd));
}

// Every entry of a list is shown in the closed list once chosen.
void addListEntries(QList<ShownText>& texts, QComboBox* list) {
    QRect room;
    if (list->isEditable()) {
        room = lineEditRoom(list->lineEdit()).translated(list->lineEdit()->pos());
    } else {
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        option.frame = list->hasFrame();
        room =
            list->style()
                ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
                .adjusted(1, 0, -1, 0);
    }
    for (int index = 0; index < list->count(); ++index) {
        ShownText entry =
            placed(list, nameOf(list) + QStringLiteral(" entry %1").arg(index),
                   list->itemText(index), room, list->font(), Qt::AlignLeft | Qt::AlignVCenter);
        entry.readable = entry.readable && !list->isEditable() && index == list->currentIndex();
        texts.append(entry);
    }
}

void addCells(QList<ShownText>& texts, QTableView* grid) {
    const QAbstractItemModel* model = grid->model();
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    for (int row = 0; row < model->rowCount(); ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QModelIndex index = model->index(row, column);
            const QString text = index.data().toString();
            if (text.trimmed().isEmpty() || grid->isColumnHidden(column))
                continue;
            const QVariant font = index.data(Qt::FontRole);
            const QVariant alignment = index.data(Qt::TextAlignmentRole);
            const int flags =
                alignment.isValid() ? alignment.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
            QRect cell(grid->columnViewportPosition(column), grid->rowViewportPosition(row),
                       grid->columnWidth(column), grid->rowHeight(row));
            if (grid->showGrid())
                cell.adjust(0, 0, -1, -1);
            const QRect room = cell.adjusted(margin, 0, -margin, 0);
            ShownText shown = placed(
                grid->viewport(), nameOf(grid) + QStringLiteral(" column %1").arg(column), text,
                room, font.isValid() ? font.value<QFont>() : grid->font(), flags,
                grid->textElideMode() == Qt::ElideNone ? Overflow::Clipped : Overflow::Elided);
            // A cut text shown with an ellipsis and whole in its tooltip is not lost.
            if (!shown.fits && grid->textElideMode() != Qt::ElideNone &&
                QTextDocumentFragment::fromHtml(index.data(Qt::ToolTipRole).toString())
                        .toPlainText() == text)
                shown.fits = true;
            // The selection's colours are the desktop's own.
            shown.readable = shown.readable && grid->viewport()->rect().contains(room) &&
                             !grid->selectionModel()->isSelected(index);
            texts.append(shown);
        }
    }
}

void addHeadings(QList<ShownText>& texts, QHeaderView* headings) {
    if (headings->orientation() != Qt::Horizontal)
        return;
    const int margin = headings->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, headings);
    for (int section = 0; section < headings->count(); ++section) {
        if (headings->isSectionHidden(section))
            continue;
        const QString text = headings->model()->headerData(section, Qt::Horizontal).toString();
        const QRect room(headings->sectionViewportPosition(section) + margin, margin,
                         headings->sectionSize(section) - 2 * margin,
                         headings->height() - 2 * margin);
        texts.append(placed(
            headings->viewport(),
            nameOf(headings->parentWidget()) + QStringLiteral(" heading %1").arg(section), text,
            room, headings->font(), int(headings->defaultAlignment()),
            headings->textElideMode() == Qt::ElideNone ? Overflow::Clipped : Overflow::Elided));
    }
}

// Each paragraph of a page on its own, as a page may set its own colours for one of them.
void addParagraphs(QList<ShownText>& texts, QTextEdit* page) {
    QAbstractTextDocumentLayout* layout = page->document()->documentLayout();
    const QPoint scrolled(page->horizontalScrollBar()->value(), page->verticalScrollBar()->value());
    for (QTextBlock block = page->document()->begin(); block.isValid(); block = block.next()) {
        const QRect area = layout->blockBoundingRect(block).toAlignedRect().translated(-scrolled) &
                           page->viewport()->rect();
        if (block.text().trimmed().isEmpty() || area.isEmpty())
            continue;
        ShownText shown = placed(page->viewport(), nameOf(page) + QStringLiteral(" paragraph"),
                                 block.text(), area, page->font(), Qt::AlignLeft | Qt::AlignTop);
        shown.drawn = shown.room;
        shown.fits = true; // the page scrolls
        texts.append(shown);
    }
}

void addTextPanel(QList<ShownText>& texts, QWidget* panel, QWidget* viewport) {
    ShownText shown =
        placed(viewport, nameOf(panel), QString(), viewport->rect(), panel->font(), 0);
    shown.drawn = shown.room;
    texts.append(shown);
}

double luminance(QRgb colour) {
    const auto channel = [](int value) {
        const double share = value / 255.0;
        return share <= 0.03928 ? share / 12.92 : std::pow((share + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour)) +
           0.0722 * channel(qBlue(colour));
}

double contrast(QRgb first, QRgb second) {
    const double a = luminance(first);
    const double b = luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

// The background is the area's commonest colour; the text is its colour furthest from it.
double renderedContrast(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) | 0xff000000u];
    QRgb background = 0;
    int most = 0;
    for (auto colour = counts.cbegin(); colour != counts.cend(); ++colour)
        if (colour.value() > most) {
            most = colour.value();
            background = colour.key();
        }
    double best = 1;
    for (auto colour = counts.cbegin(); colour != counts.cend(); ++colour)
        best = std::max(best, contrast(colour.key(), background));
    return best;
}

bool isOwnControl(const QWidget* widget) {
    return !widget->objectName().isEmpty() &&
           !widget->objectName().startsWith(QLatin1String("qt_"));
}

} // namespace

QList<ShownText> shownTexts(QWidget* window) {
    QList<ShownText> texts;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (control->window() != window || !control->isVisibleTo(window))
            continue;
        if (auto* button = qobject_cast<QAbstractButton*>(control);
            button && !button->text().isEmpty())
            addButton(texts, button);
        else if (auto* label = qobject_cast<QLabel*>(control); label && !label->text().isEmpty())
            addLabel(texts, label);
        else if (auto* group = qobject_cast<QGroupBox*>(control);
                 group && !group->title().isEmpty())
            addGroupTitle(texts, group);
        else if (auto* box = qobject_cast<QLineEdit*>(control);
                 box && !box->displayText().isEmpty())
            addLineEdit(texts, box);
        else if (auto* list = qobject_cast<QComboBox*>(control))
            addListEntries(texts, list);
        else if (auto* grid = qobject_cast<QTableView*>(control))
            addCells(texts, grid);
        else if (auto* headings = qobject_cast<QHeaderView*>(control))
            addHeadings(texts, headings);
        else if (auto* rich = qobject_cast<QTextEdit*>(control))
            addParagraphs(texts, rich);
        else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
            addTextPanel(texts, plain, plain->viewport());
    }
    return texts;
}

QStringList textsCutOff(QWidget* window, const QList<ShownText>& texts) {
    QStringList cut;
    QHash<QString, bool> reported; // one text of each grid column tells
    for (const ShownText& shown : texts)
        if (!shown.fits && !std::exchange(reported[shown.where], true))
            cut.append(QStringLiteral("%1: \"%2\" needs more than %3x%4")
                           .arg(shown.where, shown.text)
                           .arg(shown.room.width())
                           .arg(shown.room.height()));
    for (QWidget* control : window->findChildren<QWidget*>())
        if (control->window() == window && control->isVisibleTo(window) && isOwnControl(control) &&
            !control->parentWidget()->rect().contains(control->geometry()))
            cut.append(nameOf(control) + QStringLiteral(" reaches out of ") +
                       nameOf(control->parentWidget()));
    return cut;
}

QStringList textsHardToRead(const QImage& window, const QList<ShownText>& texts) {
    QStringList faint;
    QHash<QString, bool> reported;
    const qreal ratio = window.devicePixelRatio();
    for (const ShownText& shown : texts) {
        if (!shown.readable || shown.drawn.isEmpty() || reported.value(shown.where))
            continue;
        const QRectF drawn(shown.drawn.left() * ratio, shown.drawn.top() * ratio,
                           shown.drawn.width() * ratio, shown.drawn.height() * ratio);
        const QRect area = QRect(drawn.topLeft().toPoint(), drawn.size().toSize()) & window.rect();
        const double measured = renderedContrast(window, area);
        if (measured >= 4.5)
            continue;
        reported[shown.where] = true;
        faint.append(QStringLiteral("%1: \"%2\" at %3:1")
                         .arg(shown.where, shown.text)
                         .arg(measured, 0, 'f', 2));
    }
    return faint;
}

} // namespace pennywell::ui::testing
