#include "ui/shell/Application.h"

#include "core/settings/PersonalSettings.h"
#include "ui/budget/Budget.h"
#include "ui/common/ActivateOnShow.h"
#include "ui/common/MnemonicFocus.h"
#include "ui/common/ModalLoop.h"
#include "ui/help/HelpKey.h"
#include "ui/mortgage/MortgageCalc.h"
#include "ui/savings/SavingsCalc.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace pennywell::ui {
namespace {

// Every window shows the program's icon; the platform picks the size it needs. Each picture is
// read as the PNG it is: left to guess, the image reader would load every image plugin of the
// system to ask it. The window system gets the sizes Qt offers for a drawn icon, up to 128
// pixels: with the 256-pixel picture every window sent the display 3.6 times as much as it
// opened, and the desktop's menu and task switcher take the installed icon instead.
QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128}) {
        QImageReader png(QStringLiteral(":/icons/pennywell-%1.png").arg(size), "png");
        png.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(png.read()));
    }
    return icon;
}

} // namespace

void registerPlanners(MenuMain& menu, AppState& state, Services& services) {
    menu.setPlannerFactory(Planner::Mortgage, [&] { return new MortgageCalc(state, services); });
    menu.setPlannerFactory(Planner::Loans, [&] { return new MortgageCalc(state, services); });
    menu.setPlannerFactory(Planner::Savings, [&] { return new SavingsCalc(state, services); });
    menu.setPlannerFactory(Planner::Budget, [&] { return new Budget(state, services); });
}

Application::Application() {
    QApplication::setWindowIcon(programIcon());
    MnemonicFocus::install();
    ModalLoop::install();
    ActivateOnShow::install();
    HelpKey::install(state_, manualViewer_);
    // quit() would first ask every window to close, and the backdrop and the menu refuse that
    // (they live for the whole run), which cancels it; exit() ends the event loop at once.
    QObject::connect(&menu_, &MenuMain::exitRequested, QCoreApplication::instance(),
                     [] { QCoreApplication::exit(0); });
    registerPlanners(menu_, state_, services_);
}

void Application::start(const QString& programFolder, const QDate& today,
                        const QString& budgetFile) {
    // A name on the command line is relative to the folder the program was started in.
    const QString budgetPath =
        budgetFile.isEmpty() ? QString() : QDir().absoluteFilePath(budgetFile);
    state_.programFolder = programFolder;
    QDir::setCurrent(programFolder); // on failure the current folder stays, unreported

    const SettingsLoadResult loaded = loadSettings(QDir(programFolder).filePath(SettingsFileName));
    state_.settings = loaded.settings;
    if (loaded.complete)
        menu_.showUserName();

    backdrop_.show();
    state_.FirstPayDate = today;
    menu_.show();
    if (budgetPath.isEmpty())
        return;
    if (auto* budget = qobject_cast<Budget*>(menu_.openPlanner(Planner::Budget)))
        budget->openFileGiven(budgetPath);
}

} // namespace pennywell::ui
