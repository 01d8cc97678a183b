#pragma once

#include <QProcess>
#include <QStringList>

// Runs the real pennywell-calc executable, as a script would.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline CliRun runCalc(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(PENNYWELL_CALC), arguments);
    process.waitForFinished(30000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}
