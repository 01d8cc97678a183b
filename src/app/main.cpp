#include "core/budget/BudgetRecovery.h"
#include "core/budget/SampleBudget.h"
#include "core/files/FileName.h"
#include "core/state/FolderHistory.h"
#include "core/state/ProgramFolder.h"
#include "ui/shell/Application.h"
#include "ui/shell/FontConfigAhead.h"
#include "ui/shell/SessionBus.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDate>

namespace {

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        QStringLiteral("A planner for household finances: mortgage, loans, budget and savings."));
    // -stylesheet or -reverse, options of the display, must not read as -s -t -y -l -e -s -h ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QStringLiteral("A budget file (.bgt) to open in the budget planner."),
        QStringLiteral("[FILE]"));
}

// A file name made in another code page reaches the file system byte for byte.
QStringList argumentList(int argc, char* argv[]) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index)
        arguments.append(pennywell::fileNameFromBytes(argv[index]));
    return arguments;
}

// Help and version are answered before the display is opened, so they work in any terminal.
void answerWithoutWindow(QCommandLineParser& parser, int argc, char* argv[]) {
    // The display's own options (-platform ...) are not known yet: their errors wait for the
    // second reading, once the application has taken them out.
    parser.parse(argumentList(argc, argv));
    const bool help = parser.isSet(QStringLiteral("help"));
    if (!help && !parser.isSet(QStringLiteral("version")))
        return;
    const QCoreApplication noDisplay(argc, argv); // names the program in the usage line
    if (help)
        parser.showHelp(); // both end the program
    parser.showVersion();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("pennywell"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PENNYWELL_VERSION));
    QCommandLineParser parser;
    describeCommandLine(parser);
    answerWithoutWindow(parser, argc, argv);

    pennywell::ui::FontConfigAhead fonts;
    pennywell::ui::NoSessionBusLaunch noBusLaunch;
    QApplication application(argc, argv);
    parser.process(argumentList(argc, argv)); // what is left: an unknown option ends here
    if (parser.positionalArguments().size() > 1)
        parser.showHelp(1); // one file at a time: the planner holds one
    // No display name: the platform would append it to every window's own caption.
    QApplication::setDesktopFileName(QStringLiteral("org.pennywell.Pennywell"));

    const QString executableFolder = QApplication::applicationDirPath();
    const QString programFolder = pennywell::resolveProgramFolder(executableFolder);
    pennywell::provideSampleBudget(pennywell::shippedFilesFolder(executableFolder), programFolder);

    fonts.wait();
    pennywell::ui::Application pennywell;
    pennywell.state().recoveryFolder = pennywell::budgetRecoveryFolder();
    pennywell.state().folderHistoryFile = pennywell::folderHistoryFile();
    pennywell.state().budgetFolders =
        pennywell::readFolderHistory(pennywell.state().folderHistoryFile);
    pennywell.start(programFolder, QDate::currentDate(), parser.positionalArguments().value(0));
    noBusLaunch.restore(); // the windows are shown: accessibility has looked for its bus
    return QApplication::exec();
}
