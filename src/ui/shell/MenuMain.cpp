#include "ui/shell/MenuMain.h"

#include "core/help/ManualPages.h"
#include "core/state/AppState.h"
#include "core/state/MenuTexts.h"
#include "core/state/ProgramName.h"
#include "ui/common/Fonts.h"
#include "ui/common/HelpViewer.h"
#include "ui/common/Messenger.h"
#include "ui/common/ModalLoop.h"
#include "ui/common/Services.h"
#include "ui/common/Twips.h"
#include "ui/common/WindowPlacement.h"
#include "ui/shell/AboutText.h"
#include "ui/shell/ChangeFnt.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace pennywell::ui {
namespace {

QLabel* addPanel(QWidget* parent, const char* name, const QRect& geometry, const QString& colour) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    panel->setStyleSheet(QStringLiteral("background-color: %1;").arg(colour));
    return panel;
}

} // namespace

MenuMain::MenuMain(AppState& state, Services& services) : state_(state), services_(services) {
    setObjectName(QStringLiteral("MenuMain"));
    setWindowTitle(ProgramName);
    setAccessibleDescription(menu_texts::WindowDescription);
    placeAsMainWindow(this);

    addPanel(this, "Label3", twipsRect(1800, 120, 6025, 855), QStringLiteral("#1f4e79"));
    addPanel(this, "Label4", twipsRect(3180, 1000, 3180, 4550), QStringLiteral("#dbe5f1"));

    auto* title = new QLabel(ProgramName, this);
    title->setObjectName(QStringLiteral("Label2"));
    title->setFont(titleFont());
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: white;"));
    title->setGeometry(twipsRect(2020, 225, 5585, 645));

    plannerButtons_[Planner::Budget] = addButton("ToBudget", menu_texts::BudgetCaption, 1100);
    plannerButtons_[Planner::Savings] = addButton("Savings", menu_texts::SavingsCaption, 1650);
    plannerButtons_[Planner::Loans] = addButton("LoanPmt", menu_texts::LoansCaption, 2200);
    plannerButtons_[Planner::Mortgage] = addButton("Canadian", menu_texts::MortgageCaption, 2750);
    QPushButton* howTo = addButton("HowTo", menu_texts::HowToCaption, 3300);
    QPushButton* about = addButton("About", menu_texts::AboutCaption, 3850);
    QPushButton* settings = addButton("PTrFnt", menu_texts::SettingsCaption, 4400);
    QPushButton* exit = addButton("ExitButten", menu_texts::ExitCaption, 4950);

    for (const auto& [planner, button] : plannerButtons_) {
        button->setEnabled(false);
        connect(button, &QPushButton::clicked, this,
                [this, planner = planner] { openPlanner(planner); });
    }
    connect(howTo, &QPushButton::clicked, this,
            [this] { services_.helpViewer.showPage(help::ContentsPage); });
    connect(about, &QPushButton::clicked, this, &MenuMain::showAbout);
    connect(settings, &QPushButton::clicked, this, &MenuMain::openSettings);
    connect(exit, &QPushButton::clicked, this, &MenuMain::exitRequested);

    myName_ = new QLabel(this);
    myName_->setObjectName(QStringLiteral("MyName"));
    myName_->move(fromTwips(4725), fromTwips(6000));
    myName_->hide();
}

QPushButton* MenuMain::addButton(const char* name, const QString& caption, int top) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(twipsRect(3420, top, 2700, 450));
    return button;
}

void MenuMain::setPlannerFactory(Planner planner, PlannerFactory factory) {
    plannerFactories_[planner] = std::move(factory);
    plannerButtons_.at(planner)->setEnabled(true);
}

void MenuMain::showUserName() {
    if (state_.settings.UserName.isEmpty()) {
        myName_->hide();
        return;
    }
    myName_->setText(state_.settings.UserName);
    myName_->adjustSize();
    myName_->show();
}

QWidget* MenuMain::openPlanner(Planner planner) {
    const auto factory = plannerFactories_.find(planner);
    if (factory == plannerFactories_.end())
        return nullptr;
    if (planner == Planner::Savings)
        state_.ScreenMode = PlannerView::SavingsGrowth;
    else if (planner == Planner::Loans)
        state_.PlanKind = LoanPlan;
    else if (planner == Planner::Mortgage)
        state_.PlanKind = MortgagePlan;

    hide();
    QWidget* window = factory->second();
    window->setAttribute(Qt::WA_DeleteOnClose);
    placeAsMainWindow(window);
    connect(window, &QObject::destroyed, this, &QWidget::show);
    window->show();
    return window;
}

void MenuMain::openSettings() {
    hide();
    ChangeFnt settings(state_, this);
    ModalLoop::exec(settings);
    showUserName();
    show();
}

void MenuMain::showAbout() {
    services_.messenger.show(this, Message{aboutText(), u' ' + ProgramName, MessageButtons::Ok,
                                           MessageIcon::Information});
}

void MenuMain::closeEvent(QCloseEvent* event) {
    // Closing the menu by its title bar ends the program, as its Exit button does.
    event->ignore();
    emit exitRequested();
}

} // namespace pennywell::ui
