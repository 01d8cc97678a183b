#pragma once

#include <QWidget>
#include <functional>
#include <map>

class QLabel;
class QPushButton;

namespace pennywell {
struct AppState;
}

namespace pennywell::ui {

struct Services;

enum class Planner { Budget, Savings, Loans, Mortgage };

// Creates a planner's window; the menu shows it and comes back when it is destroyed.
using PlannerFactory = std::function<QWidget*()>;

// "MenuMain": the hub every planner returns to. Stays alive for the whole run.
class MenuMain : public QWidget {
    Q_OBJECT
public:
    MenuMain(AppState& state, Services& services);

    // A planner button stays disabled until its planner is registered.
    void setPlannerFactory(Planner planner, PlannerFactory factory);

    // Shows or hides "MyName" by the user's name.
    void showUserName();

    // Hides the menu and shows the planner's new window, as its button does; null when the
    // planner is not registered.
    QWidget* openPlanner(Planner planner);

signals:
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QPushButton* addButton(const char* name, const QString& caption, int top);
    void openSettings();
    void showAbout();

    AppState& state_;
    Services& services_;
    QLabel* myName_;
    std::map<Planner, QPushButton*> plannerButtons_;
    std::map<Planner, PlannerFactory> plannerFactories_;
};

} // namespace pennywell::ui
