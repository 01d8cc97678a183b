#include "core/budget/BudgetMessages.h"
#include "core/budget/BudgetRecovery.h"
#include "core/budget/BudgetTexts.h"
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

// The one budget file a drag brings; empty for anything else (text, several files, a link).
QString draggedBudgetFile(const QMimeData* data) {
    if (!data || data->urls().size() != 1)
        return QString();
    const QUrl url = data->urls().constFirst();
    const QString path = url.isLocalFile() ? url.toLocalFile() : QString();
    return path.endsWith(QStringLiteral(".bgt"), Qt::CaseInsensitive) ? path : QString();
}

} // namespace

bool Budget::userGoesBackToSave() {
    // No erases the records, so leaving the question without an answer means going back.
    const Message question{document_.fileName() + messages::ChangedFileQuestion,
                           messages::ChangedFileTitle, MessageButtons::YesNo, MessageIcon::Question,
                           MessageAnswer::Yes};
    return services_.messenger.show(this, question) == MessageAnswer::Yes;
}

std::optional<QString> Budget::chooseFile(bool save) {
    // The sample budget lives in the program's folder, one click away in the side bar.
    const FileDialogRequest request{save ? FileDialogKind::Save : FileDialogKind::Open,
                                    budget_texts::FileFilter,
                                    currentFolder_,
                                    document_.fileName(),
                                    {state_.programFolder},
                                    state_.budgetFolders};
    const std::optional<QString> chosen = services_.fileDialogs.choose(nullptr, request);
    if (chosen) {
        const QFileInfo file(*chosen);
        rememberFolder(file.absolutePath());
        if (save)
            document_.setFileName(file.exists() ? file.fileName() : QString());
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
    if (document_.changePending()) {
        message(messages::ChangePendingBeforeSave, messages::HelpTitle);
        return;
    }
    hide();
    if (!document_.hasRecords()) {
        message(messages::NoRecordsToSave, messages::HelpTitle);
        document_.markUnchanged();
    } else if (const std::optional<QString> path = chooseFile(true)) {
        const BusyCursor busy;
        const BudgetSaveOutcome saved = document_.save(*path);
        if (saved.result)
            recovery_->saved(document_.tables(), *path);
        else // the old file is untouched and the records are still unsaved
            message(*saved.message);
    }
    show(); // raised and given the keyboard by ActivateOnShow
}

bool Budget::readyToReplaceRecords() {
    // Opening replaces both tables, which would strand a pending change.
    if (document_.changePending()) {
        message(messages::ChangePending, messages::HelpTitle);
        return false;
    }
    return !(document_.holdsUnsavedRecords() && userGoesBackToSave());
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
    if (const auto refusal = document_.load(path)) {
        message(*refusal);
        return QString();
    }
    const QString shortened = shortenLongDescriptions(document_.tables());
    recovery_->opened(document_.tables(), path);
    // Another file's records are read from the top, wherever the last ones stood.
    income_.grid->scrollToTop();
    expense_.grid->scrollToTop();
    return shortened;
}

void Budget::closeEvent(QCloseEvent* event) {
    if (document_.holdsUnsavedRecords() && userGoesBackToSave()) {
        event->ignore();
        return;
    }
    discardWork();
    event->accept();
}

void Budget::discardWork() {
    document_.discard();
    income_.entry = BudgetEntry{};
    expense_.entry = BudgetEntry{};
    state_.EditStarted = false;
    recovery_->discard();
}

} // namespace pennywell::ui
