#include "cli/StandardOutput.h"

#include "cli/Command.h"

#include <QIODevice>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace pennywell::cli {
namespace {

// Why standard output did not take every byte; empty when it did.
QString outputProblem(QTextStream& out) {
    out.flush();
    if (out.status() != QTextStream::Ok && !out.device()->errorString().isEmpty())
        return out.device()->errorString();
    // The stream writes through stdio, which keeps an earlier failed write to its error flag.
    if (std::fflush(stdout) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (out.status() != QTextStream::Ok || std::ferror(stdout))
        return QStringLiteral("a write failed");
    return {};
}

} // namespace

int finishStandardOutput(int status, QTextStream& out, QTextStream& err) {
    const QString problem = outputProblem(out);
    if (problem.isEmpty())
        return status;
    err << "pennywell-calc: the output could not be written: " << problem << '\n';
    return status == Success ? OutputFailed : status;
}

} // namespace pennywell::cli
