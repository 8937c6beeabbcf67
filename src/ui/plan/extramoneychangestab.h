#pragma once

#include "model/paymentplan.h"

#include <QWidget>
#include <optional>

class Prompter;
class QCheckBox;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QTableWidget;

// The Payment Plan window's changes of the extra money over time: a list of
// the changes, the fields to add, replace or remove one, and the extra money
// the changes give in the coming months. It edits the plan's changes.
class ExtraMoneyChangesTab : public QWidget {
    Q_OBJECT

public:
    // The setting is what the changes add to; firstMonth is the schedule's first.
    ExtraMoneyChangesTab(PaymentPlan& plan, double extraMoney, YearMonth firstMonth,
                         Prompter& prompter, QWidget* parent = nullptr);

private:
    void addChange();
    void replaceChange();
    void removeChange();
    void showChange(int row);
    // The change the fields hold; none, with a message, when the amount is
    // no amount.
    std::optional<PaymentPlan::ExtraMoneyChange> changeEntered();
    // The changes as the table shows them, and the extra money they give.
    void listChanges();

    PaymentPlan& plan_;
    double extraMoney_;
    YearMonth firstMonth_;
    Prompter& prompter_;

    QTableWidget* changes_ = nullptr;
    QDateEdit* month_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QCheckBox* once_ = nullptr;
    QListWidget* preview_ = nullptr;
};
