#pragma once

#include "debtarray.h"
#include "model/paymentplan.h"

#include <vector>

// What a payment plan means for each month of a run: the extra money in
// force, each debt's rate, and whether a month that lowers no balance was
// planned. With an empty plan every answer is the one without a plan.
class PlanRules {
public:
    PlanRules() = default;
    // The plan for the debts of a run, in the array's order.
    PlanRules(const PaymentPlan& plan, const DebtArray& debts);

    // The month's extra money: the setting plus every change from this month
    // or an earlier one on, plus the once amounts of this month; never below
    // 0 in a month where any change is in force.
    double extraMoney(double setting, YearMonth month) const;
    // The annual rate of the debt at this position in a month.
    double rate(size_t debt, double ownRate, YearMonth month) const
    {
        if (promotions_.empty() || !promotions_[debt].has)
            return ownRate;
        return month.index() <= promotions_[debt].through ? promotions_[debt].rate : ownRate;
    }
    bool hasPromotions() const { return !promotions_.empty(); }
    // Whether the plan has anything to say about any month.
    bool isEmpty() const { return changes_.empty() && promotions_.empty(); }
    // The higher of the debt's rate and its promotional one.
    double highestRate(size_t debt, double ownRate) const;
    // A month that lowers no balance is planned when it has a once amount, or
    // while a change lies in a later month: a pause is not "never".
    bool plansNoProgress(YearMonth month) const;
    // How far the changes can lower the setting, at most, in a month.
    double largestCut() const;

private:
    struct Promotion {
        bool has = false;
        double rate = 0.0; // a fraction
        int through = 0;   // YearMonth::index()
    };

    std::vector<PaymentPlan::ExtraMoneyChange> changes_;
    std::vector<Promotion> promotions_; // one per debt, or none at all
};
