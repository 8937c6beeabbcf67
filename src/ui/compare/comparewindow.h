#pragma once

#include "comparisonrunner.h"
#include "debtoutcomemodel.h"
#include "plantablemodel.h"

#include <QDialog>
#include <memory>

class Account;
class Clock;
class PayoffChart;
class Prompter;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// Every plan side by side with paying only the minimums: when each is
// debt-free and what it costs, a chart of the balance falling, each debt's
// payoff under the selected plan, and the extra money it takes to be free by
// a chosen month. The plans are worked out off the window's thread and fill
// in as they are done. The window reads the account and changes it only
// when asked to use the extra money tried here.
class CompareWindow : public QDialog {
    Q_OBJECT

public:
    // Without a runner of its own, the window works on a thread of its own.
    CompareWindow(Account& account, Prompter& prompter, const Clock& clock,
                  const PayoffMethod* chosen, QWidget* parent = nullptr,
                  std::unique_ptr<ComparisonRunner> runner = {});
    ~CompareWindow() override;

    // Copies the plan table to the clipboard as tab-delimited text.
    void copyTable();

private:
    void createControls();
    void extraMoneyEdited(const QString& text);
    void recompute();
    void planDone(const PlanOutcome& outcome);
    void comparisonDone(const std::vector<PlanOutcome>& outcomes);
    void recomputeTargets();
    void showSelectedPlan();
    void useThisAmount();
    void saveChart();
    // Why nothing can be compared, or nothing when the plans can be.
    QString nothingToCompare() const;

    Account& account_;
    Prompter& prompter_;
    const Clock& clock_;
    const PayoffMethod* chosen_;
    double extraMoney_;  // the usable amount last typed
    double comparedFor_; // the amount the table's figures are for
    bool goalChosen_ = false;
    bool targetsAsked_ = false;

    std::unique_ptr<ComparisonRunner> runner_;
    PlanTableModel plans_;
    DebtOutcomeModel debts_;
    QLabel* summary_ = nullptr;
    QLineEdit* extraMoneyBox_ = nullptr;
    QPushButton* useAmount_ = nullptr;
    QDateEdit* debtFreeBy_ = nullptr;
    QTableView* planTable_ = nullptr;
    QLabel* debtsTitle_ = nullptr;
    QTableView* debtTable_ = nullptr;
    PayoffChart* chart_ = nullptr;
    QLabel* done_ = nullptr; // what Copy, Save Chart or Use This Amount did
};
