#include "planwords.h"

#include "platform/formats.h"

#include <cmath>

namespace {

using Outcome = PayoffSimulation::Outcome;

// "mony" is how the message has always read; users know it so.
const QString kNeverDecreases = QStringLiteral(
    "The balance will never decrease unless you add extra mony towards paying off your debts.");
const int kYears = PayoffSimulation::kMaxYears;

} // namespace

namespace PlanWords {

QString name(const PayoffMethod* plan)
{
    return plan ? QString::fromUtf8(plan->name) : QStringLiteral("Minimums only");
}

QString leastInterestSaving(const LeastInterest::Found& found)
{
    if (!found.cheapestMethod)
        return {};
    const QString how = found.everyOrderTried ? QStringLiteral("(every order tried)")
                                              : QStringLiteral("(searched)");
    const QString against = name(found.cheapestMethod);
    // In cents, as both totals show.
    const long long saved =
        std::llround(found.cheapestInterest * 100) - std::llround(found.interest * 100);
    if (saved <= 0)
        return QStringLiteral("Least Interest: the same as %1 %2").arg(against, how);
    return QStringLiteral("Least Interest: %1 less interest than %2 %3")
        .arg(Format::currency(static_cast<double>(saved) / 100), against, how);
}

QString noSchedule(Outcome outcome)
{
    switch (outcome) {
    case Outcome::NeverDecreases:
        return kNeverDecreases;
    case Outcome::TooLong:
        return QStringLiteral("These debts would not be paid off within %1 years.").arg(kYears);
    case Outcome::PaidOff:
    case Outcome::Cancelled:
    case Outcome::OverBound:
        break;
    }
    return {};
}

QString status(Outcome outcome, double lastPaydate, int months)
{
    switch (outcome) {
    case Outcome::PaidOff:
        return QStringLiteral("Debt-free in %1, %2 %3")
            .arg(Format::monthYear(lastPaydate))
            .arg(months)
            .arg(months == 1 ? QStringLiteral("month") : QStringLiteral("months"));
    case Outcome::NeverDecreases:
        return QStringLiteral("Never debt-free: the balance does not fall");
    case Outcome::TooLong:
        return QStringLiteral("Never debt-free: it would take more than %1 years").arg(kYears);
    case Outcome::Cancelled:
    case Outcome::OverBound:
        break;
    }
    return {};
}

QString debtFree(const PlanOutcome& plan)
{
    if (plan.paidOff())
        return Format::monthYear(plan.debtFreeOn);
    if (plan.outcome == Outcome::TooLong)
        return QStringLiteral("More than %1 years").arg(kYears);
    return QStringLiteral("Never");
}

QString neverReason(const PlanOutcome& plan)
{
    if (plan.shortfall) {
        const Shortfall& s = *plan.shortfall;
        return QStringLiteral("%1's minimum of %2 does not cover its interest of %3 a month; a "
                              "minimum of %4 would.")
            .arg(s.creditor, Format::currency(s.minimum), Format::currency(s.interest),
                 Format::currency(s.neededMinimum));
    }
    if (plan.paidOff() || plan.outcome == Outcome::TooLong)
        return {};
    return QStringLiteral("The balance does not fall.");
}

} // namespace PlanWords
