#include "WindowTour.h"

#include "WindowBenchSupport.h"
#include "core/budget/BudgetFile.h"
#include "core/help/ManualPages.h"
#include "ui/budget/Budget.h"
#include "ui/graph/GraphsAll.h"
#include "ui/help/HelpWindow.h"
#include "ui/mortgage/MortgageCalc.h"
#include "ui/savings/SavingsCalc.h"
#include "ui/shell/Application.h"
#include "ui/shell/ChangeFnt.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWindow>
#include <functional>
#include <memory>
#include <random>
#include <time.h>

namespace pennywell::bench {
namespace {

SilentServices& silentServices() {
    static SilentServices services;
    return services;
}

ui::Services& silent() {
    return silentServices().services;
}

// Every window that is shown gets painted before the step counts as done. A window just shown
// paints only once the display has put it on the screen, so that is waited for (a second at
// most: a window the display never shows still ends the step).
void paintShownWindows() {
    QCoreApplication::processEvents();
    QElapsedTimer waited;
    waited.start();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        while (!window->windowHandle()->isExposed() && waited.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        window->repaint();
    }
}

double threadProcessorMilliseconds() {
    timespec used{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1e3 + double(used.tv_nsec) / 1e6;
}

StepTime timed(const std::function<void()>& step) {
    QElapsedTimer clock;
    clock.start();
    const double processorBefore = threadProcessorMilliseconds();
    step();
    paintShownWindows();
    return {double(clock.nsecsElapsed()) / 1e6, threadProcessorMilliseconds() - processorBefore};
}

void press(QWidget* window, const char* name) {
    window->findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

ui::GraphsAll* shownGraph() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* graph = qobject_cast<ui::GraphsAll*>(window); graph && graph->isVisible())
            return graph;
    return nullptr;
}

// Types into a box and presses Enter, which leaves it and stores what was typed.
void typeInto(QWidget* window, const char* boxName, const QString& text) {
    auto* box = window->findChild<QWidget*>(QString::fromLatin1(boxName));
    box->setFocus(Qt::TabFocusReason);
    for (const QChar character : text) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_0 + character.digitValue(), Qt::NoModifier,
                      QString(character));
        QApplication::sendEvent(box->focusProxy() ? box->focusProxy() : box, &key);
    }
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(box->focusProxy() ? box->focusProxy() : box, &enter);
}

// The graph of the planner on view, in 2D, then 3D for the first time, then again.
void tourGraph(QWidget* planner, const char* graphButton, const QString& name,
               QList<TourStep>& steps) {
    steps.append(
        {name + QStringLiteral(" graph in 2D"), timed([&] { press(planner, graphButton); })});
    ui::GraphsAll* graph = shownGraph();
    steps.last().what += QStringLiteral(", %1 bars").arg(graph->series().points.size());
    steps.append({name + QStringLiteral(" graph, first switch to 3D"),
                  timed([&] { press(graph, "ThreeDee"); })});
    press(graph, "Sav2D");
    paintShownWindows();
    steps.append({name + QStringLiteral(" graph, later switch to 3D"),
                  timed([&] { press(graph, "ThreeDee"); })});
    graph->close();
    QCoreApplication::processEvents();
}

// 40 years of weekly payments, every one listed.
void tourMortgage(ui::Application& program, QList<TourStep>& steps) {
    std::unique_ptr<QWidget> window;
    steps.append({QStringLiteral("mortgage planner"), timed([&] {
                      window.reset(new ui::MortgageCalc(program.state(), silent()));
                      window->show();
                  })});
    // Picked from the lists as a person would: the term's choice is taken when its box is left.
    window->activateWindow();
    for (int wait = 0; wait < 1000 && !window->isActiveWindow(); ++wait)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    auto* term = window->findChild<QComboBox*>(QStringLiteral("InTerm"));
    term->setFocus(Qt::MouseFocusReason);
    term->setCurrentIndex(2);
    emit term->activated(2);
    window->findChild<QComboBox*>(QStringLiteral("Comperiod"))->setCurrentIndex(3);
    window->findChild<QComboBox*>(QStringLiteral("FreqPmt"))->setCurrentIndex(3);
    auto* allPayments = window->findChild<QRadioButton*>(QStringLiteral("Option1"));
    allPayments->setFocus(Qt::MouseFocusReason);
    allPayments->click();
    steps.append({QStringLiteral("mortgage, 40 years weekly, all payments"),
                  timed([&] { press(window.get(), "MCalc"); })});
    tourGraph(window.get(), "MGraphs", QStringLiteral("mortgage"), steps);
}

void tourSavings(ui::Application& program, QList<TourStep>& steps) {
    std::unique_ptr<QWidget> window;
    steps.append({QStringLiteral("savings planner"), timed([&] {
                      window.reset(new ui::SavingsCalc(program.state(), silent()));
                      window->show();
                  })});
    typeInto(window.get(), "InTerm", QStringLiteral("50"));
    steps.append(
        {QStringLiteral("savings, 50 years"), timed([&] { press(window.get(), "SCalc"); })});
    tourGraph(window.get(), "SGraphs", QStringLiteral("savings"), steps);
}

// 500 income and 500 expense records, opened from a file.
void tourBudget(ui::Application& program, QList<TourStep>& steps) {
    QTemporaryDir folder;
    BudgetTables tables;
    std::mt19937 random(7);
    std::uniform_int_distribution<int> amount(1, 500000);
    for (BudgetTable* table : {&tables.income, &tables.expense})
        for (int i = 0; i < BudgetTable::MaximumRecords; ++i)
            table->records.push_back({i + 1, QStringLiteral("Record %1").arg(amount(random)),
                                      amount(random) / 100.0 * 12, 12,
                                      amount(random) / 100.0 * 12});
    silentServices().chosenFile = folder.filePath(QStringLiteral("full.bgt"));
    saveBudgetFile(*silentServices().chosenFile, tables);
    std::unique_ptr<QWidget> window;
    steps.append({QStringLiteral("budget planner"), timed([&] {
                      window.reset(new ui::Budget(program.state(), silent()));
                      window->show();
                  })});
    steps.append({QStringLiteral("budget, 500 + 500 records opened"),
                  timed([&] { press(window.get(), "FilOpen"); })});
}

} // namespace

QList<TourStep> openEveryWindow(ui::Application& program) {
    QList<TourStep> steps;
    {
        std::unique_ptr<QWidget> settings;
        steps.append({QStringLiteral("settings"), timed([&] {
                          settings.reset(new ui::ChangeFnt(program.state()));
                          settings->show();
                      })});
    }
    tourMortgage(program, steps);
    tourBudget(program, steps);
    tourSavings(program, steps);
    std::unique_ptr<ui::HelpWindow> manual;
    steps.append({QStringLiteral("manual"), timed([&] {
                      manual = std::make_unique<ui::HelpWindow>(silent());
                      manual->present(help::ContentsPage);
                  })});
    return steps;
}

} // namespace pennywell::bench
