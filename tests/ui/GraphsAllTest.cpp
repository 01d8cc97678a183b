#include "ui/graph/GraphsAll.h"

#include "DrawingRecorder.h"
#include "PdfText.h"
#include "TestServices.h"
#include "WindowTestSupport.h"
#include "core/report/PrintedReport.h"
#include "core/savings/GrowthCalculator.h"
#include "core/savings/SavingsInputs.h"
#include "core/state/AppState.h"
#include "render/PrintDocument.h"
#include "ui/common/ModalLoop.h"
#include "ui/graph/BarChart.h"
#include "ui/mortgage/MortgageCalc.h"
#include "ui/printing/PrinterHeaderInput.h"
#include "ui/savings/SavingsCalc.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

namespace {

// The year labels and the bars' front faces of a drawing, left to right.
struct ChartReading {
    QList<DrawnText> years;
    QList<QRectF> bars;
};

ChartReading readChart(const DrawingRecorder& drawing) {
    const QColor barFace(0x3a, 0x6e, 0xa5);
    static const QRegularExpression yearNumber(QStringLiteral("^\\d+$"));
    ChartReading reading;
    for (const DrawnText& text : drawing.texts)
        if (yearNumber.match(text.text).hasMatch())
            reading.years.append(text);
    for (const DrawnShape& shape : drawing.shapes)
        if (shape.colour == barFace)
            reading.bars.append(shape.bounds);
    return reading;
}

ChartReading drawnChart(BarChart* chart) {
    DrawingRecorder drawing(chart->size());
    chart->render(&drawing);
    return readChart(drawing);
}

QStringList gridTexts(const QWidget* planner, const char* gridName) {
    const QAbstractItemModel* model = child<QTableView>(planner, gridName)->model();
    QStringList cells;
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < model->columnCount(); ++column)
            cells.append(model->index(row, column).data().toString());
    return cells;
}

GraphsAll* openGraphScreen() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* graphs = qobject_cast<GraphsAll*>(window))
            return graphs;
    }
    return nullptr;
}

} // namespace

class GraphsAllTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ModalLoop::install(); }

    void init() {
        state_ = AppState();
        services_.messenger.shown.clear();
        services_.messenger.answers.clear();
        services_.printer.printed.clear();
        services_.printer.busyWhilePrinting.clear();
        // A 25-year savings plan, as the savings planner leaves it.
        state_.savings = openingSavingsState();
        const GrowthResult growth = calculateGrowth(growthInputsFrom(state_.savings));
        state_.savings.growthTable = growth.table;
        state_.graph = {growth.resultCount, "Investment value at end of each Year", 1};
    }

    void cleanup() {
        delete graphs_;
        graphs_ = nullptr;
    }

    void loadsInTwoDeeWithTheThreeDeeButtonFocused() {
        open();
        QCOMPARE(graphs_->windowTitle(), QStringLiteral("Graphs"));
        QVERIFY(!button("Sav2D")->isEnabled());
        QVERIFY(button("Sav2D")->isVisible());
        QVERIFY(button("ThreeDee")->isEnabled());
        QCOMPARE(QApplication::focusWidget(), button("ThreeDee"));
        QCOMPARE(button("ExitBut")->text(), QStringLiteral("E&xit to Menu"));
        QCOMPARE(button("Ptr")->accessibleName(), QStringLiteral("To Printer"));
        QCOMPARE(child<QLabel>(graphs_, "Label1")->text(),
                 QStringLiteral("Investment value at end of each Year"));
        QCOMPARE(chart()->style(), BarStyle::Flat);
    }

    // Every bar is labelled with its year, whole and readable, and stands as tall as its value,
    // however many years and in either style. A one-year plan shows its two points.
    void drawsEveryYearReadableAndEveryBarToScale_data() {
        QTest::addColumn<int>("years");
        QTest::addColumn<bool>("threeDee");
        for (const int years : {1, 10, 30, 50})
            for (const bool threeDee : {false, true})
                QTest::addRow("%d years%s", years, threeDee ? " in 3D" : "") << years << threeDee;
    }

    void drawsEveryYearReadableAndEveryBarToScale() {
        QFETCH(int, years);
        QFETCH(bool, threeDee);
        state_.savings.EntryValues[TermSlot] = *Currency::fromDouble(years);
        const GrowthResult growth = calculateGrowth(growthInputsFrom(state_.savings));
        state_.savings.growthTable = growth.table;
        state_.graph.ResultCount = growth.resultCount;
        open();
        if (threeDee)
            button("ThreeDee")->click();
        const ChartReading drawn = drawnChart(chart());
        const QList<graph::GraphPoint>& points = graphs_->series().points;
        QCOMPARE(drawn.years.size(), points.size());
        QCOMPARE(drawn.bars.size(), points.size());
        const auto highest =
            std::max_element(points.begin(), points.end(), [](const auto& one, const auto& other) {
                return one.value < other.value;
            });
        const double scale =
            drawn.bars[highest - points.begin()].height() / highest->value.toDouble();
        for (int index = 0; index < points.size(); ++index) {
            QCOMPARE(drawn.years[index].text, points[index].label);
            QVERIFY(drawn.years[index].pixelSize >= 9); // 7 points
            QVERIFY(drawn.years[index].origin.y() > drawn.bars[index].bottom());
            QVERIFY(qAbs(drawn.bars[index].height() - scale * points[index].value.toDouble()) < 1);
            if (index > 0) // side by side or upright, the labels never touch
                QVERIFY(drawn.years[index].origin.x() - drawn.years[index - 1].origin.x() >
                        (drawn.years[index].upright ? 0.7 : 1.0) * drawn.years[index].pixelSize);
        }
        QCOMPARE(points.size(), years == 1 ? 2 : years);
    }

    void hoveringABarTellsItsYearAndAmount() {
        open();
        for (const bool threeDee : {false, true}) {
            if (threeDee)
                button("ThreeDee")->click();
            const QPoint onBar = drawnChart(chart()).bars[1].center().toPoint();
            QHelpEvent hover(QEvent::ToolTip, onBar, chart()->mapToGlobal(onBar));
            QApplication::sendEvent(chart(), &hover);
            QTRY_COMPARE(QToolTip::text(), QStringLiteral("Year 2: $2,640.00"));
        }
    }

    void switchesToThreeDeeAndBackWithoutLoadingNewPoints() {
        open();
        for (int round = 0; round < 2; ++round) {
            button("ThreeDee")->click();
            QVERIFY(button("Sav2D")->isEnabled());
            QVERIFY(!button("ThreeDee")->isEnabled());
            QCOMPARE(QApplication::focusWidget(), button("Sav2D"));
            QCOMPARE(chart()->style(), BarStyle::Solid);
            QCOMPARE(graphs_->chartStyle(), 5);

            button("Sav2D")->click();
            QVERIFY(!button("Sav2D")->isEnabled());
            QCOMPARE(QApplication::focusWidget(), button("ThreeDee"));
            QCOMPARE(chart()->style(), BarStyle::Flat);
            QCOMPARE(graphs_->chartStyle(), 3);
        }
        QCOMPARE(graphs_->series().points.size(), 25);
    }

    void noAtTheFirstQuestionPrintsNothingAndKeepsTheColourChoice() {
        open();
        answer({MessageAnswer::Yes, MessageAnswer::Yes});
        button("Ptr")->click();
        QCOMPARE(graphs_->colourPrint(), 1);
        QCOMPARE(services_.printer.printed.size(), 1);

        answer({MessageAnswer::No});
        button("Ptr")->click();
        QCOMPARE(services_.printer.printed.size(), 1);
        QCOMPARE(graphs_->colourPrint(), 1);
        QCOMPARE(messages(services_.messenger),
                 QStringList({"Printer|Continue with Printout.", "Printer|Print in Color.",
                              "Printer|Continue with Printout."}));
    }

    // The form is printed taller (0.88 of the screen's height) in either style, then set back;
    // the drawing on paper is the chart's own, in grey or colour.
    void printsTheWholeFormAsOneDrawingInGreyOrColour() {
        open();
        const QSize resting = graphs_->size();
        for (const bool colour : {false, true}) {
            button(colour ? "ThreeDee" : "Sav2D")->click();
            answer({MessageAnswer::Yes, colour ? MessageAnswer::Yes : MessageAnswer::No});
            button("Ptr")->click();
            const render::PrintDocument& printed = services_.printer.printed.last();
            QCOMPARE(printed.name, QStringLiteral("Graph"));
            const QPicture picture = std::get<render::PrintedPicture>(printed.content).picture;
            QCOMPARE(graphs_->colourPrint(), colour ? 1 : 0);
            const int screenHeight = graphs_->screen()->geometry().height();
            QCOMPARE(picture.boundingRect().size(),
                     QSize(resting.width(), int(0.88 * screenHeight)));
            QCOMPARE(graphs_->size(), resting);

            DrawingRecorder drawing(picture.boundingRect().size());
            QPainter(&drawing).drawPicture(0, 0, picture);
            QCOMPARE(readChart(drawing).bars.size(), colour ? 25 : 0);
            // The buttons' captions, the same distance from the bottom, are not the chart's.
            const int buttonsTop =
                picture.boundingRect().bottom() - resting.height() + button("Ptr")->y();
            drawing.texts.removeIf(
                [buttonsTop](const DrawnText& text) { return text.origin.y() > buttonsTop; });
            QCOMPARE(readChart(drawing).years.size(), 25);
            for (const DrawnShape& shape : drawing.shapes)
                QVERIFY(colour || (shape.colour.red() == shape.colour.green() &&
                                   shape.colour.green() == shape.colour.blue()));
        }
        QCOMPARE(services_.printer.busyWhilePrinting, QList<bool>({true, true}));
        QVERIFY(!QApplication::overrideCursor());
    }

    // Exit pressed while the form is being pictured (the stretched chart laying itself out
    // again): the picture is printed whole and the screen closes after it, not from under it.
    void exitWhileThePictureIsTakenClosesAfterThePrintout() {
        open();
        graphs_->setAttribute(Qt::WA_DeleteOnClose); // as the planners open it
        const QPointer<GraphsAll> graphs(graphs_);
        graphs_ = nullptr;
        answer({MessageAnswer::Yes, MessageAnswer::Yes});
        QTimer::singleShot(0, this, [graphs] { clickButton(graphs, "ExitBut"); });
        clickButton(graphs, "Ptr");
        QCOMPARE(services_.printer.printed.size(), 1);
        QVERIFY(graphs);
        QTRY_VERIFY(!graphs);
    }

    void aFailedPrintoutIsToldAndOfferedAsPdf() {
        open();
        services_.printer.problems.enqueue(QStringLiteral("There is no default printer."));
        answer({MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::No});
        button("Ptr")->click();
        QCOMPARE(services_.messenger.shown.size(), 3);
        QCOMPARE(services_.messenger.shown.last().text,
                 QStringLiteral("There is no default printer.\r\n\r\n"
                                "Save the printout as a PDF file instead?"));
        QVERIFY(services_.fileDialogs.requests.isEmpty());

        // Taking the offer writes the picture into the PDF file chosen.
        const QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("Graph.pdf"));
        services_.printer.problems.enqueue(QStringLiteral("There is no default printer."));
        services_.fileDialogs.answers.enqueue(pdf);
        answer({MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes});
        button("Ptr")->click();
        QCOMPARE(services_.fileDialogs.requests.size(), 1);
        QFile written(pdf);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(services_.messenger.shown.size(), 6); // nothing more to tell
    }

    // The form's menu saves the printout's page as a PDF file after the same two questions,
    // printing nothing.
    void theMenuSavesThePrintoutAsAPdf() {
        open();
        QAction* savePdf = graphs_->actions().value(0);
        QCOMPARE(savePdf->text(), QStringLiteral("Save Printout as PDF…"));
        const QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("chart.pdf"));
        services_.fileDialogs.answers.enqueue(pdf);
        answer({MessageAnswer::Yes, MessageAnswer::No});
        savePdf->trigger();
        QVERIFY(services_.printer.printed.isEmpty());
        QCOMPARE(services_.fileDialogs.requests.constLast().fileName, QStringLiteral("Graph.pdf"));
        QCOMPARE(services_.messenger.shown.size(), 2); // the questions only
        const QStringList words = pdfWords(pdf);
        QVERIFY2(wordsNotPrinted(words, "Investment value at end of each Year Show Graph in 2D")
                     .isEmpty(),
                 qPrintable(words.join(u' ')));
    }

    void savingsPlannerGetsItsGridBackAfterTheGraph() {
        state_ = AppState();
        state_.ScreenMode = PlannerView::SavingsGrowth;
        auto* planner = new SavingsCalc(state_, services_.services);
        QVERIFY(showAndActivate(planner));
        clickButton(planner, "SCalc");
        const QStringList grid = gridTexts(planner, "SGrid");
        clickButton(planner, "SGraphs");
        leaveGraphAndCheck(planner, 1, "Investment value at end of each Year", 25);
        QCOMPARE(gridTexts(planner, "SGrid"), grid);
        QCOMPARE(state_.graph.ResultCount, 25);
        delete planner;
    }

    // The graph counts its own points: the "All" view printout made after it, from the
    // planner's printer button, still has every payment row.
    void mortgagePlannerPrintsEveryPaymentAfterTheGraph() {
        state_ = AppState();
        state_.PlanKind = MortgagePlan;
        auto* planner = new MortgageCalc(state_, services_.services);
        QVERIFY(showAndActivate(planner));
        child<QRadioButton>(planner, "Option1")->click(); // "All"
        clickButton(planner, "MCalc");
        const QStringList grid = gridTexts(planner, "MGrid");
        clickButton(planner, "MGraphs");
        leaveGraphAndCheck(planner, 4, "Mortgage balance at start of each Year", 25);
        QCOMPARE(gridTexts(planner, "MGrid"), grid);
        QVERIFY(child<QRadioButton>(planner, "Option1")->isChecked());

        acceptPrinterHeader();
        clickButton(planner, "MPrinter");
        QCOMPARE(services_.printer.printed.size(), 1);
        const auto& printout =
            std::get<report::PrintedReport>(services_.printer.printed.first().content);
        static const QRegularExpression paymentRow(
            QStringLiteral("^ +\\d+ +\\d+ +[\\d,]*\\.\\d\\d "));
        int rowsPrinted = 0;
        for (const QStringList& page : printout.pages)
            for (const QString& line : page)
                rowsPrinted += paymentRow.match(line).hasMatch() ? 1 : 0;
        QCOMPARE(rowsPrinted, 300);
        QVERIFY(services_.messenger.shown.isEmpty());
        delete planner;
    }

private:
    void open() {
        graphs_ = new GraphsAll(state_, services_.services);
        QVERIFY(showAndActivate(graphs_));
    }

    BarChart* chart() const { return child<BarChart>(graphs_, "Graph1"); }

    // The header dialog the planner's printout opens, answered as a person would.
    void acceptPrinterHeader() {
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<PrinterHeaderInput*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QTimer::singleShot(3000, dialog, &QDialog::reject); // never leave the test blocked
            typeInto(dialog, "InFName", QStringLiteral("For the bank"));
            clickButton(dialog, "Acept");
        });
    }

    void answer(std::initializer_list<MessageAnswer> answers) {
        for (const MessageAnswer reply : answers)
            services_.messenger.answers.enqueue(reply);
    }

    QPushButton* button(const char* name) const { return child<QPushButton>(graphs_, name); }

    void leaveGraphAndCheck(QWidget* planner, int kind, const QString& title, int points) {
        QPointer<GraphsAll> graphs = openGraphScreen();
        QVERIFY(graphs);
        QCOMPARE(state_.graph.GraphKind, kind);
        QVERIFY(!planner->isVisible());
        QVERIFY(graphs->isVisible());
        QCOMPARE(graphs->series().title, title);
        QCOMPARE(graphs->series().points.size(), points);
        clickButton(graphs, "ExitBut");
        QTRY_VERIFY(!graphs);
        QVERIFY(planner->isVisible());
    }

    AppState state_;
    TestServices services_;
    GraphsAll* graphs_ = nullptr;
};

QTEST_MAIN(GraphsAllTest)
#include "GraphsAllTest.moc"
