#pragma once

#include "core/budget/BudgetRecoveryCopy.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <functional>
#include <memory>

class QLockFile;

namespace pennywell {

// The user's own folder for recovery copies: "recovery" in the program's local data folder.
QString budgetRecoveryFolder();

// Keeps a copy of one budget planner's unsaved work, so a crash, a kill, a power cut or the end
// of the desktop session loses at most the last second of it. A copy is written a second
// after the first change it does not hold yet (never more often), only while leaving would lose
// something, and removed as soon as nothing would be lost. Each copy has a lock of its own
// held by the program that writes it, so a copy is offered only once its program has ended and
// two programs running at once never take each other's. The disk's part of a write (flushing
// the copy to the disk) and of a removal runs in order on a thread of its own, so a slow disk
// never holds up the window.
class BudgetRecovery : public QObject {
    Q_OBJECT
public:
    using WorkSource = std::function<BudgetWork()>;
    static constexpr int WriteDelayMs = 1000;

    // Asks `source` for the work when a write is due; an empty folder keeps no copies.
    BudgetRecovery(const QString& folder, WorkSource source, QObject* parent);
    // Leaves the copy for the next run.
    ~BudgetRecovery() override;

    // The newest copy no running program owns, now owned by this planner, which either
    // restores it (`restoreTaken`) or has it removed (`discard`); damaged copies are passed by.
    std::optional<RecoveryCopy> takeEarlierCopy();
    void restoreTaken(const RecoveryCopy& copy);

    void changed();
    void opened(const BudgetTables& tables, const QString& filePath);
    void saved(const BudgetTables& tables, const QString& filePath);
    void discard(); // the user gave the work up
    void writeNow();
    // Writes what is due and returns once the copy is on the disk, for a program about to end.
    void keepForNextStart();

    // Empty while there is no copy; a removed copy may take a moment to leave the disk.
    QString copyPath() const { return path_; }

private:
    bool ownNewCopy();
    void removeCopy();

    QString folder_;
    WorkSource source_;
    QTimer writeTimer_;
    BudgetTables kept_; // the records of the file last opened or saved
    QString filePath_;
    QString path_;
    std::shared_ptr<QLockFile> lock_;
    QByteArray written_; // the body of the copy last sent to the disk
    QThreadPool disk_;   // after the lock: finishes its work before the lock is let go
};

} // namespace pennywell
