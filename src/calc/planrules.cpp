#include "planrules.h"

#include <algorithm>

PlanRules::PlanRules(std::vector<Change> changes, QHash<QString, Promotion> promotions,
                     QStringList customOrder)
    : changes_(std::move(changes)), promotions_(std::move(promotions)),
      customOrder_(std::move(customOrder))
{
}

double PlanRules::extraMoney(double setting, YearMonth month) const
{
    double extra = setting;
    bool inForce = false;
    for (const Change& change : changes_) {
        if (change.once ? change.month == month : change.month <= month) {
            extra += change.amount;
            inForce = true;
        }
    }
    return inForce ? std::max(extra, 0.0) : extra;
}

const PlanRules::Promotion* PlanRules::promotionOf(const QString& key) const
{
    const auto found = promotions_.constFind(key);
    return found == promotions_.cend() ? nullptr : &found.value();
}

double PlanRules::rateIn(const DebtFigures& debt, YearMonth month) const
{
    const Promotion* promotion = promotionOf(debt);
    return promotion && month <= promotion->through ? promotion->rate : debt.rate;
}

double PlanRules::highestRate(const DebtFigures& debt) const
{
    const Promotion* promotion = promotionOf(debt);
    return promotion ? std::max(debt.rate, promotion->rate) : debt.rate;
}

bool PlanRules::plansNoProgress(YearMonth month) const
{
    return std::any_of(changes_.begin(), changes_.end(), [month](const Change& change) {
        return (change.once && change.month == month) || month < change.month;
    });
}

double PlanRules::largestCut() const
{
    double cut = 0.0;
    for (const Change& change : changes_)
        cut += std::max(-change.amount, 0.0);
    return cut;
}
