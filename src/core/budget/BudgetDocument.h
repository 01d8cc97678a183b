#pragma once

#include "core/budget/BudgetRecord.h"
#include "core/files/SaveResult.h"
#include "core/state/PlannerMessage.h"

#include <QString>
#include <optional>

namespace pennywell {

// The outcome of "Save File": on failure the message the window shows, its details saying why.
struct BudgetSaveOutcome {
    SaveResult result;
    std::optional<PlannerMessage> message;
};

// The budget being planned: both tables, the file they were opened from or saved to, and
// whether they changed since.
class BudgetDocument {
public:
    BudgetTables& tables() { return tables_; }
    const BudgetTables& tables() const { return tables_; }
    bool hasRecords() const;
    // A record is being changed (its "Add Changed Record" not pressed yet).
    bool changePending() const;
    // Records that the last save does not hold; a record being changed counts even right after
    // a save.
    bool holdsUnsavedRecords() const;

    // The file's name without its folder; empty for a budget not yet opened or saved.
    const QString& fileName() const { return fileName_; }
    void setFileName(const QString& name) { fileName_ = name; }
    bool isChanged() const { return changed_; }
    void markChanged() { changed_ = true; }
    // Nothing is left to save.
    void markUnchanged() { changed_ = false; }

    // Replaces the file atomically; on failure the old file and the unsaved state stay.
    BudgetSaveOutcome save(const QString& path);
    // Replaces the tables with the file's; a bad file leaves the records as they were and
    // gives the message.
    std::optional<PlannerMessage> load(const QString& path);
    // Unsaved work brought back from a recovery copy, with the path of its file (or none).
    void restore(BudgetTables tables, const QString& filePath);
    // "To Printer" with no records.
    std::optional<PlannerMessage> printRefusal() const;
    // An empty budget without a file.
    void discard();

private:
    BudgetTables tables_;
    QString fileName_;
    bool changed_ = false;
};

} // namespace pennywell
