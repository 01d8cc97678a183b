#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/statvfs.h>
#include <unistd.h>

// A real, tiny tmpfs for tests of full disks. It is mounted in a mount namespace of this
// process's own, so it disappears with the process even when a test crashes; the destructor
// unmounts it as well. Mounting needs root: `mounted()` is false (and `whyNot()` says why)
// elsewhere, and the tests that need it are skipped.
class TinyFileSystem {
public:
    explicit TinyFileSystem(qint64 sizeBytes) {
        if (::geteuid() != 0) {
            whyNot_ = QStringLiteral("mounting a tmpfs needs root");
            return;
        }
        if (!privateMounts()) {
            whyNot_ = QStringLiteral("no private mount namespace: ") +
                      QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(sizeBytes);
        if (::mount("tmpfs", mountPoint().constData(), "tmpfs", 0, options.constData()) != 0) {
            whyNot_ = QStringLiteral("mount: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        mounted_ = true;
    }

    ~TinyFileSystem() {
        if (mounted_)
            ::umount2(mountPoint().constData(), MNT_DETACH);
    }

    TinyFileSystem(const TinyFileSystem&) = delete;
    TinyFileSystem& operator=(const TinyFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    QString whyNot() const { return whyNot_; }
    QString filePath(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    qint64 freeBytes() const {
        struct statvfs info {};
        ::statvfs(mountPoint().constData(), &info);
        return qint64(info.f_bavail) * qint64(info.f_frsize);
    }

    // Takes up the space until about `leaveFree` bytes (whole pages) are left.
    void fill(qint64 leaveFree) {
        const QByteArray name = QFile::encodeName(filePath(QStringLiteral("filler")));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const QByteArray page(4096, 'f');
        qint64 size = 0;
        while (true) {
            const ssize_t written = ::write(fd, page.constData(), std::size_t(page.size()));
            if (written <= 0)
                break;
            size += written;
        }
        const bool roomLeft = ::ftruncate(fd, std::max<qint64>(0, size - leaveFree)) == 0;
        ::close(fd);
        if (!roomLeft)
            qFatal("could not leave %lld bytes free", leaveFree);
    }

    // Nothing can be created or changed in it any more.
    bool makeReadOnly() {
        return ::mount(nullptr, mountPoint().constData(), nullptr, MS_REMOUNT | MS_RDONLY,
                       nullptr) == 0;
    }

private:
    QByteArray mountPoint() const { return QFile::encodeName(folder_.path()); }

    static bool privateMounts() {
        static const bool done = ::unshare(CLONE_NEWNS) == 0 &&
                                 ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
        return done;
    }

    QTemporaryDir folder_;
    bool mounted_ = false;
    QString whyNot_;
};
