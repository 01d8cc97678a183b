#include "core/files/RegularFile.h"

#include "core/files/FileName.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pennywell {
namespace {

// Reads until the end of the file or until `limit` bytes; false on a read error.
bool readUpTo(int fd, qint64 limit, QByteArray& bytes) {
    constexpr qint64 Chunk = 64 * 1024;
    while (bytes.size() < limit) {
        const qint64 at = bytes.size();
        const qint64 wanted = std::min(Chunk, limit - at);
        bytes.resize(at + wanted);
        const ssize_t got = ::read(fd, bytes.data() + at, std::size_t(wanted));
        if (got < 0 && errno == EINTR) {
            bytes.resize(at);
            continue;
        }
        bytes.resize(at + std::max<ssize_t>(got, 0));
        if (got < 0)
            return false;
        if (got == 0)
            break;
    }
    return true;
}

} // namespace

std::optional<FileStart> readRegularFile(const QString& path, qint64 maximumBytes) {
    const QByteArray name = fileNameBytes(path);
    // Looked at before opening, since opening a pipe waits for a writer and opening a device
    // may act on it; checked again on the open file, in case the name changed in between.
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::optional<FileStart> start;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        FileStart read;
        // Read into room for the whole file at once: growing as it comes copies it many times.
        read.bytes.reserve(std::min<qint64>(info.st_size, maximumBytes) + 1);
        // One byte more than allowed tells a file of exactly the limit from a longer one.
        if (readUpTo(fd, maximumBytes + 1, read.bytes)) {
            read.whole = read.bytes.size() <= maximumBytes;
            read.bytes.truncate(maximumBytes);
            start = std::move(read);
        }
    }
    ::close(fd);
    return start;
}

} // namespace pennywell
