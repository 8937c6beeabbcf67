#pragma once

#include "calc/plancomparison.h"
#include "calc/schedule.h"
#include "debtcommands.h"
#include "debtlistmodel.h"
#include "model/account.h"
#include "report/scheduletext.h"
#include "schedulecalculation.h"
#include "schedulemodel.h"

#include <QMainWindow>
#include <optional>

class ClientArea;
class Clock;
class DebtMenu;
class MainMenuBar;
class MainStatusBar;
class Prompter;

// The main window: the client area as designed (the debt list with its
// priority chooser and totals above, the schedule grid below, the four
// commands), with a menu bar and a status bar around it. It wires the
// controls to the jobs they start: the calculation, the debt commands, and
// printing and export.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Account& account, Prompter& prompter, const Clock& clock, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: prepares the grids, shows the window with
    // "Loading..." and loads the account.
    void load();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void prepareDebtGrid();
    void createDebtMenu();
    void connectCommands();
    void initializeGrids();

    // Which commands can run now: none while busy; Calculate when there are
    // debts; Print and Export when there are debts and a schedule to show.
    void updateCommands();
    // The debt list changed: its total, the current row and the commands follow.
    void debtsChanged();
    // The status bar's extra money, and whether the schedule is out of date.
    void updateStatus();
    Plan chosenPlan() const;

    void calculate();
    void showOutcome(const PayoffSimulation::Result& result);
    void printSchedule();
    void printWithDialog();
    void exportSchedule();
    void exportPdf();

    // Opens the debt menu for the grid row at this height of the debt
    // grid's viewport (above the rows: the header; below: the white space).
    void openDebtMenu(const QPoint& viewportPosition);
    // The debt grid's own keys: Insert adds, Enter and F2 edit, Delete
    // deletes, Shift+F10 opens the menu. True when the key was one of them.
    bool debtGridKey(int key, Qt::KeyboardModifiers modifiers);
    bool isBusy() const;
    bool hasDebts() const;
    QString currentDebtKey() const;
    // Runs a command that changes the account, unless busy.
    void change(void (DebtCommands::*command)());
    void changeCurrent(void (DebtCommands::*command)(const QString& key));
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
    // What the schedule on screen was calculated from, to tell when it no
    // longer shows what the account holds.
    struct Calculated {
        Account::Snapshot account;
        Plan plan;
    };
    std::optional<Calculated> calculatedFrom_;

    ClientArea* client_ = nullptr;
    MainMenuBar* menus_ = nullptr;
    MainStatusBar* status_ = nullptr;
    DebtMenu* debtMenu_ = nullptr;
};
