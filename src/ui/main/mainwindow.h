#pragma once

#include "calc/plancomparison.h"
#include "calc/schedule.h"
#include "debtcommands.h"
#include "debtlistmodel.h"
#include "report/scheduletext.h"
#include "schedulecalculation.h"
#include "schedulemodel.h"

#include <QWidget>

class Account;
class BusyIndicator;
class Clock;
class DebtMenu;
class Prompter;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class ScheduleGrid;
class TotalLabel;

// The main window: the debt list with its priority chooser and totals above,
// the schedule grid below, and the four commands. It lays the controls out
// and wires them to the jobs they start: the calculation, the debt
// commands, and printing and export.
class MainWindow : public QWidget {
    Q_OBJECT

public:
    MainWindow(Account& account, Prompter& prompter, const Clock& clock, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: prepares the grids, shows the window with
    // "Loading..." and loads the account.
    void load();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void createDebtGrid();
    void createMenu();
    void placeControls();
    void initializeGrids();
    void applyLayout();

    // Which commands can run now: none while busy; Calculate when there are
    // debts; Print and Export when there are debts and a schedule to show.
    void updateCommands();
    // The debt list changed: its total, the current row and the commands follow.
    void debtsChanged();
    Plan chosenPlan() const;

    void calculate();
    void showOutcome(const PayoffSimulation::Result& result);
    void printSchedule();
    void exportSchedule();

    // Opens the debt menu for the grid row at this height of the debt
    // grid's viewport (above the rows: the header; below: the white space).
    void openDebtMenu(const QPoint& viewportPosition);
    bool isBusy() const;
    QString currentDebtKey() const;
    void comparePlans();
    void editPlan();
    void showAbout();

    Account& account_;
    Prompter& prompter_;
    const Clock& clock_;

    DebtListModel debtList_;
    Schedule schedule_;
    ScheduleText scheduleText_;
    ScheduleModel scheduleModel_;
    ScheduleCalculation calculation_;
    DebtCommands debtCommands_;
    // Print and Export need a schedule with months, made while there were
    // debts: it is cleared when the last debt goes, as the commands are.
    bool schedulePrintable_ = false;

    QTableView* debtGrid_ = nullptr;
    QLabel* hintLabel_ = nullptr;
    QGroupBox* methodFrame_ = nullptr;
    QComboBox* methodChooser_ = nullptr;
    QGroupBox* totalsFrame_ = nullptr;
    TotalLabel* totalBalanceLabel_ = nullptr;
    TotalLabel* totalInterestLabel_ = nullptr;
    TotalLabel* totalPaymentsLabel_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    BusyIndicator* busyIndicator_ = nullptr;
    ScheduleGrid* scheduleGrid_ = nullptr;
    DebtMenu* debtMenu_ = nullptr;
};
