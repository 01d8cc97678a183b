#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/mortgage/MortgageInputs.h"
#include "core/state/AppState.h"
#include "ui/budget/Budget.h"
#include "ui/budget/InRecNum.h"
#include "ui/common/Accessibility.h"
#include "ui/common/WindowPlacement.h"
#include "ui/graph/BarChart.h"
#include "ui/graph/GraphsAll.h"
#include "ui/help/HelpWindow.h"
#include "ui/mortgage/MortDateInput.h"
#include "ui/mortgage/MortIRFTable.h"
#include "ui/mortgage/MortPrePay.h"
#include "ui/mortgage/MortgageCalc.h"
#include "ui/printing/PrinterHeaderInput.h"
#include "ui/savings/SavingsCalc.h"
#include "ui/savings/YearSaveCalc.h"
#include "ui/shell/ChangeFnt.h"
#include "ui/shell/MenuMain.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>
#include <numeric>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

namespace {

// Everything a window may be built from, fresh for each window.
struct WindowInputs {
    AppState state;
    TestServices services;
    mortgage::ExtraPayments extraPayments{};
    int extraCount = 0;
    mortgage::DaysInYearSetting days;
};

struct WindowCase {
    const char* name;
    std::function<QWidget*(WindowInputs&)> make;
};

// Every window of the program; a new window is one more line.
const WindowCase EveryWindow[] = {
    {"MenuMain", [](WindowInputs& in) { return new MenuMain(in.state, in.services.services); }},
    {"ChangeFnt", [](WindowInputs& in) { return new ChangeFnt(in.state); }},
    {"MortgageCalc",
     [](WindowInputs& in) { return new MortgageCalc(in.state, in.services.services); }},
    {"MortgageCalc (loan)",
     [](WindowInputs& in) {
         in.state.PlanKind = 2;
         return new MortgageCalc(in.state, in.services.services);
     }},
    {"MortPrePay",
     [](WindowInputs& in) {
         return new MortPrePay(in.extraPayments, in.extraCount, 25, in.state, in.services.services);
     }},
    {"MortIRFTable", [](WindowInputs& in) { return new MortIRFTable(in.days); }},
    {"MortDateInput",
     [](WindowInputs& in) { return new MortDateInput(in.state, in.services.services); }},
    {"Budget", [](WindowInputs& in) { return new Budget(in.state, in.services.services); }},
    {"InRecNum",
     [](WindowInputs& in) {
         return new InRecNum(InRecNum::Purpose::Change, in.state, in.services.beeper);
     }},
    {"GraphsAll", [](WindowInputs& in) { return new GraphsAll(in.state, in.services.services); }},
    {"PrinterHeaderInput", [](WindowInputs& in) { return new PrinterHeaderInput(in.state); }},
    {"SavingsCalc",
     [](WindowInputs& in) { return new SavingsCalc(in.state, in.services.services); }},
    {"YearSaveCalc",
     [](WindowInputs& in) { return new YearSaveCalc(in.state, in.services.services); }},
    {"HelpViewer", [](WindowInputs& in) { return new HelpWindow(in.services.services); }},
};

// What a screen reader announces for the control: a button its caption, any other control
// the name given to it (left alone, a box borrows its frame's title and a list its value).
QString spokenName(QWidget* control) {
    if (!control->accessibleName().isEmpty() || !qobject_cast<QAbstractButton*>(control))
        return control->accessibleName();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name).trimmed() : QString();
}

// The controls the user can reach, hidden ones included (they show in another mode).
QList<QWidget*> focusableControls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (widget->window() == window && widget->focusPolicy() != Qt::NoFocus &&
            !widget->focusProxy() && !qobject_cast<QComboBox*>(widget->parentWidget()))
            controls.append(widget);
    return controls;
}

// Every cell's text shows whole in its column at the grid's font, margins included, and the
// columns fit the grid, so no text is cut.
QStringList cellsCutOff(const char* gridName, QTableView* grid) {
    QStringList cut;
    const int margins = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    const QFontMetricsF metrics(grid->font());
    const QAbstractItemModel* model = grid->model();
    int columnsWidth = 0;
    for (int column = 0; column < model->columnCount(); ++column) {
        qreal widest = 0;
        QString widestText;
        for (int row = 0; row < model->rowCount(); ++row) {
            const QString text = model->index(row, column).data().toString();
            if (metrics.horizontalAdvance(text) > widest) {
                widest = metrics.horizontalAdvance(text);
                widestText = text;
            }
        }
        if (widest + margins > grid->columnWidth(column))
            cut.append(
                QStringLiteral("%1 column %2: \"%3\"").arg(gridName).arg(column).arg(widestText));
        columnsWidth += grid->columnWidth(column);
    }
    if (columnsWidth > grid->viewport()->width())
        cut.append(QStringLiteral("%1 is wider than its view").arg(gridName));
    return cut;
}

// A figure shows whole in its box or result at a readable size: a line edit keeps its frame,
// two pixels on either side and its cursor clear, a framed label half an "x".
QStringList figureCutOff(QWidget* field) {
    const auto* edit = qobject_cast<QLineEdit*>(field);
    const QString text = edit ? edit->text() : qobject_cast<QLabel*>(field)->text();
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const int room = edit ? edit->width() - 2 * frame - 2 * 2 - 1
                          : field->contentsRect().width() -
                                QFontMetrics(field->font()).horizontalAdvance(u'x') / 2;
    if (QFontMetricsF(field->font()).horizontalAdvance(text) <= room &&
        field->font().pointSizeF() >= 8)
        return {};
    return {QStringLiteral("%1: \"%2\" at %3 points")
                .arg(field->objectName(), text)
                .arg(field->font().pointSizeF())};
}

void typeAndLeave(QWidget* window, const char* boxName, const QString& keys) {
    auto* box = child<QWidget>(window, boxName);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, keys);
    QTest::keyClick(box, Qt::Key_Return);
}

// What a screen reader would find wrong in a window's accessible tree: a window presented as
// a filler, a caption read with its layout blanks, a list named by its value, a result that
// could be typed into.
void hearFaults(QAccessibleInterface* node, const QString& where, QStringList& faults) {
    const QString name = node->text(QAccessible::Name);
    const auto role = node->role();
    if (role == QAccessible::StaticText && name.contains(QLatin1String("  ")))
        faults.append(where + ": a caption read with its blanks: \"" + name + "\"");
    if (role == QAccessible::ComboBox) {
        QAccessibleInterface* editable = node->childCount() > 1 ? node->child(1) : nullptr;
        if (name.isEmpty() || name.simplified() == node->text(QAccessible::Value).simplified() ||
            (editable && editable->text(QAccessible::Name) != name))
            faults.append(where + ": a list named \"" + name + "\" by its value");
    }
    if (role == QAccessible::EditableText && !node->state().focusable && !node->state().readOnly)
        faults.append(where + ": " + name + " looks typeable");
    if (role == QAccessible::Table || role == QAccessible::List || role == QAccessible::ComboBox)
        return;
    for (int index = 0; index < node->childCount(); ++index)
        if (QAccessibleInterface* child = node->child(index))
            hearFaults(child, where, faults);
}

QString spokenAs(QWidget* window, const char* controlName, QAccessible::Text kind) {
    return QAccessible::queryAccessibleInterface(child<QWidget>(window, controlName))->text(kind);
}

} // namespace

class EveryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void screenReadersHearWhatEachControlIs() {
        installAccessibleInterfaces();
        QStringList faults;
        for (const WindowCase& windowCase : EveryWindow) {
            WindowInputs inputs;
            const std::unique_ptr<QWidget> window(windowCase.make(inputs));
            QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window.get());
            const QString name = QString::fromLatin1(windowCase.name);
            if (root->role() != QAccessible::Window && root->role() != QAccessible::Dialog)
                faults.append(name + " is not presented as a window");
            hearFaults(root, name, faults);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        WindowInputs inputs;
        Budget budget(inputs.state, inputs.services.services);
        QVERIFY(showAndActivate(&budget));
        QCOMPARE(spokenAs(&budget, "TotInc", QAccessible::Name),
                 QStringLiteral("Total annual income, existing"));
        typeAndLeave(&budget, "InIncDesc", QStringLiteral("Pay"));
        typeAndLeave(&budget, "InIncAmt", QStringLiteral("1200"));
        typeAndLeave(&budget, "InIncFreq", QStringLiteral("1"));
        clickButton(&budget, "AddIncome1");
        auto* period = child<QComboBox>(&budget, "FreqPeriod");
        period->setCurrentIndex(3);
        emit period->activated(3);
        QCOMPARE(spokenAs(&budget, "NetBalanceBgt", QAccessible::Name),
                 QStringLiteral("Monthly net balance, budgeted"));
        QCOMPARE(spokenAs(&budget, "NetBalance", QAccessible::Value), QStringLiteral("$100.00"));
        QCOMPARE(spokenAs(&budget, "InExpFreq", QAccessible::Description), QStringLiteral("box 3"));
        const auto labels =
            QAccessible::queryAccessibleInterface(child<QWidget>(&budget, "NetBalance"))
                ->relations(QAccessible::Labelled);
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](const auto& relation) {
            return relation.first->text(QAccessible::Name) == QStringLiteral("Monthly Net Balance");
        }));

        BarChart chart;
        chart.resize(600, 400);
        chart.setContent({QStringLiteral("Growth"),
                          {{QStringLiteral("1"), Currency::fromUnits(12'000'000)},
                           {QStringLiteral("2"), Currency::fromUnits(26'400'000)}}},
                         QStringLiteral("$"));
        QAccessibleInterface* graph = QAccessible::queryAccessibleInterface(&chart);
        QCOMPARE(graph->text(QAccessible::Name), QStringLiteral("Growth"));
        QCOMPARE(graph->childCount(), 2);
        QCOMPARE(graph->child(1)->text(QAccessible::Name), QStringLiteral("Year 2"));
        QCOMPARE(graph->child(1)->text(QAccessible::Value), QStringLiteral("$2,640.00"));
        QCOMPARE(graph->indexOfChild(graph->child(1)), 1);
    }

    void everyControlHasANameAndEveryWindowADescription() {
        QStringList faults;
        for (const WindowCase& windowCase : EveryWindow) {
            WindowInputs inputs;
            const std::unique_ptr<QWidget> window(windowCase.make(inputs));
            const QString name = QString::fromLatin1(windowCase.name);
            if (window->accessibleDescription().isEmpty())
                faults.append(name + " has no description");
            for (QWidget* control : focusableControls(window.get()))
                if (spokenName(control).isEmpty())
                    faults.append(name + ": " + control->objectName() + " (" +
                                  control->metaObject()->className() + ") has no name");
        }
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY(faults.isEmpty());
    }

    void everyGridShowsEveryCellInFull() {
        QStringList cut;
        {
            WindowInputs inputs;
            MortgageCalc mortgage(inputs.state, inputs.services.services);
            QVERIFY(showAndActivate(&mortgage));
            auto* grid = child<QTableView>(&mortgage, "MGrid");
            clickButton(&mortgage, "MCalc");
            cut += cellsCutOff("MGrid (years)", grid);
            clickButton(&mortgage, "Option1"); // every payment
            clickButton(&mortgage, "MCalc");
            QCOMPARE(grid->model()->index(299, 0).data().toString(),
                     QStringLiteral(" 300      25"));
            cut += cellsCutOff("MGrid (payments)", grid);
            // Twenty million: a total paid wider than its box and its grid cell.
            typeAndLeave(&mortgage, "InPrincipal", QStringLiteral("20000000"));
            clickButton(&mortgage, "MCalc");
            auto* total = child<QLineEdit>(&mortgage, "AllPayments");
            QVERIFY2(QRegularExpression(QStringLiteral("^\\$\\d\\d,\\d{3},\\d{3}\\.\\d\\d$"))
                         .match(total->text())
                         .hasMatch(),
                     qPrintable(total->text()));
            cut += figureCutOff(total);
            cut += cellsCutOff("MGrid (twenty million)", grid);
        }
        {
            WindowInputs inputs;
            Budget budget(inputs.state, inputs.services.services);
            QVERIFY(showAndActivate(&budget));
            // The longest description of the sample budget, and a figure that fills its cell.
            for (const char* side : {"Inc", "Exp"}) {
                const QByteArray prefix = QByteArray("In") + side;
                typeAndLeave(&budget, prefix + "Desc", QStringLiteral("Interest on savings"));
                typeAndLeave(&budget, prefix + "Amt", QStringLiteral("1000000"));
                typeAndLeave(&budget, prefix + "Freq", QStringLiteral("52"));
                const bool income = side == QByteArray("Inc");
                typeAndLeave(&budget, prefix + "BgtAmt", income ? "999999.99" : "1");
                clickButton(&budget, income ? "AddIncome1" : "AddExpense2");
            }
            for (const char* name : {"BGrid1", "BGrid2"})
                QCOMPARE(child<QTableView>(&budget, name)->model()->index(0, 2).data().toString(),
                         QStringLiteral("52,000,000.00")); // wider than its ten characters
            cut += cellsCutOff("BGrid1", child<QTableView>(&budget, "BGrid1"));
            cut += cellsCutOff("BGrid2", child<QTableView>(&budget, "BGrid2"));
            QCOMPARE(child<QLabel>(&budget, "TotInc")->text(), QStringLiteral("52,000,000.00"));
            QCOMPARE(child<QLabel>(&budget, "NetBalanceBgt")->text(),
                     QStringLiteral("$51,999,947.48"));
            QCoreApplication::processEvents(); // a result fits its text as it is painted
            for (const char* name : {"TotInc", "TotIncBgt", "NetBalanceBgt"})
                cut += figureCutOff(child<QLabel>(&budget, name));
        }
        {
            WindowInputs inputs;
            SavingsCalc savings(inputs.state, inputs.services.services);
            savings.show();
            clickButton(&savings, "SCalc");
            cut += cellsCutOff("SGrid", child<QTableView>(&savings, "SGrid"));
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }

    // Ctrl+A and Ctrl+C copy the whole table with its headings, and a block of cells without
    // them, figures plain; the menu exports the table as a CSV file. The planners' grids also
    // offer their printout as a PDF file.
    void everyGridCopiesAndExportsItsTable() {
        WindowInputs inputs;
        MortgageCalc mortgage(inputs.state, inputs.services.services);
        Budget budget(inputs.state, inputs.services.services);
        SavingsCalc savings(inputs.state, inputs.services.services);
        MortPrePay prePay(inputs.extraPayments, inputs.extraCount, 25, inputs.state,
                          inputs.services.services);
        clickButton(&mortgage, "MCalc");
        clickButton(&savings, "SCalc");
        QVERIFY(showAndActivate(&budget));
        typeAndLeave(&budget, "InIncDesc", QStringLiteral("Salary, main"));
        typeAndLeave(&budget, "InIncAmt", QStringLiteral("1234.5"));
        typeAndLeave(&budget, "InIncFreq", QStringLiteral("1"));
        typeAndLeave(&budget, "InIncBgtAmt", QStringLiteral("0"));
        clickButton(&budget, "AddIncome1");
        const QTemporaryDir folder;
        const QString csv = folder.filePath(QStringLiteral("table.csv"));
        const std::tuple<QWidget*, const char*, QString> grids[] = {
            {&mortgage, "MGrid", QStringLiteral("1\t10[0-9]+\\.[0-9]{2}\t")},
            {&budget, "BGrid1", QStringLiteral("1\tSalary, main\t1234.50\t0.00")},
            {&budget, "BGrid2", QString()},
            {&savings, "SGrid", QStringLiteral("1\t1000.00\t200.00\t1200.00")},
            {&prePay, "PGrid", QStringLiteral("1\t0.00")}};
        for (const auto& [window, name, firstRow] : grids) {
            for (QWidget* other : {static_cast<QWidget*>(&mortgage), static_cast<QWidget*>(&budget),
                                   static_cast<QWidget*>(&savings), static_cast<QWidget*>(&prePay)})
                other->setVisible(other == window);
            QVERIFY(showAndActivate(window));
            auto* grid = child<QTableView>(window, name);
            grid->setFocus(Qt::MouseFocusReason);
            QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
            const QStringList lines = QApplication::clipboard()->text().split(u'\n');
            QStringList headings;
            for (int column = 0; column < grid->model()->columnCount(); ++column)
                headings.append(
                    grid->model()->headerData(column, Qt::Horizontal).toString().simplified());
            QCOMPARE(lines[0], headings.join(u'\t'));
            if (!firstRow.isEmpty())
                QVERIFY2(QRegularExpression(u'^' + firstRow).match(lines[1]).hasMatch(),
                         qPrintable(lines[1]));

            grid->selectionModel()->select(
                QItemSelection(grid->model()->index(0, 0), grid->model()->index(1, 1)),
                QItemSelectionModel::ClearAndSelect);
            QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(QApplication::clipboard()->text().section(u'\n', 0, 0),
                     lines[1].section(u'\t', 0, 1));

            QStringList captions;
            for (QAction* action : grid->actions())
                captions.append(action->text());
            captions.removeAll(QString());
            QStringList expected{"Copy", "Select All", "Export as CSV…"};
            if (window != &prePay)
                expected.append(QStringLiteral("Save Printout as PDF…"));
            QCOMPARE(captions, expected);
            inputs.services.fileDialogs.answers.enqueue(csv);
            grid->actions()[3]->trigger();
            QFile file(csv);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readLine().startsWith('"'));
        }
    }

    // The planners and the graph open at their laid-out size, which is also their smallest;
    // enlarged, the grid or chart takes the room, controls below it keep to the bottom and the
    // others stay where they were.
    void everyPlannerGrowsItsGrid() {
        WindowInputs inputs;
        MortgageCalc mortgage(inputs.state, inputs.services.services);
        Budget budget(inputs.state, inputs.services.services);
        SavingsCalc savings(inputs.state, inputs.services.services);
        GraphsAll graph(inputs.state, inputs.services.services);
        struct Case {
            QWidget* window;
            const char* grid;
            double widthShare;
            const char* above;
            const char* below;
        };
        const Case cases[] = {{&mortgage, "MGrid", 1, "MCalc", nullptr},
                              {&budget, "BGrid2", 0.5, "InExpDesc", "FilOpen"},
                              {&savings, "SGrid", 1, "InLumpInv", "SCalc"},
                              {&graph, "Graph1", 1, "Label1", "ExitBut"}};
        for (const Case& test : cases) {
            if (test.window != &graph)
                placeAsMainWindow(test.window);
            QVERIFY(showAndActivate(test.window));
            QCOMPARE(test.window->minimumSize(), test.window->size());
            QWidget* grid = child<QWidget>(test.window, test.grid);
            const QRect gridBefore = grid->geometry();
            const QPoint aboveBefore = child<QWidget>(test.window, test.above)->pos();
            const QPoint belowBefore =
                test.below ? child<QWidget>(test.window, test.below)->pos() : QPoint();
            const QList<int> columnsBefore = columnWidths(grid);
            test.window->resize(test.window->size() + QSize(200, 100));
            QTRY_COMPARE(grid->height(), gridBefore.height() + 100);
            QCOMPARE(grid->width(), gridBefore.width() + int(200 * test.widthShare));
            QCOMPARE(child<QWidget>(test.window, test.above)->pos(), aboveBefore);
            if (test.below)
                QCOMPARE(child<QWidget>(test.window, test.below)->pos().y(), belowBefore.y() + 100);
            // The columns take the gained width; the budget's descriptions take all of it.
            const QList<int> columns = columnWidths(grid);
            for (int column = 0; column < columns.size(); ++column)
                QCOMPARE(columns[column] - columnsBefore[column] > 0,
                         test.window != &budget || column == 1);
            QCOMPARE(std::accumulate(columns.begin(), columns.end(), 0),
                     std::accumulate(columnsBefore.begin(), columnsBefore.end(), 0) +
                         (columns.isEmpty() ? 0 : grid->width() - gridBefore.width()));
            test.window->resize(test.window->minimumSize());
            QTRY_COMPARE(grid->size(), gridBefore.size());
            QCOMPARE(columnWidths(grid), columnsBefore);
            test.window->hide();
        }
    }

    // None for the chart.
    static QList<int> columnWidths(QWidget* grid) {
        QList<int> widths;
        if (const auto* table = qobject_cast<QTableView*>(grid))
            for (int column = 0; column < table->model()->columnCount(); ++column)
                widths.append(table->columnWidth(column));
        return widths;
    }

    // Tab and Shift+Tab move on from a grid; the arrows move inside it.
    void tabLeavesEveryGrid() {
        WindowInputs inputs;
        MortgageCalc mortgage(inputs.state, inputs.services.services);
        Budget budget(inputs.state, inputs.services.services);
        SavingsCalc savings(inputs.state, inputs.services.services);
        const std::pair<QWidget*, const char*> grids[] = {
            {&mortgage, "MGrid"}, {&budget, "BGrid1"}, {&budget, "BGrid2"}, {&savings, "SGrid"}};
        for (const auto& [window, name] : grids) {
            QVERIFY(showAndActivate(window));
            auto* grid = child<QTableView>(window, name);
            for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
                grid->setFocus(Qt::TabFocusReason);
                grid->setCurrentIndex(grid->model()->index(0, 0));
                QTest::keyClick(grid, Qt::Key_Right);
                QCOMPARE(grid->currentIndex().column(), 1);
                QTest::keyClick(grid, key);
                QVERIFY2(QApplication::focusWidget() != grid, name);
            }
            window->hide();
        }
    }
};

QTEST_MAIN(EveryWindowTest)
#include "EveryWindowTest.moc"
