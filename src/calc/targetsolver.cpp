#include "targetsolver.h"

#include "paydates.h"

#include <cmath>

namespace {

// Whether the ordered debts are paid off within this many months with this
// much extra money. The run is cut short once it is past the last month.
bool paysOffWithin(const DebtArray& ordered, const PayoffMethod* plan, PayoffTerms& terms,
                   int months, double extra, const PlanComparison::KeepGoing& keepGoing)
{
    NoSink sink;
    int month = 0;
    terms.extraMoney = extra;
    PayoffSimulation::Options options;
    options.freed = PlanComparison::freedMoneyOf(plan);
    options.progress = [&](double percentPaid) {
        return (!keepGoing || keepGoing()) && (++month < months || percentPaid >= 100);
    };
    const auto result = PayoffSimulation::run(ordered, terms, sink, options);
    return result.outcome == PayoffSimulation::Outcome::PaidOff && result.months <= months;
}

} // namespace

namespace TargetSolver {

TargetAmount leastExtraMoney(const DebtArray& debts, const PayoffMethod* plan,
                             const PayoffTerms& terms, YearMonth month,
                             const PlanComparison::KeepGoing& keepGoing)
{
    using Verdict = TargetAmount::Verdict;
    TargetAmount target;
    // Halving needs one order whose length only falls as the amount grows.
    if (plan && plan->searchesOrders) {
        target.verdict = Verdict::NotWorkedOut;
        return target;
    }
    // The schedule's payments up to the end of the month.
    int months = 0;
    double lastPaydate = 0.0;
    for (double paydate = terms.firstPaydate;; paydate = Paydates::next(paydate)) {
        const std::optional<YearMonth> paid = YearMonth::of(paydate);
        if (!paid || month < *paid)
            break;
        lastPaydate = paydate;
        ++months;
    }
    if (months == 0) {
        target.verdict = Verdict::TooSoon;
        return target;
    }
    const DebtArray ordered = PlanComparison::orderFor(debts, plan, terms);
    const PlanRules& rules = terms.rules;
    // The debt that starts last names the month too soon, whatever the plan.
    double owed = rules.largestCut();
    for (const DebtFigures& debt : ordered) {
        if (debt.balance != 0 && debt.start > lastPaydate &&
            (target.verdict != Verdict::StartsTooLate || debt.start > target.startDate))
            target = {Verdict::StartsTooLate, 0.0, debt.name.trimmed(), debt.start};
        owed += debt.balance + monthlyInterest(debt.balance, rules.highestRate(debt));
    }
    if (target.verdict == Verdict::StartsTooLate)
        return target;
    PayoffTerms tried = terms;
    const auto reaches = [&](qint64 cents) {
        return paysOffWithin(ordered, plan, tried, months, static_cast<double>(cents) / 100,
                             keepGoing);
    };
    if (reaches(0)) {
        target.verdict = Verdict::Reached;
        return target;
    }
    if (!plan) {
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
