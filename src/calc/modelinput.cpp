#include "modelinput.h"

#include "model/debtlist.h"
#include "model/paymentplan.h"
#include "platform/rate.h"

DebtArray debtFiguresOf(const DebtList& debts)
{
    DebtArray figures;
    figures.reserve(static_cast<size_t>(debts.count()));
    for (const Debt& debt : debts)
        figures.push_back({DebtList::lookupKey(debt.creditor), debt.creditor, debt.balance,
                           debt.rate, debt.monthly, debt.startDate});
    return figures;
}

PlanRules planRulesOf(const PaymentPlan& plan)
{
    std::vector<PlanRules::Change> changes;
    changes.reserve(plan.extraMoneyChanges.size());
    for (const PaymentPlan::ExtraMoneyChange& change : plan.extraMoneyChanges)
        changes.push_back({change.month, change.amount, change.once});
    QHash<QString, PlanRules::Promotion> promotions;
    for (const PaymentPlan::Promotion& promotion : plan.promotions)
        promotions.insert(DebtList::lookupKey(promotion.creditor),
                          {Rate::fraction(promotion.ratePercent), promotion.through});
    QStringList order;
    order.reserve(plan.customOrder.size());
    for (const QString& name : plan.customOrder)
        order.append(DebtList::lookupKey(name));
    return PlanRules(std::move(changes), std::move(promotions), std::move(order));
}
