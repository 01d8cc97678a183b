#pragma once

#include <QList>
#include <QString>

namespace pennywell::ui {
class Application;
}

namespace pennywell::bench {

// On a busy machine the wall time waits for the processor; the time the program's own thread
// used is steadier.
struct StepTime {
    double milliseconds;
    double processorMilliseconds;
};

struct TourStep {
    QString what;
    StepTime time;
};

// Opens every window once as a person would, each filled with the most it shows (the largest
// schedule, a full budget, the longest savings plan and their graphs in both styles), and
// times each step from the click to the painted window.
QList<TourStep> openEveryWindow(ui::Application& program);

} // namespace pennywell::bench
