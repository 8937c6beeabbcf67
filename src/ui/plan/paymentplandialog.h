#pragma once

#include "model/paymentplan.h"

#include <QDate>
#include <QDialog>

class DebtList;
class Prompter;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QListWidget;
class QTableWidget;

// The plan beyond the extra money setting, in three parts, each usable by
// mouse and by keyboard alone: changes of the extra money over time, with
// the extra money they give in the coming months; promotional rates; and
// the user's own order of payment. An entry that is not sound is refused
// with a message and stays for correction; OK hands back the plan, Cancel
// nothing.
class PaymentPlanDialog : public QDialog {
    Q_OBJECT

public:
    PaymentPlanDialog(const PaymentPlan& plan, const DebtList& debts, double extraMoney,
                      QDate today, Prompter& prompter, QWidget* parent = nullptr);

    PaymentPlan plan() const;

private:
    QWidget* createChangesPart();
    QWidget* createPromotionsPart();
    QWidget* createOrderPart();

    void addChange();
    void replaceChange();
    void removeChange();
    void showChange(int row);
    std::optional<PaymentPlan::ExtraMoneyChange> changeEntered();
    void listChanges();

    void setPromotion();
    void removePromotion();
    void listPromotions();

    void moveInOrder(int step);

    YearMonth firstMonth() const;

    PaymentPlan plan_;
    const DebtList& debts_;
    double extraMoney_;
    QDate today_;
    Prompter& prompter_;

    QTableWidget* changes_ = nullptr;
    QDateEdit* changeMonth_ = nullptr;
    QLineEdit* changeAmount_ = nullptr;
    QCheckBox* changeOnce_ = nullptr;
    QListWidget* preview_ = nullptr;
    QTableWidget* promotions_ = nullptr;
    QComboBox* promotionDebt_ = nullptr;
    QLineEdit* promotionRate_ = nullptr;
    QDateEdit* promotionThrough_ = nullptr;
    QListWidget* order_ = nullptr;
};
