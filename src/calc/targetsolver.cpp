#include "targetsolver.h"

#include "platform/daydate.h"

#include <cmath>

namespace {

class NoSink : public MonthSink {
public:
    void begin(const DebtArray&) override {}
    void appendMonth(double, double, double, const MonthPayments&) override {}
    void discard() override {}
};

// Whether the ordered debts are paid off within this many months with this
// much extra money. The run is cut short once it is past the last month.
bool paysOffWithin(const DebtArray& ordered, const PlanRules& rules, Plan plan, QDate today,
                   int months, double extra, const std::function<bool()>& keepGoing)
{
    NoSink sink;
    int month = 0;
    const auto result = PayoffSimulation::run(
        ordered, extra, today, sink,
        [&](double percentPaid) {
            return (!keepGoing || keepGoing()) && (++month < months || percentPaid >= 100);
        },
        PlanComparison::freedMoneyOf(plan), rules);
    return result.outcome == PayoffSimulation::Outcome::PaidOff && result.months <= months;
}

} // namespace

namespace TargetSolver {

TargetAmount leastExtraMoney(const DebtList& debts, Plan plan, QDate today, QDate month,
                             const PaymentPlan& paymentPlan, const std::function<bool()>& keepGoing)
{
    using Verdict = TargetAmount::Verdict;
    TargetAmount target;
    // The schedule's months: today's day in each following month.
    int months = 0;
    double lastPaydate = DayDate::fromDate(today);
    for (QDate date = today; date.year() * 12 + date.month() < month.year() * 12 + month.month();
         date = DayDate::toDate(lastPaydate)) {
        lastPaydate = DayDate::addMonths(lastPaydate, 1);
        ++months;
    }
    if (months == 0) {
        target.verdict = Verdict::TooSoon;
        return target;
    }
    const DebtArray ordered = PlanComparison::orderFor(debts, plan, paymentPlan);
    const PlanRules rules(paymentPlan, ordered);
    // The debt that starts last names the month too soon, whatever the plan.
    double owed = rules.largestCut();
    for (size_t i = 0; i < ordered.size(); ++i) {
        const DebtRecord& debt = ordered[i];
        if (debt.balance != 0 && debt.startDate > lastPaydate &&
            (target.verdict != Verdict::StartsTooLate || debt.startDate > target.startDate))
            target = {Verdict::StartsTooLate, 0.0, debt.creditor.trimmed(), debt.startDate};
        owed += debt.balance + monthlyInterest(debt.balance, rules.highestRate(i, debt.rate));
    }
    if (target.verdict == Verdict::StartsTooLate)
        return target;
    const auto reaches = [&](qint64 cents) {
        return paysOffWithin(ordered, rules, plan, today, months, static_cast<double>(cents) / 100,
                             keepGoing);
    };
    if (reaches(0)) {
        target.verdict = Verdict::Reached;
        return target;
    }
    if (plan == Plan::MinimumsOnly) {
        target.verdict = Verdict::MinimumsTooSlow;
        return target;
    }
    // All that is owed, with a month's interest at the higher of each debt's
    // rates, and what the changes may cut, clears every started debt in the
    // first month it is paid.
    qint64 high = static_cast<qint64>(std::ceil(owed * 100)) + 1;
    if (!std::isfinite(owed) || !reaches(high))
        return target;
    qint64 low = 0; // does not reach
    while (high - low > 1) {
        const qint64 middle = low + (high - low) / 2;
        (reaches(middle) ? high : low) = middle;
    }
    target.verdict = Verdict::Reached;
    target.extraMoney = static_cast<double>(high) / 100;
    return target;
}

} // namespace TargetSolver
