#pragma once

#include "core/files/SaveResult.h"

#include <QString>
#include <QStringList>

namespace pennywell {

// The folders of the budget files used, latest first, are the program's own state, kept
// between runs in a file of their own: one folder a line, in the bytes the system names it by.
// They stay out of the personal settings file, whose one line other copies of the program read.

// "budget-folders" in the program's local data folder, beside the recovery copies.
QString folderHistoryFile();

// The folders kept in `path` that are still folders, latest first, at most as many as are
// kept. A missing, unreadable or damaged file gives whatever of it is usable, at worst nothing.
QStringList readFolderHistory(const QString& path);

// Keeps the folders in `path`, written in one step; its folder is made when missing. A folder
// whose name holds a line break is left out: it could not be read back.
SaveResult writeFolderHistory(const QString& path, const QStringList& folders);

} // namespace pennywell
