#include "graph/GraphsAll.h"

#include "TestServices.h"
#include "WindowTestSupport.h"
#include "common/ModalLoop.h"
#include "mortgage/MortgageCalc.h"
#include "printing/PrintDocument.h"
#include "printing/PrinterHeaderInput.h"
#include "report/PrintedReport.h"
#include "savings/GrowthCalculator.h"
#include "savings/SavingsCalc.h"
#include "savings/SavingsInputs.h"
#include "state/AppState.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStackedWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

using namespace pennywell;
using namespace pennywell::ui;
using namespace pennywell::ui::testing;

namespace {

// Stands in for the OpenGL chart, which the offscreen platform cannot create.
class FakeThreeDee final : public ThreeDeeChart {
public:
    FakeThreeDee(QWidget* parent, int& draws) : widget_(new QWidget(parent)), draws_(draws) {}
    QWidget* widget() override { return widget_; }
    void draw(const graph::GraphSeries& series, const QString&) override {
        ++draws_;
        points = int(series.points.size());
    }
    QImage render(const QSize& size) override {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::red);
        return image;
    }
    int points = 0;

private:
    QWidget* widget_;
    int& draws_;
};

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
        draws_ = 0;
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

        QChart* chart = child<QChartView>(graphs_, "Graph2D")->chart();
        QCOMPARE(chart->title(), QStringLiteral("Investment value at end of each Year"));
        auto* years = qobject_cast<QBarCategoryAxis*>(chart->axes(Qt::Horizontal).first());
        QCOMPARE(years->categories().size(), 25);
        QCOMPARE(years->categories().first(), QStringLiteral("1"));
        QCOMPARE(years->categories().last(), QStringLiteral("25"));
        auto* money = qobject_cast<QCategoryAxis*>(chart->axes(Qt::Vertical).first());
        QCOMPARE(money->categoriesLabels().last(), QStringLiteral("$600,000"));
        QBarSet* bars = chart->findChild<QBarSet*>("Bars");
        QCOMPARE(bars->at(24), 566377.3224);
    }

    void hoveringABarTellsItsYearAndAmount() {
        open();
        QChart* chart = child<QChartView>(graphs_, "Graph2D")->chart();
        emit chart->findChild<QBarSet*>("Bars")->hovered(true, 1);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Year 2: $2,640.00"));
    }

    void switchesToThreeDeeAndBackWithoutLoadingNewPoints() {
        open();
        auto* graph1 = child<QStackedWidget>(graphs_, "Graph1");
        QWidget* twoDee = graph1->currentWidget();
        for (int round = 0; round < 2; ++round) {
            button("ThreeDee")->click();
            QVERIFY(button("Sav2D")->isEnabled());
            QVERIFY(!button("ThreeDee")->isEnabled());
            QCOMPARE(QApplication::focusWidget(), button("Sav2D"));
            QVERIFY(graph1->currentWidget() != twoDee);
            QCOMPARE(graphs_->chartStyle(), 5);

            button("Sav2D")->click();
            QVERIFY(!button("Sav2D")->isEnabled());
            QCOMPARE(QApplication::focusWidget(), button("ThreeDee"));
            QCOMPARE(graph1->currentWidget(), twoDee);
            QCOMPARE(graphs_->chartStyle(), 3);
        }
        QCOMPARE(draws_, 1);
        QCOMPARE(graphs_->series().points.size(), 25);
    }

    void withoutOpenGLTheThreeDeeButtonExplainsAndTheTwoDeeChartStays() {
        // The real chart's probe: the offscreen platform offers no OpenGL window.
        graphs_ = new GraphsAll(state_, services_.services, createThreeDeeChart);
        QVERIFY(showAndActivate(graphs_));
        QWidget* twoDee = child<QStackedWidget>(graphs_, "Graph1")->currentWidget();
        button("ThreeDee")->click();
        QCOMPARE(services_.messenger.shown.size(), 1);
        QCOMPARE(services_.messenger.shown[0].title, QStringLiteral("Graphs"));
        QVERIFY(services_.messenger.shown[0].text.contains("OpenGL"));
        QCOMPARE(child<QStackedWidget>(graphs_, "Graph1")->currentWidget(), twoDee);
        QVERIFY(button("ThreeDee")->isEnabled());
        QVERIFY(!button("Sav2D")->isEnabled());
        QCOMPARE(graphs_->chartStyle(), 3);
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

    // The form is printed taller (0.88 of the screen's height) and then set back.
    void printsTheWholeFormAsOnePictureInGreyOrColour() {
        open();
        const QSize resting = graphs_->size();
        answer({MessageAnswer::Yes, MessageAnswer::No});
        button("Ptr")->click();
        QCOMPARE(services_.printer.printed.size(), 1);
        const PrintDocument& printed = services_.printer.printed.first();
        QCOMPARE(printed.name, QStringLiteral("Graph"));
        const auto& picture = std::get<PrintedImage>(printed.content);
        QVERIFY(!picture.colour);
        QCOMPARE(graphs_->colourPrint(), 0);
        const int screenHeight = graphs_->screen()->geometry().height();
        QCOMPARE(picture.image.height(), int(0.88 * screenHeight));
        QCOMPARE(picture.image.width(), resting.width());
        QCOMPARE(graphs_->size(), resting);
        QCOMPARE(services_.printer.busyWhilePrinting, QList<bool>{true});
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

    void threeDeePrintsTheRenderedChartNotAnEmptyFrame() {
        open();
        button("ThreeDee")->click();
        answer({MessageAnswer::Yes, MessageAnswer::Yes});
        button("Ptr")->click();
        QCOMPARE(graphs_->chartStyle(), 5);
        QCOMPARE(QApplication::focusWidget(), button("Sav2D"));
        const QImage image =
            std::get<PrintedImage>(services_.printer.printed.first().content).image;
        QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 2), QColor(Qt::red));
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
        QVERIFY(bytes.contains("/Subtype /Image"));
        QCOMPARE(services_.messenger.shown.size(), 6); // nothing more to tell
    }

    void savingsPlannerGetsItsGridBackAfterTheGraph() {
        state_ = AppState();
        state_.ScreenMode = 1;
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
        graphs_ = new GraphsAll(state_, services_.services, [this](QWidget* parent) {
            return std::make_unique<FakeThreeDee>(parent, draws_);
        });
        QVERIFY(showAndActivate(graphs_));
    }

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
    int draws_ = 0;
};

QTEST_MAIN(GraphsAllTest)
#include "GraphsAllTest.moc"
