#include "ui/common/QtFileDialogs.h"

#include "ui/common/ModalLoop.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>

namespace pennywell::ui {
namespace {

// "Budget Database (*.bgt)|*.bgt" names a filter and then its pattern; the dialog shows the
// name, which already carries the pattern.
QString qtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList names;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        names.append(parts[i]);
    return names.join(QStringLiteral(";;"));
}

// "*.bgt" gives "bgt", so a name typed without an extension is saved as a budget file.
QString defaultSuffix(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    return parts.size() >= 2 ? QFileInfo(parts[1]).suffix() : QString();
}

} // namespace

std::optional<QString> QtFileDialogs::choose(QWidget* parent, const FileDialogRequest& request) {
    QFileDialog dialog(parent);
    const bool save = request.kind == FileDialogKind::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(qtFilter(request.filter));
    if (save)
        dialog.setDefaultSuffix(defaultSuffix(request.filter));
    dialog.setDirectory(request.folder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    QList<QUrl> places = dialog.sidebarUrls();
    for (const QString& folder : request.places)
        places.append(QUrl::fromLocalFile(folder));
    dialog.setSidebarUrls(places);
    dialog.setHistory(request.history);
    if (ModalLoop::exec(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace pennywell::ui
