#include "core/files/SaveTarget.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <unistd.h>

namespace pennywell {
namespace {

// As many links in a row as the kernel follows before it gives up.
constexpr int MaximumLinks = 40;

// In a sticky folder that anyone may write to, anyone may place a link under a name another
// user is about to save, leading to a file of that user's; the kernel follows such a link only
// for its owner or the folder's owner, and so does a save.
bool kernelWouldFollow(const struct stat& folder, const struct stat& link) {
    const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
    return !shared || link.st_uid == ::geteuid() || link.st_uid == folder.st_uid;
}

// Opens the folder part of `path` (relative ones from `base`) and leaves the last part in `name`.
FileDescriptor openFolderOf(int base, const QByteArray& path, QByteArray& name) {
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? "/" : path.left(slash);
    name = path.mid(slash + 1);
    return FileDescriptor(::openat(base, folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
}

bool namesAFile(const QByteArray& name) {
    return !name.isEmpty() && name != "." && name != "..";
}

QByteArray linkText(int folder, const QByteArray& name) {
    QByteArray text(PATH_MAX, '\0');
    const ssize_t size =
        ::readlinkat(folder, name.constData(), text.data(), std::size_t(text.size()));
    text.resize(size > 0 && size < text.size() ? size : 0);
    return text;
}

} // namespace

SaveProblem findSaveTarget(const QByteArray& path, SaveTarget& target) {
    QByteArray next = path;
    FileDescriptor base;
    for (int links = 0; links <= MaximumLinks; ++links) {
        FileDescriptor folder =
            openFolderOf(base.valid() ? base.get() : AT_FDCWD, next, target.name);
        if (!folder.valid())
            return saveProblemOf(errno);
        if (!namesAFile(target.name))
            return SaveProblem::NotRegularFile;
        if (::fstatat(folder.get(), target.name.constData(), &target.file, AT_SYMLINK_NOFOLLOW) !=
            0) {
            if (errno != ENOENT)
                return saveProblemOf(errno);
            target.folder = std::move(folder); // a new file, or the end of a dangling link
            target.exists = false;
            return SaveProblem::None;
        }
        if (!S_ISLNK(target.file.st_mode)) {
            target.folder = std::move(folder);
            target.exists = true;
            return S_ISREG(target.file.st_mode) ? SaveProblem::None : SaveProblem::NotRegularFile;
        }
        struct stat folderInfo {};
        if (::fstat(folder.get(), &folderInfo) != 0)
            return saveProblemOf(errno);
        if (!kernelWouldFollow(folderInfo, target.file))
            return SaveProblem::RefusedLink;
        next = linkText(folder.get(), target.name);
        if (next.isEmpty())
            return SaveProblem::Failed;
        base = std::move(folder); // a relative link leads on from the link's own folder
    }
    return SaveProblem::Failed; // a loop of links
}

} // namespace pennywell
