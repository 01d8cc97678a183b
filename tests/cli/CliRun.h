#pragma once

#include <QProcess>
#include <QStringList>
#include <functional>

// Runs the real pennywell-calc executable, as a script would; `prepare` may set up the process.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliRun runCalc(const QStringList& arguments,
                      const std::function<void(QProcess&)>& prepare = {}) {
    QProcess process;
    if (prepare)
        prepare(process);
    process.start(QStringLiteral(PENNYWELL_CALC), arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
