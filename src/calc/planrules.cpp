#include "planrules.h"

#include "model/debtlist.h"

#include <QHash>
#include <algorithm>

PlanRules::PlanRules(const PaymentPlan& plan, const DebtArray& debts)
    : changes_(plan.extraMoneyChanges)
{
    if (plan.promotions.empty())
        return;
    // Each debt's promotion found by its key once, not per debt and promotion.
    QHash<QString, const PaymentPlan::Promotion*> byKey;
    for (const PaymentPlan::Promotion& promotion : plan.promotions)
        byKey.insert(DebtList::lookupKey(promotion.creditor), &promotion);
    promotions_.resize(debts.size());
    for (size_t i = 0; i < debts.size(); ++i) {
        if (const PaymentPlan::Promotion* promotion =
                byKey.value(DebtList::lookupKey(debts[i].creditor)))
            promotions_[i] = {true, promotion->ratePercent / 100, promotion->through.index()};
    }
}

double PlanRules::extraMoney(double setting, YearMonth month) const
{
    double extra = setting;
    bool inForce = false;
    for (const PaymentPlan::ExtraMoneyChange& change : changes_) {
        if (change.once ? change.month == month : change.month <= month) {
            extra += change.amount;
            inForce = true;
        }
    }
    return inForce ? std::max(extra, 0.0) : extra;
}

double PlanRules::highestRate(size_t debt, double ownRate) const
{
    if (promotions_.empty() || !promotions_[debt].has)
        return ownRate;
    return std::max(ownRate, promotions_[debt].rate);
}

bool PlanRules::plansNoProgress(YearMonth month) const
{
    return std::any_of(changes_.begin(), changes_.end(), [month](const auto& change) {
        return (change.once && change.month == month) || month < change.month;
    });
}

double PlanRules::largestCut() const
{
    double cut = 0.0;
    for (const PaymentPlan::ExtraMoneyChange& change : changes_)
        cut += std::max(-change.amount, 0.0);
    return cut;
}
