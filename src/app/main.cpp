#include "shell/Application.h"
#include "state/ProgramFolder.h"

#include <QApplication>
#include <QDate>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("pennywell"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pennywell Win9"));

    pennywell::ui::Application pennywell;
    pennywell.start(pennywell::resolveProgramFolder(QApplication::applicationDirPath()),
                    QDate::currentDate());
    return QApplication::exec();
}
