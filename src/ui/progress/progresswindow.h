#pragma once

#include "calc/progress.h"

#include <QDate>
#include <QDialog>
#include <functional>

class Account;
class ProgressChart;
class Prompter;
class QLabel;
class QPushButton;
class QTableWidget;

// Progress: where the user stands against the plan they follow, in words
// (the headline), in figures beside what the plan had for the same months,
// in a chart of the total balance, and debt by debt; and the months of the
// plan that passed without a record, with the way to record the earliest.
class ProgressWindow : public QDialog {
    Q_OBJECT

public:
    // recordMonth opens Record Payments on a month; the window shows the
    // progress again once it returns.
    ProgressWindow(const Account& account, Prompter& prompter, QDate today,
                   std::function<void(YearMonth)> recordMonth, QWidget* parent = nullptr);

    // Works the progress out again from what the account holds now.
    void refresh();
    const Progress& progress() const { return progress_; }

private:
    void createControls();
    void showFigures();
    void showDebts();
    void saveChart();

    const Account& account_;
    Prompter& prompter_;
    QDate today_;
    std::function<void(YearMonth)> recordMonth_;
    Progress progress_;
    QLabel* headline_ = nullptr;
    QTableWidget* figures_ = nullptr;
    ProgressChart* chart_ = nullptr;
    QTableWidget* debts_ = nullptr;
    QLabel* missed_ = nullptr;
    QPushButton* recordMissed_ = nullptr;
};
