#pragma once

#include "core/budget/BudgetDocument.h"
#include "core/budget/BudgetEditing.h"
#include "core/budget/BudgetRecord.h"
#include "ui/budget/InRecNum.h"
#include "ui/printing/ReportPrinting.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace pennywell {
struct AppState;
struct BudgetHalfView;
struct BudgetPeriod;
struct BudgetWork;
class BudgetRecovery;
} // namespace pennywell

namespace pennywell::ui {

class HelpPanel;

struct Services;
struct BudgetHalfLayout;
class BudgetGridModel;
class InputBox;

// "Budget": the household budget planner, income on the left and expenses on the right.
class Budget : public QWidget {
    Q_OBJECT
public:
    Budget(AppState& state, Services& services, QWidget* parent = nullptr);

    // Opens a file named outside the window (on the command line) as "&Open File" opens the
    // file chosen in its dialog, on an empty planner.
    void openFileGiven(const QString& path);

    // The desktop session is ending (its commitDataRequest): asks as "E&xit to Menu" does where
    // the session lets the program ask, otherwise brings the recovery copy up to date. False
    // when the user goes back to save, which cancels the session's end.
    bool sessionMayEnd(bool interactionAllowed);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A budget file dragged from a file manager opens as from "&Open File".
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The controls and the committed box values of one side.
    struct Half {
        const BudgetHalfLayout* layout = nullptr;
        QLineEdit* description = nullptr;
        QLineEdit* amount = nullptr;
        QLineEdit* payments = nullptr;
        QLineEdit* budgeted = nullptr;
        InputBox* budgetedBox = nullptr;
        QPushButton* add = nullptr;
        QPushButton* whatIf = nullptr;
        QPushButton* remove = nullptr;
        QPushButton* addChanged = nullptr;
        QTableView* grid = nullptr;
        BudgetGridModel* model = nullptr;
        QLabel* totalsLabel = nullptr;
        QLabel* total = nullptr;
        QLabel* totalBudgeted = nullptr;
        BudgetEntry entry; // this side's three "EntryValues"
    };

    void buildHalf(Half& half, const BudgetHalfLayout& layout);
    void addEntryBoxes(QWidget* frame, Half& half);
    void addGrid(QWidget* frame, Half& half);
    void attachBoxes(Half& half);
    void buildCommonControls();
    void makeResizable();
    void connectHalf(Half& half);

    BudgetTable& tableOf(const Half& half);
    void showHalf(Half& half, const BudgetHalfView& view);
    void clearBoxes(Half& half);
    void setChangeMode(Half& half, bool changing);
    void assignAltH();
    int promptRecordNumber(const Half& half, InRecNum::Purpose purpose);
    // The number of an existing record picked for the purpose; 0 when the table is empty, the
    // prompt is left or no record has the number (each but the prompt's leaving is told).
    int chooseExistingRecord(Half& half, InRecNum::Purpose purpose, const QString& noRecords);
    void message(const QString& text, const QString& title);
    void message(const PlannerMessage& message);

    // Shows the message for a refused edit; true when the edit went through.
    bool editAccepted(BudgetEditOutcome outcome);
    void addRecord(Half& half);
    void whatIf(Half& half);
    void addChangedRecord(Half& half);
    void deleteRecord(Half& half);
    void refresh();
    void nameFigures(const BudgetPeriod& period);
    void chooseListEntry();
    void toggleHelp();

    void saveFile();
    void openFile();
    // Replaces the records with the file's; the message naming the descriptions it shortened,
    // for the caller to show once the records are on screen (empty when none was).
    QString loadFile(const QString& path);
    void printStatement(ReportDestination destination = ReportDestination::Printer);
    std::optional<QString> chooseFile(bool save);
    void rememberFolder(const QString& folder);
    // False when a pending change or the user's answer keeps the records on screen.
    bool readyToReplaceRecords();
    bool userGoesBackToSave();
    void discardWork();

    void watchForRecovery();
    BudgetWork unsavedWork() const;
    void offerRecovery();
    void restoreWork(const BudgetWork& work);
    void startChange(Half& half, int number, const QString& description, const BudgetEntry& entry);

    AppState& state_;
    Services& services_;
    BudgetDocument document_;
    Half income_;
    Half expense_;
    QComboBox* freqPeriod_ = nullptr;
    QComboBox* sortBy_ = nullptr;
    QLabel* netLabel_ = nullptr;
    QLabel* netBalance_ = nullptr;
    QLabel* netBalanceBudgeted_ = nullptr;
    QPushButton* help2_ = nullptr;
    HelpPanel* helpTxt_ = nullptr;

    // The side just edited, whose description box gets the focus; the expense side's without one.
    std::optional<BudgetSide> focusSide_;
    QString currentFolder_;
    BudgetRecovery* recovery_ = nullptr;
};

} // namespace pennywell::ui
