#include "files/SaveLeftovers.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>

namespace pennywell {
namespace {

constexpr QLatin1StringView Marker(".pennywell-save-");
constexpr int SuffixLength = 6;
constexpr std::time_t QuietSeconds = 60;

QString prefixFor(const QString& fileName) {
    return fileName + Marker;
}

bool isSuffixCharacter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// The process id of a name "<prefix><pid>-<suffix>", or 0 when the name is not of that form.
pid_t writerOf(QStringView name, qsizetype prefixLength) {
    const QStringView rest = name.sliced(prefixLength);
    const qsizetype dash = rest.indexOf(u'-');
    if (dash <= 0 || rest.size() - dash - 1 != SuffixLength)
        return 0;
    for (const QChar c : rest.sliced(dash + 1)) {
        if (!isSuffixCharacter(c))
            return 0;
    }
    for (const QChar c : rest.first(dash)) {
        if (c < u'0' || c > u'9')
            return 0;
    }
    bool ok = false;
    const int pid = rest.first(dash).toInt(&ok);
    return ok ? pid_t(pid) : 0;
}

bool hasEnded(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

bool isOurQuietFile(const QString& path) {
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
           std::time(nullptr) - info.st_mtime >= QuietSeconds;
}

} // namespace

QString saveTemporaryPath(const QString& target) {
    static constexpr char Letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString suffix;
    for (int i = 0; i < SuffixLength; ++i)
        suffix +=
            QLatin1Char(Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)]);
    return target + Marker + QString::number(::getpid()) + u'-' + suffix;
}

int removeSaveLeftovers(const QString& folder, const QString& fileName) {
    const QString prefix = prefixFor(fileName);
    const QDir dir(folder);
    int removed = 0;
    const QStringList names =
        dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (!name.startsWith(prefix))
            continue;
        const pid_t writer = writerOf(name, prefix.size());
        const QString path = dir.filePath(name);
        if (writer > 0 && hasEnded(writer) && isOurQuietFile(path) &&
            ::unlink(QFile::encodeName(path).constData()) == 0)
            ++removed;
    }
    return removed;
}

} // namespace pennywell
