#pragma once

#include "calc/debtarray.h"
#include "calc/scheduletable.h"
#include "debtlistmodel.h"
#include "schedulemodel.h"

#include <QElapsedTimer>
#include <QWidget>

class Account;
class Clock;
class DebtMenu;
class Prompter;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class ScheduleGrid;

// The main window: the debt list with its priority chooser and totals above,
// the schedule grid below, and the four commands.
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
    void placeControls();
    void initializeGrids();
    void applyLayout();

    // Lists the account's debts in collection order with their total.
    void listDebts();
    // Lists the working array in its priority order.
    void listInPriorityOrder(const DebtArray& debts);
    void showDebtRows(std::vector<Debt> rows);
    void setCommandsForDebtCount();

    void calculate();
    void analyze(DebtArray& debts);
    void printSchedule();
    void exportSchedule();
    // Runs a print or an export with the three commands disabled.
    void withCommandsDisabled(void (MainWindow::*report)());
    void printReport();
    void exportReport();

    // Opens the debt menu for the grid row at this height of the debt
    // grid's viewport (above the rows: the header; below: the white space).
    void openDebtMenu(const QPoint& viewportPosition);
    bool isBusy() const;
    QString currentDebtKey() const;
    void addDebt();
    void editDebt();
    void deleteDebt();
    void askExtraMoney();
    void comparePlans();
    void showAbout();

    Account& account_;
    Prompter& prompter_;
    const Clock& clock_;

    DebtListModel debtList_;
    ScheduleTable schedule_;
    ScheduleModel scheduleModel_;

    QTableView* debtGrid_ = nullptr;
    QLabel* hintLabel_ = nullptr;
    QGroupBox* methodFrame_ = nullptr;
    QComboBox* methodChooser_ = nullptr;
    QGroupBox* totalsFrame_ = nullptr;
    QLabel* totalBalanceLabel_ = nullptr;
    QLabel* totalInterestLabel_ = nullptr;
    QLabel* totalPaymentsLabel_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* busyIndicator_ = nullptr;
    ScheduleGrid* scheduleGrid_ = nullptr;
    DebtMenu* debtMenu_ = nullptr;

    bool calculating_ = false;
    // When the window last had the chance to repaint during a calculation.
    QElapsedTimer sinceRepaint_;
    // Set when the window is closed while a calculation runs: the run stops
    // at its next month, before anything it uses goes away.
    bool closeRequested_ = false;
};
