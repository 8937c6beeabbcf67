#include "modelinput.h"

#include "model/debtlist.h"
#include "model/history.h"
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

FollowedFigures followedFiguresOf(const FollowedPlan& plan)
{
    FollowedFigures figures;
    figures.method = plan.method;
    figures.firstPaydate = plan.firstPaydate;
    for (const PlannedDebt& debt : plan.debts) {
        figures.keys.push_back(debt.key);
        figures.names.push_back(debt.name);
        figures.startBalances.push_back(debt.startBalance);
    }
    for (const PlannedMonth& month : plan.months) {
        figures.months.push_back(month.month);
        figures.paydates.push_back(month.paydate);
        auto& debts = figures.planned.emplace_back();
        debts.reserve(month.debts.size());
        for (const PlannedPayment& payment : month.debts)
            debts.push_back({payment.payment, payment.interest, payment.balance});
    }
    return figures;
}

std::vector<MonthRecordFigures> recordFiguresOf(const std::vector<RecordedMonth>& months)
{
    std::vector<MonthRecordFigures> figures;
    figures.reserve(months.size());
    for (const RecordedMonth& month : months) {
        MonthRecordFigures& record = figures.emplace_back();
        record.month = month.month;
        record.debts.reserve(month.payments.size());
        for (const RecordedPayment& p : month.payments)
            record.debts.push_back(
                {p.key, p.name, p.balanceBefore, p.planned, p.paid, p.balanceAfter});
    }
    return figures;
}
