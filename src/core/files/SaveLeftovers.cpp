#include "core/files/SaveLeftovers.h"

#include <QByteArrayList>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pennywell {
namespace {

constexpr QLatin1StringView Marker(".pennywell-save-");
constexpr int SuffixLength = 6;
constexpr std::time_t QuietSeconds = 60;
// What the temporary name adds to the file name at most: the marker, a process id of up to ten
// digits, the dash and the suffix.
constexpr qsizetype LongestAddition = Marker.size() + 10 + 1 + SuffixLength;

// The file name, cut where needed so that the whole temporary name fits the folder's limit;
// never inside a character of several bytes, so the name stays readable.
QByteArray prefixFor(int folder, const QByteArray& fileName) {
    const long reported = ::fpathconf(folder, _PC_NAME_MAX);
    const qsizetype limit = reported > 0 ? reported : NAME_MAX;
    qsizetype length = fileName.size();
    if (length + LongestAddition > limit) {
        length = std::max<qsizetype>(limit - LongestAddition, 1);
        while (length > 1 && (uchar(fileName[length]) & 0xC0) == 0x80)
            --length;
    }
    return fileName.left(length) + QByteArray(Marker.data(), Marker.size());
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

bool isOurQuietFile(int folder, const QByteArray& name) {
    struct stat info {};
    if (::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    return S_ISREG(info.st_mode) && info.st_uid == ::geteuid() &&
           std::time(nullptr) - info.st_mtime >= QuietSeconds;
}

} // namespace

QByteArray saveTemporaryName(int folder, const QByteArray& fileName) {
    static constexpr char Letters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray suffix;
    for (int i = 0; i < SuffixLength; ++i)
        suffix += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)];
    return prefixFor(folder, fileName) + QByteArray::number(::getpid()) + '-' + suffix;
}

void removeSaveLeftovers(int folder, const QByteArray& fileName) {
    const QByteArray prefix = prefixFor(folder, fileName);
    // The folder's names as they stand, unsorted and unlooked-at: a save in a folder of
    // thousands of files stays quick.
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* entries = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!entries) {
        if (listing >= 0)
            ::close(listing);
        return;
    }
    QByteArrayList leftovers;
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArrayView name(entry->d_name);
        if (name.startsWith(prefix))
            leftovers.append(name.toByteArray());
    }
    ::closedir(entries);

    for (const QByteArray& name : leftovers) {
        const pid_t writer = writerOf(QByteArrayView(name).sliced(prefix.size()));
        if (writer > 0 && hasEnded(writer) && isOurQuietFile(folder, name))
            ::unlinkat(folder, name.constData(), 0);
    }
}

} // namespace pennywell
