#pragma once

#include "calc/payoffmethod.h"
#include "calc/schedule.h"
#include "calculatecommand.h"
#include "debtcommands.h"
#include "debtlistmodel.h"
#include "model/account.h"
#include "report/scheduletext.h"
#include "schedulemodel.h"
#include "trackingcommands.h"

#include <QMainWindow>
#include <optional>

class ClientArea;
class Clock;
class DebtGridControl;
class DebtMenu;
class MainMenuBar;
class MainStatusBar;
class Prompter;

// The main window: the client area as designed (the debt list with its
// priority chooser and totals above, the schedule grid below, the four
// commands), with a menu bar and a status bar around it. It wires the
// controls to the jobs they start (the calculation, the debt commands,
// printing and export) and alone decides which commands can run.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    MainWindow(Account& account, Prompter& prompter, const Clock& clock, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence: prepares the grids, shows the window with
    // "Loading..." and loads the account.
    void load();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
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
    // Whether the schedule on screen no longer shows what the account holds
    // by the chosen method.
    bool scheduleIsStale() const;
    const PayoffMethod& chosenMethod() const;
    // Whether the schedule on screen is current and of an order found by search.
    bool showsFoundOrder() const;

    void calculate();
    void printSchedule();
    void printWithDialog();
    void exportSchedule();
    void exportPdf();

    bool isBusy() const;
    bool hasDebts() const;
    // Runs a command that changes the account, unless busy.
    void change(void (DebtCommands::*command)());
    void changeCurrent(void (DebtCommands::*command)(const QString& key));
    void comparePlans();
    // Makes the order the search found the plan's custom order.
    void useFoundOrder();
    void editPlan();
    void showAbout();
    // The payment history's commands, unless busy.
    void followPlan();
    void track(void (TrackingCommands::*command)());
    // The chosen method, kept for the next start.
    void methodChosen();

    Account& account_;
    Prompter& prompter_;
    const Clock& clock_;

    DebtListModel debtList_;
    Schedule schedule_;
    ScheduleText scheduleText_;
    ScheduleModel scheduleModel_;
    DebtCommands debtCommands_;
    TrackingCommands trackingCommands_;
    // Print and Export need a schedule with months, made while there were
    // debts: it is cleared when the last debt goes, as the commands are.
    bool schedulePrintable_ = false;
    // What the schedule on screen was calculated from, to tell when it no
    // longer shows what the account holds.
    struct Calculated {
        Account::Snapshot account;
        const PayoffMethod* method;
    };
    std::optional<Calculated> calculatedFrom_;

    ClientArea* client_ = nullptr;
    MainMenuBar* menus_ = nullptr;
    MainStatusBar* status_ = nullptr;
    DebtMenu* debtMenu_ = nullptr;
    DebtGridControl* debtGrid_ = nullptr;
    CalculateCommand* calculateCommand_ = nullptr;
};
