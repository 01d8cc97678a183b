#include "files/SaveLeftovers.h"

#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <csignal>
#include <ctime>
#include <dirent.h>
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

bool isSuffixCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The process id in what follows the prefix, "<pid>-<suffix>"; 0 when it is not of that form.
pid_t writerOf(QByteArrayView rest) {
    const qsizetype dash = rest.indexOf('-');
    if (dash <= 0 || rest.size() - dash - 1 != SuffixLength)
        return 0;
    for (const char c : rest.sliced(dash + 1)) {
        if (!isSuffixCharacter(c))
            return 0;
    }
    for (const char c : rest.first(dash)) {
        if (c < '0' || c > '9')
            return 0;
    }
    bool ok = false;
    const int pid = rest.first(dash).toInt(&ok);
    return ok ? pid_t(pid) : 0;
}

bool hasEnded(pid_t pid) {
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

bool isOurQuietFile(const QByteArray& path) {
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0)
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

void removeSaveLeftovers(const QString& folder, const QString& fileName) {
    const QByteArray prefix = QFile::encodeName(prefixFor(fileName));
    const QByteArray folderName = QFile::encodeName(folder);
    // The folder's names as they stand, unsorted and unlooked-at: a save in a folder of
    // thousands of files stays quick.
    DIR* entries = ::opendir(folderName.constData());
    if (!entries)
        return;
    QByteArrayList leftovers;
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArrayView name(entry->d_name);
        if (name.startsWith(prefix))
            leftovers.append(name.toByteArray());
    }
    ::closedir(entries);

    for (const QByteArray& name : leftovers) {
        const pid_t writer = writerOf(QByteArrayView(name).sliced(prefix.size()));
        const QByteArray path = folderName + '/' + name;
        if (writer > 0 && hasEnded(writer) && isOurQuietFile(path))
            ::unlink(path.constData());
    }
}

} // namespace pennywell
