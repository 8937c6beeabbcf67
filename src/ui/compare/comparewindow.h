#pragma once

#include "debtoutcomemodel.h"
#include "plantablemodel.h"

#include <QDialog>

class Account;
class Clock;
class PayoffChart;
class Prompter;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableView;

// Every plan side by side with paying only the minimums: when each is
// debt-free and what it costs, a chart of the balance falling, each debt's
// payoff under the selected plan, and the extra money it takes to be free by
// a chosen month. It reads the account and changes it only when asked to use
// the extra money tried here.
class CompareWindow : public QDialog {
    Q_OBJECT

public:
    CompareWindow(Account& account, Prompter& prompter, const Clock& clock, Plan chosen,
                  QWidget* parent = nullptr);

    // Copies the plan table to the clipboard as tab-delimited text.
    void copyTable();

private:
    void createControls();
    void extraMoneyEdited(const QString& text);
    void recompute();
    void recomputeTargets();
    void showSelectedPlan();
    void useThisAmount();
    void saveChart();

    Account& account_;
    Prompter& prompter_;
    const Clock& clock_;
    double extraMoney_;

    PlanTableModel plans_;
    DebtOutcomeModel debts_;
    QLabel* summary_ = nullptr;
    QLineEdit* extraMoneyBox_ = nullptr;
    QDateEdit* debtFreeBy_ = nullptr;
    QTableView* planTable_ = nullptr;
    QTableView* debtTable_ = nullptr;
    PayoffChart* chart_ = nullptr;
};
