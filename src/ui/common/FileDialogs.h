#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace pennywell::ui {

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    QString filter; // "Description (*.ext)|*.ext"
    QString folder;
    QString fileName;    // preset in the dialog; may be empty
    QStringList places;  // folders added to the dialog's side bar
    QStringList history; // folders used before, latest first
};

// The standard open and save dialogs; tests answer them from a script. An empty result
// means the dialog was cancelled or failed.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual std::optional<QString> choose(QWidget* parent, const FileDialogRequest& request) = 0;
};

} // namespace pennywell::ui
