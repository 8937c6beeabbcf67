#pragma once

#include "calc/debtarray.h"
#include "calc/scheduletable.h"
#include "debtlistmodel.h"
#include "schedulemodel.h"

#include <QElapsedTimer>
#include <QWidget>

class clsAccount;
class Clock;
class Prompter;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;
class DebtMenu;
class ScheduleGrid;

// The main window: the debt list with its priority chooser and totals above,
// the schedule grid below, and the four commands.
class frmMain : public QWidget {
    Q_OBJECT

public:
    frmMain(clsAccount& account, Prompter& prompter, const Clock& clock, QWidget* parent = nullptr);
    ~frmMain() override;

    // The start-up sequence: prepares the grids, shows the window with
    // "Loading..." and loads the account.
    void Form_Load();
    void InitializeFlexArray();
    // Lists the account's debts in collection order with their total.
    void ListDebts();

    // Lists the working array in its priority order.
    void ListArray(const DebtArray& debts);

    const ScheduleTable& schedule() const { return schedule_; }
    DebtMenu& debtMenu() const { return *mnupopup_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createControls();
    void placeControls();
    void Form_Resize();
    void cmdCalculate_Click();
    void cmdprint_Click();
    void cmdexport_Click();
    void PrintReport();
    void ExportReport();
    // Runs a print or an export with the three commands disabled.
    void withCommandsDisabled(void (frmMain::*report)());
    // Opens the debt grid's menu for a grid row (0 is the header row, a row
    // past the last stands for the white space below the rows).
    void fa_MouseDown(int gridRow, const QPoint& globalPosition);
    QString currentDebtKey() const;
    void mnupopadd_Click();
    void mnupopedit_Click();
    // Opens the entry dialog (empty key: a new debt); saves and relists on OK.
    void enterDebt(const QString& key);
    void mnupopdelete_Click();
    void mnutoolsexcessfunds_Click();
    void mnupopabout_Click();
    void Analyze(DebtArray& debts);
    bool showProgress(double percentPaid);
    void showDebtRows(std::vector<DebtListModel::Row> rows);
    void setCommandsForDebtCount();

    clsAccount& account_;
    Prompter& prompter_;
    const Clock& clock_;

    DebtListModel debtList_;
    ScheduleTable schedule_;
    ScheduleModel scheduleModel_;

    QTableView* fa_ = nullptr;
    QLabel* label2_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    QComboBox* cbomethod_ = nullptr;
    QGroupBox* frame2_ = nullptr;
    QLabel* lbltotal_ = nullptr;
    QLabel* lblinterest_ = nullptr;
    QLabel* lblpayments_ = nullptr;
    QPushButton* cmdexit_ = nullptr;
    QPushButton* cmdCalculate_ = nullptr;
    QPushButton* cmdexport_ = nullptr;
    QPushButton* cmdprint_ = nullptr;
    QPushButton* cmdmess_ = nullptr;
    ScheduleGrid* fav_ = nullptr;
    DebtMenu* mnupopup_ = nullptr;

    bool calculating_ = false;
    // When the window last had the chance to repaint during a calculation.
    QElapsedTimer sinceRepaint_;
    // Set when the window is closed while a calculation runs: the run stops
    // at its next month, before anything it uses goes away.
    bool closeRequested_ = false;
};
