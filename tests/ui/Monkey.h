#pragma once

#include "ui/common/FileDialogs.h"
#include "ui/common/Messenger.h"
#include "ui/common/Printer.h"

#include <QDir>
#include <QPointer>
#include <QRandomGenerator>
#include <QSet>
#include <QString>
#include <QWidget>
#include <atomic>
#include <functional>
#include <thread>

namespace pennywell::ui::testing {

// Answers every message with one of the buttons it offers, at random.
class RandomMessenger final : public Messenger {
public:
    explicit RandomMessenger(QRandomGenerator& random) : random_(random) {}
    MessageAnswer show(QWidget*, const Message& message) override;

    int answered = 0;

private:
    QRandomGenerator& random_;
};

// Answers every file dialog at random: cancelled, a good budget, a file of random bytes, a
// missing file, a folder, a new name, or a name in a folder that does not exist. All inside
// the test's own folder.
class RandomFileDialogs final : public FileDialogs {
public:
    RandomFileDialogs(QRandomGenerator& random, const QDir& folder);
    std::optional<QString> choose(QWidget*, const FileDialogRequest& request) override;

    int answered = 0;

private:
    QRandomGenerator& random_;
    QDir folder_;
};

// Prints nothing; either accepts the job or reports a problem, at random.
class RandomPrinter final : public Printer {
public:
    explicit RandomPrinter(QRandomGenerator& random) : random_(random) {}
    std::optional<QString> print(const render::PrintDocument& document) override;

    int answered = 0;

private:
    QRandomGenerator& random_;
};

// Ends the process when the monkey stops making progress: a hang must fail the test rather
// than wait for the test runner's timeout, and say where it hung.
class Watchdog {
public:
    explicit Watchdog(int patienceSeconds);
    ~Watchdog();

    void progress(const char* window, const char* event) {
        window_ = window;
        event_ = event;
        ++steps_;
    }

private:
    void watch(int patienceSeconds);

    std::atomic<long> steps_{0};
    std::atomic<const char*> window_{""};
    std::atomic<const char*> event_{""};
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

// Sends seeded random keys, clicks, pastes and Escapes to whatever window a person would be
// typing into: an open popup, else the modal dialog on top, else the active window, else the
// window under test (reopened by `reopen` when it was closed).
class Monkey {
public:
    using Opener = std::function<QWidget*()>;

    Monkey(const char* windowName, QRandomGenerator& random, Watchdog& watchdog, Opener reopen);

    // Runs `events` events, each from the event loop, so a modal dialog opened by one event
    // is driven by the next ones as a person would; returns when all ran and every modal
    // dialog the monkey opened is closed again.
    void run(int events);

    // The class names of the windows the events went to, to show what a run reached.
    const QSet<QString>& visited() const { return visited_; }

private:
    void step();
    QWidget* target();
    void sendKey(QWidget* window);
    void click(QWidget* window);
    void paste(QWidget* window);
    QString randomText();
    void closeModalDialogs();

    const char* windowName_;
    QRandomGenerator& random_;
    Watchdog& watchdog_;
    Opener reopen_;
    QPointer<QWidget> window_;
    QSet<QString> visited_;
    int remaining_ = 0;
    bool finished_ = false;
};

} // namespace pennywell::ui::testing
