#pragma once

#include "debtfigures.h"
#include "platform/yearmonth.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// What the user's payment plan means for a run, in calc's own figures: the
// extra money in force each month, each debt's rate, whether a month that
// lowers no balance was planned, and the user's own order of payment. Debts
// are named by their key (DebtFigures::key). With no plan every answer is the
// one without a plan.
class PlanRules {
public:
    struct Change {
        YearMonth month;
        double amount = 0.0; // added to the setting
        bool once = false;   // in that month only, or from it on
    };
    struct Promotion {
        double rate = 0.0; // a fraction, in force up to and including `through`
        YearMonth through;
    };

    PlanRules() = default;
    PlanRules(std::vector<Change> changes, QHash<QString, Promotion> promotions,
              QStringList customOrder);

    // The month's extra money: the setting plus every change from this month
    // or an earlier one on, plus the once amounts of this month; never below
    // 0 in a month where any change is in force.
    double extraMoney(double setting, YearMonth month) const;
    bool hasPromotions() const { return !promotions_.isEmpty(); }
    // The debt's promotion, if the plan gives it one.
    const Promotion* promotionOf(const DebtFigures& debt) const { return promotionOf(debt.key); }
    // The same by the debt's key (DebtFigures::key).
    const Promotion* promotionOf(const QString& key) const;
    // The debt's annual rate in a month.
    double rateIn(const DebtFigures& debt, YearMonth month) const;
    // The higher of the debt's rate and its promotional one.
    double highestRate(const DebtFigures& debt) const;
    // Whether the plan has anything to say about any month.
    bool isEmpty() const { return changes_.empty() && promotions_.isEmpty(); }
    // A month that lowers no balance is planned when it has a once amount, or
    // while a change lies in a later month: a pause is not "never".
    bool plansNoProgress(YearMonth month) const;
    // How far the changes can lower the setting, at most, in a month.
    double largestCut() const;
    // The keys of the debts in the user's order; it may name debts that are gone.
    const QStringList& customOrder() const { return customOrder_; }

private:
    std::vector<Change> changes_;
    QHash<QString, Promotion> promotions_; // by key
    QStringList customOrder_;
};
