#pragma once

#include <QList>
#include <QString>

namespace pennywell::ui {
class Application;
}

namespace pennywell::bench {

struct TourStep {
    QString what;
    double milliseconds;
};

// Opens every window once as a person would, each filled with the most it shows (the largest
// schedule, a full budget, the longest savings plan and their graphs in both styles), and
// times each step from the click to the painted window.
QList<TourStep> openEveryWindow(ui::Application& program);

} // namespace pennywell::bench
