// How fast the program paints its menu and how much memory it takes, as a person starting it
// sees: the program is started afresh for every run, in a process of its own, on the display
// QT_QPA_PLATFORM and DISPLAY name (`make bench` gives it an X server of its own).
//
// Without arguments it starts itself: `--menu` runs the program's start-up and reports once the
// menu is painted; `--every-window` then opens every window once and reports each step's time.
// The memory figures are each process's peak resident set, as the kernel counted it.
#include "WindowTour.h"
#include "ui/shell/Application.h"
#include "ui/shell/FontConfigAhead.h"
#include "ui/shell/SessionBus.h"

#include <QApplication>
#include <QDate>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int Runs = 15;
const char Painted[] = "painted\n";

// Tells the starting process, once, that the menu has been painted and is on the screen.
class FirstPaint final : public QObject {
public:
    explicit FirstPaint(std::function<void()> then) : then_(std::move(then)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && then_) // runs once the painted menu is shown
            QTimer::singleShot(0, this, std::exchange(then_, nullptr));
        return false;
    }

private:
    std::function<void()> then_;
};

// The program as main() starts it, on a fresh folder of its own.
int runProgram(int argc, char** argv, bool everyWindow) {
    pennywell::ui::FontConfigAhead fonts;
    pennywell::ui::NoSessionBusLaunch noBusLaunch;
    QApplication application(argc, argv);
    const QTemporaryDir folder;
    fonts.wait();
    pennywell::ui::Application program;
    FirstPaint painted([&] {
        if (write(STDOUT_FILENO, Painted, sizeof Painted - 1) < 0)
            QCoreApplication::exit(1);
        if (everyWindow)
            for (const pennywell::bench::TourStep& step :
                 pennywell::bench::openEveryWindow(program))
                std::printf("  %-45s %8.1f ms %8.1f ms processor\n", qPrintable(step.what),
                            step.time.milliseconds, step.time.processorMilliseconds);
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    program.menu().installEventFilter(&painted);
    program.start(folder.path(), QDate::currentDate());
    noBusLaunch.restore();
    return QApplication::exec();
}

double now() {
    timespec clock{};
    clock_gettime(CLOCK_MONOTONIC, &clock);
    return double(clock.tv_sec) * 1e3 + double(clock.tv_nsec) / 1e6;
}

struct Run {
    double millisecondsToPaint = 0;
    double processorMilliseconds = 0; // user and system time of the whole run
    double peakMiB = 0;
    std::string report; // what the run printed after the menu was painted
};

// Starts this program in `mode`, times it to its painted menu, and waits for its end.
bool runOnce(const char* self, const char* mode, Run& run) {
    int output[2];
    if (pipe(output) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    char* arguments[] = {const_cast<char*>(self), const_cast<char*>(mode), nullptr};
    const double started = now();
    pid_t child = 0;
    const int failed = posix_spawn(&child, self, &actions, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = read(output[0], buffer, sizeof buffer)) > 0;) {
        if (text.empty())
            run.millisecondsToPaint = now() - started;
        text.append(buffer, std::size_t(got));
    }
    close(output[0]);
    int status = 0;
    rusage usage{};
    if (failed || wait4(child, &status, 0, &usage) != child || status != 0 ||
        text.rfind(Painted, 0) != 0)
        return false;
    run.peakMiB = double(usage.ru_maxrss) / 1024.0;
    const timeval used = {usage.ru_utime.tv_sec + usage.ru_stime.tv_sec,
                          usage.ru_utime.tv_usec + usage.ru_stime.tv_usec};
    run.processorMilliseconds = double(used.tv_sec) * 1e3 + double(used.tv_usec) / 1e3;
    run.report = text.substr(sizeof Painted - 1);
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int measure(const char* self) {
    std::vector<double> times;
    std::vector<double> processor;
    std::vector<double> peaks;
    for (int attempt = 0; attempt < Runs; ++attempt) {
        Run run;
        if (!runOnce(self, "--menu", run)) {
            std::fprintf(stderr, "bench_startup: the program did not paint its menu\n");
            return 1;
        }
        times.push_back(run.millisecondsToPaint);
        processor.push_back(run.processorMilliseconds);
        peaks.push_back(run.peakMiB);
    }
    std::printf("Start to painted menu:        %6.1f ms median, %.1f to %.1f over %d runs\n",
                median(times), *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()), Runs);
    // On a busy machine the wall time waits for the processor; the time used is steadier.
    std::printf("Processor time to the menu:   %6.1f ms median\n", median(processor));
    std::printf("Menu alone, peak RSS:         %6.1f MiB median\n", median(peaks));
    Run tour;
    if (!runOnce(self, "--every-window", tour)) {
        std::fprintf(stderr, "bench_startup: a window did not open\n");
        return 1;
    }
    std::printf("Every window once, peak RSS:  %6.1f MiB\n%s", tour.peakMiB, tour.report.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--menu") == 0)
        return runProgram(1, argv, false);
    if (argc > 1 && std::strcmp(argv[1], "--every-window") == 0)
        return runProgram(1, argv, true);
    return measure(argv[0]);
}
