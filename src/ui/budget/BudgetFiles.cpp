#include "core/budget/BudgetFile.h"
#include "core/budget/BudgetMessages.h"
#include "core/budget/BudgetRecovery.h"
#include "core/budget/DescriptionLength.h"
#include "core/state/AppState.h"
#include "core/state/FolderHistory.h"
#include "core/state/ProgramFolder.h"
#include "ui/budget/Budget.h"
#include "ui/common/BusyCursor.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/Messenger.h"
#include "ui/common/Services.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTableView>
#include <QTimer>
#include <QUrl>

namespace pennywell::ui {

namespace messages = budget_messages;

namespace {

const QString BudgetFilter = QStringLiteral("Budget Database (*.bgt)|*.bgt");

// The one budget file a drag brings; empty for anything else (text, several files, a link).
QString draggedBudgetFile(const QMimeData* data) {
    if (!data || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    return path.endsWith(QStringLiteral(".bgt"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

bool Budget::holdsUnsavedRecords() const {
    // A record being changed is unsaved work even right after a save.
    return (changed_ == 1 || changePending()) &&
           (tables_.income.count() != 0 || tables_.expense.count() != 0);
}

bool Budget::userGoesBackToSave() {
    // No erases the records, so leaving the question without an answer means going back.
    const Message question{currentFileName_ + messages::ChangedFileQuestion,
                           messages::ChangedFileTitle, MessageButtons::YesNo, MessageIcon::Question,
                           MessageAnswer::Yes};
    return services_.messenger.show(this, question) == MessageAnswer::Yes;
}

std::optional<QString> Budget::chooseFile(bool save) {
    // The sample budget lives in the program's folder, one click away in the side bar.
    const FileDialogRequest request{save ? FileDialogKind::Save : FileDialogKind::Open,
                                    BudgetFilter,
                                    currentFolder_,
                                    currentFileName_,
                                    {state_.programFolder},
                                    state_.budgetFolders};
    const std::optional<QString> chosen = services_.fileDialogs.choose(nullptr, request);
    if (chosen) {
        const QFileInfo file(*chosen);
        rememberFolder(file.absolutePath());
        if (save)
            currentFileName_ = file.exists() ? file.fileName() : QString();
    }
    return chosen;
}

void Budget::rememberFolder(const QString& folder) {
    currentFolder_ = folder;
    state_.budgetFolders = withRecentFolder(state_.budgetFolders, folder);
    // Only where the next run's dialogs start is at stake, not worth a message: a history that
    // cannot be kept leaves them starting where they would the first time.
    if (!state_.folderHistoryFile.isEmpty())
        writeFolderHistory(state_.folderHistoryFile, state_.budgetFolders);
}

void Budget::saveFile() {
    // The file would hold the record's old values while the user sees the new ones.
    if (changePending()) {
        message(messages::ChangePendingBeforeSave, messages::HelpTitle);
        return;
    }
    hide();
    if (tables_.income.count() == 0 && tables_.expense.count() == 0) {
        message(messages::NoRecordsToSave, messages::HelpTitle);
        changed_ = 0;
    } else if (const std::optional<QString> path = chooseFile(true)) {
        const BusyCursor busy;
        if (const SaveResult saved = saveBudgetFile(*path, tables_)) {
            currentFileName_ = QFileInfo(*path).fileName();
            changed_ = 0;
            recovery_->saved(tables_, *path);
        } else {
            // The old file is untouched and the records are still unsaved.
            message(withRefusalReason(messages::BadFilename, saved), messages::SavingErrorTitle);
        }
    }
    show(); // raised and given the keyboard by ActivateOnShow
}

bool Budget::readyToReplaceRecords() {
    // Opening replaces both tables, which would strand a pending change.
    if (changePending()) {
        message(messages::ChangePending, messages::HelpTitle);
        return false;
    }
    return !(holdsUnsavedRecords() && userGoesBackToSave());
}

void Budget::openFile() {
    if (!readyToReplaceRecords())
        return;
    hide();
    QString shortened;
    if (const std::optional<QString> path = chooseFile(false))
        shortened = loadFile(*path);
    show();
    refresh();
    if (!shortened.isEmpty()) // told over the records as they now stand
        message(shortened, messages::LoadFileTitle);
}

void Budget::openFileGiven(const QString& path) {
    // The next Open or Save dialog starts beside it, as after choosing it in the dialog.
    rememberFolder(QFileInfo(path).absolutePath());
    const QString shortened = loadFile(path);
    refresh();
    if (!shortened.isEmpty())
        message(shortened, messages::LoadFileTitle);
}

void Budget::dragEnterEvent(QDragEnterEvent* event) {
    if (!draggedBudgetFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Budget::dropEvent(QDropEvent* event) {
    const QString path = draggedBudgetFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The file manager waits until the drop is over, so the questions come after it.
    QTimer::singleShot(0, this, [this, path] {
        if (readyToReplaceRecords())
            openFileGiven(path);
    });
}

QString Budget::loadFile(const QString& path) {
    const BusyCursor busy;
    QString shortened;
    if (std::optional<BudgetTables> loaded = loadBudgetFile(path)) {
        shortened = shortenLongDescriptions(*loaded);
        tables_ = std::move(*loaded);
        currentFileName_ = QFileInfo(path).fileName();
        recovery_->opened(tables_, path);
        // Another file's records are read from the top, wherever the last ones stood.
        income_.grid->scrollToTop();
        expense_.grid->scrollToTop();
    } else {
        // The records on screen stay: a bad file never costs the user their work.
        message(messages::LoadFailed, messages::LoadFileTitle);
    }
    return shortened;
}

void Budget::closeEvent(QCloseEvent* event) {
    if (holdsUnsavedRecords() && userGoesBackToSave()) {
        event->ignore();
        return;
    }
    discardWork();
    event->accept();
}

void Budget::discardWork() {
    changed_ = 0;
    currentFileName_.clear();
    tables_ = BudgetTables{};
    income_.entry = BudgetEntry{};
    expense_.entry = BudgetEntry{};
    state_.EditStarted = 0;
    recovery_->discard();
}

} // namespace pennywell::ui
