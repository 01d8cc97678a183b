#include "core/budget/BudgetMessages.h"
#include "core/files/AtomicWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace pennywell;

namespace {

// Saves by root and by an ordinary user, "nobody" (in a child process that takes on its ids),
// in a sticky folder like /tmp, "tmp", and a plain one anyone may write to, "open".
class SharedFolder : public ::testing::Test {
protected:
    void SetUp() override {
        const passwd* user = ::getpwnam("nobody");
        if (::geteuid() != 0 || user == nullptr)
            GTEST_SKIP() << "needs root and the user nobody";
        uid_ = user->pw_uid;
        gid_ = user->pw_gid;
        ASSERT_TRUE(QDir(dir_.path()).mkdir("tmp") && QDir(dir_.path()).mkdir("open"));
        const std::pair<const char*, mode_t> modes[] = {{"", 0777}, {"tmp", 01777}, {"open", 0777}};
        for (const auto& [folder, mode] : modes)
            ASSERT_EQ(::chmod(at(folder), mode), 0);
    }

    QByteArray at(const char* file) const { return QFile::encodeName(path(file)); }
    QString path(const char* file) const { return QDir(dir_.path()).filePath(file); }

    void put(const char* file, const QByteArray& bytes, mode_t mode, uid_t owner) const {
        QFile out(path(file));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();
        ASSERT_EQ(::chmod(at(file), mode) | ::chown(at(file), owner, owner ? gid_ : 0), 0);
    }

    SaveProblem saveAsUser(const char* file, const QByteArray& bytes) const {
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setresgid(gid_, gid_, gid_) != 0 ||
                ::setresuid(uid_, uid_, uid_) != 0)
                ::_exit(99);
            ::_exit(int(writeFileAtomically(path(file), bytes).problem));
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? SaveProblem(WEXITSTATUS(status)) : SaveProblem::Failed;
    }

    QByteArray contentOf(const char* file) const {
        QFile in(path(file));
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir dir_;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
};

} // namespace

// Another user's link in /tmp would make the save write where that user cannot, into a file
// of the saving user: followed only where the kernel would follow it.
TEST_F(SharedFolder, AnotherUsersLinkInAStickyFolderIsNotFollowed) {
    put(".bash_login", "the victim's", 0644, 0);
    ASSERT_EQ(::symlink("../.bash_login", at("tmp/new.bgt")), 0);
    ASSERT_EQ(::lchown(at("tmp/new.bgt"), uid_, gid_), 0);
    EXPECT_EQ(writeFileAtomically(path("tmp/new.bgt"), "budget").problem, SaveProblem::RefusedLink);
    EXPECT_EQ(contentOf(".bash_login"), "the victim's");
    EXPECT_TRUE(QFileInfo(path("tmp/new.bgt")).isSymLink());

    // The saver's own link, and one of the folder's owner, are followed as the kernel does.
    ASSERT_EQ(::symlink("../mine.bgt", at("tmp/own.bgt")), 0);
    ASSERT_EQ(::lchown(at("tmp/own.bgt"), uid_, gid_), 0);
    EXPECT_EQ(saveAsUser("tmp/own.bgt", "mine"), SaveProblem::None);
    ASSERT_EQ(::lchown(at("tmp/own.bgt"), 0, 0), 0);
    EXPECT_EQ(saveAsUser("tmp/own.bgt", "root's link"), SaveProblem::None);
    EXPECT_EQ(contentOf("mine.bgt"), "root's link");
}

TEST_F(SharedFolder, AFileIsReplacedOnlyWhereItsModeAndOwnersAllowAndKeepsThem) {
    put("tmp/kept.bgt", "read-only", 0444, uid_);
    EXPECT_EQ(saveAsUser("tmp/kept.bgt", "new"), SaveProblem::ReadOnlyFile);
    const SaveResult byRoot = writeFileAtomically(path("tmp/kept.bgt"), "new");
    EXPECT_EQ(contentOf("tmp/kept.bgt"), "read-only");
    EXPECT_EQ(withRefusalReason(budget_messages::BadFilename, byRoot),
              " Bad filename, must be in the form MYFILE.BGT\r\nThe file is read-only.");

    // Root's save keeps a user's file theirs, with its mode.
    put("open/users.bgt", "user's", 0640, uid_);
    ASSERT_TRUE(writeFileAtomically(path("open/users.bgt"), "saved by root"));
    const QFileInfo users(path("open/users.bgt"));
    EXPECT_EQ(users.ownerId(), uid_);
    EXPECT_EQ(users.groupId(), gid_);
    EXPECT_EQ(users.permissions() & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    // The user may write root's file, but could not give the new one root as its owner.
    put("open/roots.bgt", "root's", 0666, 0);
    EXPECT_EQ(saveAsUser("open/roots.bgt", "new"), SaveProblem::OwnerNotKept);
    EXPECT_EQ(QFileInfo(path("open/roots.bgt")).ownerId(), 0u);
    EXPECT_EQ(contentOf("open/roots.bgt"), "root's");
    EXPECT_EQ(QDir(path("open")).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

TEST_F(SharedFolder, AFileWithOtherNamesKeepsThem) {
    put("open/a.bgt", "old", 0644, uid_);
    ASSERT_EQ(::link(at("open/a.bgt"), at("open/b.bgt")), 0);
    EXPECT_EQ(saveAsUser("open/a.bgt", "the user's longer content"), SaveProblem::None);
    EXPECT_EQ(contentOf("open/b.bgt"), "the user's longer content");
    ASSERT_TRUE(writeFileAtomically(path("open/b.bgt"), "root's"));
    EXPECT_EQ(contentOf("open/a.bgt"), "root's");
    EXPECT_EQ(QFileInfo(path("open/a.bgt")).ownerId(), uid_);

    // Writing in place failed half-way: the complete copy takes the name, whole.
    int calls = 0;
    const SaveResult saved = writeFileAtomically(
        path("open/a.bgt"), "whole", [&](int fd, const void* bytes, std::size_t size) -> ssize_t {
            const ssize_t written = ::write(fd, bytes, ++calls == 1 ? size : 2);
            errno = EIO;
            return calls == 1 || written < 0 ? written : -1;
        });
    EXPECT_EQ(saved.problem, SaveProblem::WriteError);
    EXPECT_EQ(contentOf("open/a.bgt"), "whole");
    EXPECT_EQ(QDir(path("open")).entryList(QDir::Files), QStringList({"a.bgt", "b.bgt"}));
}
