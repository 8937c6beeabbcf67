#pragma once

#include "plancomparison.h"

#include <QDate>
#include <QString>
#include <functional>

// The least extra money per month with which a plan is debt-free by the end
// of a chosen month, or why no amount can do it.
struct TargetAmount {
    enum class Verdict {
        Reached,         // extraMoney is the least amount, to the cent
        TooSoon,         // no payment falls in or before that month
        StartsTooLate,   // creditor's debt starts after that month's payment
        MinimumsTooSlow, // the minimums-only plan takes no extra money
        NoAmount,        // not even all the money owed at once would do
        NotWorkedOut,    // the plan searches its order anew for every amount
    };
    Verdict verdict = Verdict::NoAmount;
    double extraMoney = 0.0;
    QString creditor;
    double startDate = 0.0;
};

namespace TargetSolver {

// Searches the extra money setting in cents over the same runs as the
// comparison (the terms' own setting aside), the plan's changes held as they
// are: more extra money never makes a plan longer, so the least amount that
// reaches the month is found by halving.
TargetAmount leastExtraMoney(const DebtArray& debts, const PayoffMethod* plan,
                             const PayoffTerms& terms, YearMonth month,
                             const PlanComparison::KeepGoing& keepGoing = {});

} // namespace TargetSolver
