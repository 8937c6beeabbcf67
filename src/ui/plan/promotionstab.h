#pragma once

#include "model/paymentplan.h"

#include <QWidget>

class DebtList;
class Prompter;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTableWidget;

// The Payment Plan window's promotional rates: a list of them, and the
// fields to set one per debt (a rate from 0 to 100 up to and including a
// month) or remove it. It edits the plan's promotions.
class PromotionsTab : public QWidget {
    Q_OBJECT

public:
    PromotionsTab(PaymentPlan& plan, const DebtList& debts, YearMonth firstMonth,
                  Prompter& prompter, QWidget* parent = nullptr);

private:
    void showPromotion(int row);
    void setPromotion();
    void removePromotion();
    void listPromotions();

    PaymentPlan& plan_;
    Prompter& prompter_;

    QTableWidget* promotions_ = nullptr;
    QComboBox* debt_ = nullptr;
    QLineEdit* rate_ = nullptr;
    QDateEdit* through_ = nullptr;
};
