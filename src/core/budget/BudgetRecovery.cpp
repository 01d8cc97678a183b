#include "core/budget/BudgetRecovery.h"

#include "core/files/AtomicWrite.h"
#include "core/files/RegularFile.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

namespace pennywell {
namespace {

const QString CopyPattern = QStringLiteral("unsaved-*.bgt");
// 500 + 500 records of the longest descriptions stay far below.
constexpr qint64 MaximumCopySize = 64 * 1024 * 1024;

std::shared_ptr<QLockFile> lockOf(const QString& copyPath) {
    auto lock = std::make_shared<QLockFile>(copyPath + QStringLiteral(".lock"));
    // A program may hold its copy for days; only a lock whose program has ended is stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

} // namespace

QString budgetRecoveryFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("recovery"));
}

BudgetRecovery::BudgetRecovery(const QString& folder, WorkSource source, QObject* parent)
    : QObject(parent), folder_(folder), source_(std::move(source)) {
    writeTimer_.setSingleShot(true);
    writeTimer_.setInterval(WriteDelayMs);
    connect(&writeTimer_, &QTimer::timeout, this, &BudgetRecovery::writeNow);
    disk_.setMaxThreadCount(1); // one at a time, in the order asked
}

BudgetRecovery::~BudgetRecovery() = default;

std::optional<RecoveryCopy> BudgetRecovery::takeEarlierCopy() {
    if (folder_.isEmpty() || !path_.isEmpty())
        return std::nullopt;
    const QFileInfoList copies =
        QDir(folder_).entryInfoList({CopyPattern}, QDir::Files, QDir::Time);
    for (const QFileInfo& file : copies) {
        std::shared_ptr<QLockFile> lock = lockOf(file.filePath());
        if (!lock)
            continue; // its program is still running
        const std::optional<FileStart> bytes = readRegularFile(file.filePath(), MaximumCopySize);
        std::optional<RecoveryCopy> copy =
            bytes && bytes->whole ? parseRecoveryCopy(bytes->bytes) : std::nullopt;
        if (!copy)
            continue; // left for whoever wants to look at it, never read again
        path_ = file.filePath();
        lock_ = std::move(lock);
        written_.clear();
        return copy;
    }
    return std::nullopt;
}

void BudgetRecovery::restoreTaken(const RecoveryCopy& copy) {
    filePath_ = copy.work.filePath;
}

void BudgetRecovery::changed() {
    if (!folder_.isEmpty() && !writeTimer_.isActive())
        writeTimer_.start();
}

void BudgetRecovery::opened(const BudgetTables& tables, const QString& filePath) {
    kept_ = tables;
    filePath_ = filePath;
    changed();
}

void BudgetRecovery::saved(const BudgetTables& tables, const QString& filePath) {
    kept_ = tables;
    filePath_ = filePath;
    writeTimer_.stop();
    removeCopy();
}

void BudgetRecovery::discard() {
    kept_ = BudgetTables{};
    filePath_.clear();
    writeTimer_.stop();
    removeCopy();
}

void BudgetRecovery::writeNow() {
    writeTimer_.stop();
    if (folder_.isEmpty())
        return;
    BudgetWork work = source_();
    work.filePath = filePath_;
    if (!holdsLostWork(work, kept_)) {
        removeCopy();
        return;
    }
    const QByteArray body = recoveryCopyBody(work);
    if ((!path_.isEmpty() && body == written_) || (path_.isEmpty() && !ownNewCopy()))
        return;
    written_ = body;
    // A failed write leaves the last copy whole, and the next change writes it again.
    disk_.start([path = path_, bytes = withWrittenTime(body, QDateTime::currentDateTimeUtc())] {
        writeFileAtomically(path, bytes);
    });
}

void BudgetRecovery::keepForNextStart() {
    writeNow();
    disk_.waitForDone();
}

bool BudgetRecovery::ownNewCopy() {
    // Only the user reads the copies: the folder is theirs alone.
    if (!QDir().mkpath(folder_) ||
        !QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return false;
    const QString path = QDir(folder_).filePath(
        QStringLiteral("unsaved-%1.bgt").arg(QUuid::createUuid().toString(QUuid::WithoutBraces)));
    lock_ = lockOf(path);
    if (!lock_)
        return false;
    path_ = path;
    written_.clear();
    return true;
}

void BudgetRecovery::removeCopy() {
    if (path_.isEmpty())
        return;
    // The lock goes after the copy, so no other program finds it half removed.
    disk_.start([path = path_, lock = std::move(lock_)] {
        QFile::remove(path);
        lock->unlock();
    });
    path_.clear();
    written_.clear();
}

} // namespace pennywell
