#pragma once

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cups/cups.h>

namespace pennywell::ui::testing {

// The exit status that makes ctest report a test as skipped.
constexpr int SkippedExitCode = 77;

// A print spooler of the test's own, started by the project's script in a temporary folder
// and reached through its Unix socket alone: the machine's printers are never touched.
class PrivateSpooler {
public:
    enum class Queue { PdfPrinter, None };

    explicit PrivateSpooler(Queue queue) : queue_(queue) {}
    ~PrivateSpooler() { stop(); }

    // Starts the spooler and points this process at it. Returns the exit status to end the
    // test with when it cannot start (SkippedExitCode where no spooler may run), else 0.
    int start() {
        // The spooler's filters run as another user and must reach its folders.
        QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                  QFile::ExeOwner | QFile::ReadOther |
                                                  QFile::ExeOther | QFile::ReadGroup |
                                                  QFile::ExeGroup);
        QStringList arguments{QStringLiteral("start"), folder()};
        if (queue_ == Queue::None)
            arguments.append(QStringLiteral("--no-printer"));
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        script.start(QStringLiteral(PENNYWELL_SOURCE_DIR "/scripts/private-cups"), arguments);
        if (!script.waitForFinished(60000))
            return 1;
        if (script.exitCode() != 0)
            return script.exitCode() == SkippedExitCode ? SkippedExitCode : 1;
        started_ = true;
        qputenv("CUPS_SERVER", QFile::encodeName(folder() + QStringLiteral("/cups.sock")));
        // No client configuration or saved default of the machine's applies either.
        qputenv("CUPS_SERVERROOT", QFile::encodeName(folder()));
        qputenv("HOME", QFile::encodeName(folder()));
        return 0;
    }

    void stop() {
        if (!started_)
            return;
        started_ = false;
        QProcess::execute(QStringLiteral(PENNYWELL_SOURCE_DIR "/scripts/private-cups"),
                          {QStringLiteral("stop"), folder()});
    }

    // Where the PDF queue writes what it prints; each job replaces the last.
    QString printedFile() const { return folder() + QStringLiteral("/out/printed.pdf"); }

    QString errorLog() const {
        QFile log(folder() + QStringLiteral("/log/error_log"));
        return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
    }

    // Sends the spooler's process a signal: SIGSTOP makes it a spooler that hangs, SIGCONT
    // lets it go on.
    bool signal(int number) const {
        QFile pidFile(folder() + QStringLiteral("/cupsd.pid"));
        const pid_t pid =
            pidFile.open(QIODevice::ReadOnly) ? pidFile.readAll().trimmed().toInt() : 0;
        return pid > 0 && ::kill(pid, number) == 0;
    }

    // Runs one of the spooler's administration commands (cupsreject, cupsaccept...).
    static bool administer(const QString& command, const QStringList& arguments) {
        return QProcess::execute(command, arguments) == 0;
    }

    // Waits until every job has left the queue; true when all of them completed.
    static bool waitForJobs(int timeoutMs = 30000) {
        bool allCompleted = false;
        const bool settled = QTest::qWaitFor(
            [&] {
                cups_job_t* jobs = nullptr;
                const int count =
                    cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ALL);
                bool pending = count < 0;
                allCompleted = count > 0;
                for (int i = 0; i < count; ++i) {
                    pending = pending || jobs[i].state < IPP_JSTATE_STOPPED;
                    allCompleted = allCompleted && jobs[i].state == IPP_JSTATE_COMPLETED;
                }
                cupsFreeJobs(count, jobs);
                return !pending;
            },
            timeoutMs);
        return settled && allCompleted;
    }

private:
    QString folder() const { return folder_.path() + QStringLiteral("/cups"); }

    Queue queue_;
    QTemporaryDir folder_;
    bool started_ = false;
};

} // namespace pennywell::ui::testing
