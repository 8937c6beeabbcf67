#include "pdfsummary.h"

#include "calc/plancomparison.h"
#include "calc/schedule.h"
#include "platform/daydate.h"
#include "platform/formats.h"
#include "ui/common/planwords.h"

namespace {

QStringList changesOf(const PaymentPlan& plan)
{
    QStringList changes;
    for (const PaymentPlan::ExtraMoneyChange& change : plan.extraMoneyChanges) {
        const QString month = Format::monthYear(DayDate::fromDate(change.month.firstDay()));
        const QString amount = (change.amount >= 0 ? QStringLiteral("+") : QString()) +
                               Format::currency(change.amount);
        changes.append(change.once ? QStringLiteral("%1 only: %2").arg(month, amount)
                                   : QStringLiteral("From %1: %2 a month").arg(month, amount));
    }
    return changes;
}

} // namespace

SummaryFacts pdfSummaryOf(const Account::Snapshot& account, const PayoffMethod& method,
                          const Schedule& schedule, const CalculateCommand::Run& run, QDate today)
{
    SummaryFacts facts;
    facts.madeOn = DayDate::fromDate(today);
    facts.method = PlanWords::name(&method);
    facts.extraMoney = run.terms.extraMoney;
    const PaymentPlan& plan = account.plan;
    facts.planChanges = changesOf(plan);
    for (const Debt& debt : account.debts) {
        const PlanRules::Promotion* promotion =
            run.terms.rules.promotionOf(DebtList::lookupKey(debt.creditor));
        facts.debts.push_back(
            {debt.creditor, debt.balance, debt.rate, debt.monthly, debt.startDate,
             promotion
                 ? QStringLiteral("%1 through %2")
                       .arg(Format::percent(promotion->rate),
                            Format::monthYear(DayDate::fromDate(promotion->through.firstDay())))
                 : QString()});
    }
    facts.months = schedule.monthCount();
    facts.debtFreeOn = facts.months > 0 ? schedule.paydate(facts.months - 1) : 0.0;
    facts.totalInterest = run.result.totalInterest;
    facts.totalPayments = run.result.totalPayments;
    const PlanOutcome minimums = PlanComparison::run(run.ordered, nullptr, run.terms);
    if (minimums.paidOff())
        facts.interestSaved = minimums.totalInterest - run.result.totalInterest;
    return facts;
}
