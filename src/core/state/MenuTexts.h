#pragma once

#include <QString>

// The main menu's buttons, one per planner and place.
namespace pennywell::menu_texts {

inline const QString WindowDescription =
    QStringLiteral("Main menu: choose a planner, the settings or help");
inline const QString BudgetCaption = QStringLiteral("Planning your &Budget");
inline const QString SavingsCaption = QStringLiteral("Planning your &Savings");
inline const QString LoansCaption = QStringLiteral("Planning your &Loans");
inline const QString MortgageCaption = QStringLiteral("Planning your &Mortgage");
inline const QString HowToCaption = QStringLiteral("&How to Use the Program");
inline const QString AboutCaption = QStringLiteral("&About...");
inline const QString SettingsCaption = QStringLiteral("Personali&ze Settings");
inline const QString ExitCaption = QStringLiteral("E&xit from Program");

} // namespace pennywell::menu_texts
