#pragma once

#include "model/paymentplan.h"

#include <QDate>
#include <QDialog>

class CustomOrderTab;
class DebtList;
class Prompter;

// The plan beyond the extra money setting, in three parts, each its own tab
// and usable by mouse and by keyboard alone: changes of the extra money over
// time, promotional rates, and the user's own order of payment. An entry that
// is not sound is refused with a message and stays for correction; OK hands
// back the plan, Cancel nothing.
class PaymentPlanDialog : public QDialog {
    Q_OBJECT

public:
    PaymentPlanDialog(const PaymentPlan& plan, const DebtList& debts, double extraMoney,
                      QDate today, Prompter& prompter, QWidget* parent = nullptr);

    PaymentPlan plan() const;

private:
    // What the changes and promotions tabs edit in place.
    PaymentPlan plan_;
    CustomOrderTab* order_ = nullptr;
};
