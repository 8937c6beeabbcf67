#pragma once

#include "model/paymentplan.h"

#include <QWidget>

class DebtList;
class QListWidget;

// The Payment Plan window's own order of payment: the debts in the plan's
// custom order (those it does not name after them), moved by drag and drop,
// by Move Up and Move Down, or with Ctrl and the arrows in the list.
class CustomOrderTab : public QWidget {
    Q_OBJECT

public:
    CustomOrderTab(const PaymentPlan& plan, const DebtList& debts, QWidget* parent = nullptr);

    // The order shown, into the plan; entries of its order that name no
    // current debt are kept after it as they are. An order as it was shown
    // at first leaves the plan's as it is: the window writes nothing that
    // the user did not change.
    void writeTo(PaymentPlan& plan) const;

private:
    void move(int step);
    QStringList shownOrder() const;

    const DebtList& debts_;
    QListWidget* order_ = nullptr;
    QStringList shownAtFirst_;
};
