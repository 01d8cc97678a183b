#include "shell/Application.h"

#include "budget/Budget.h"
#include "common/MnemonicFocus.h"
#include "mortgage/MortgageCalc.h"
#include "savings/SavingsCalc.h"
#include "settings/PersonalSettings.h"

#include <QCoreApplication>
#include <QDir>

namespace pennywell::ui {

Application::Application() {
    MnemonicFocus::install();
    QObject::connect(&menu_, &MenuMain::exitRequested, QCoreApplication::instance(),
                     &QCoreApplication::quit);
    menu_.setPlannerFactory(Planner::Mortgage,
                            [this] { return new MortgageCalc(state_, services_); });
    menu_.setPlannerFactory(Planner::Loans, [this] { return new MortgageCalc(state_, services_); });
    menu_.setPlannerFactory(Planner::Savings,
                            [this] { return new SavingsCalc(state_, services_); });
    menu_.setPlannerFactory(Planner::Budget, [this] { return new Budget(state_, services_); });
}

void Application::start(const QString& programFolder, const QDate& today) {
    state_.programFolder = programFolder;
    QDir::setCurrent(programFolder); // on failure the current folder stays, unreported

    const SettingsLoadResult loaded = loadSettings(QDir(programFolder).filePath(SettingsFileName));
    state_.settings = loaded.settings;
    if (loaded.complete)
        menu_.showUserName();

    backdrop_.show();
    state_.FirstPayDate = today;
    menu_.show();
}

} // namespace pennywell::ui
