#include "budget/SampleBudget.h"
#include "shell/Application.h"
#include "state/ProgramFolder.h"

#include <QApplication>
#include <QDate>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pennywell"));
    // No display name: the platform would append it to every window's own caption.
    QApplication::setDesktopFileName(QStringLiteral("org.pennywell.Pennywell"));

    const QString executableFolder = QApplication::applicationDirPath();
    const QString programFolder = pennywell::resolveProgramFolder(executableFolder);
    pennywell::provideSampleBudget(pennywell::shippedFilesFolder(executableFolder), programFolder);

    pennywell::ui::Application pennywell;
    pennywell.start(programFolder, QDate::currentDate());
    return QApplication::exec();
}
