#pragma once

#include "debtfigures.h"
#include "followedfigures.h"
#include "payoffterms.h"

#include <QDate>
#include <vector>

// One debt's progress against the followed plan.
struct DebtProgress {
    QString key;
    QString name;
    bool inPlan = true;           // false: added after the plan was followed
    bool inList = true;           // false: deleted since
    double plannedPayoff = 0.0;   // the paydate of its planned last payment; 0: owed nothing
    double paidOffOn = 0.0;       // the paydate of the record that brought it to nothing
    double projectedPayoff = 0.0; // in the projection at this pace; 0: never, or not in it
    double paid = 0.0;            // so far
    double interest = 0.0;        // and charges, so far
};

// Where the user stands against the plan they follow, from what they
// recorded. Records of months before the plan's first month belong to an
// earlier plan and count for nothing here but the balances they leave.
//
// "At this pace" is the schedule worked out from the latest recorded
// balances (a debt never recorded: its balance in the list) of the debts in
// the list, by the plan's method and the current extra money and payment
// plan, its first paydate the one after the latest recorded month's. The
// plan's debt-free month is set against its debt-free month for the plan's
// own debts: a debt added since is in the projection but not in the
// comparison.
struct Progress {
    enum class Standing { NothingRecorded, AllPaidOff, Never, Ahead, OnPlan, Behind };
    Standing standing = Standing::NothingRecorded;
    int months = 0;          // ahead or behind by
    double planEnd = 0.0;    // the paydate of the plan's last month
    double reachedEnd = 0.0; // the paydate of the month all is paid off (or projected to be)

    // Over the recorded months of the plan, and what the plan had for the same months.
    double paid = 0.0;
    double plannedPaid = 0.0;
    double interest = 0.0; // and charges
    double plannedInterest = 0.0;
    double shareOff = 0.0; // of the plan's starting total, 0 to 1
    double plannedShareOff = 0.0;

    // The total balance month by month: as planned, as recorded, and at this
    // pace from the latest record on.
    std::vector<double> planPaydates, planTotals;
    std::vector<double> recordedPaydates, recordedTotals;
    std::vector<double> projectedPaydates, projectedTotals;

    std::vector<DebtProgress> debts; // the plan's in its order, then those added since
    std::vector<YearMonth> missed;   // the plan's months due and not recorded
};

namespace ProgressCheck {

// `records` earliest first; `debts` the list now, in its order; `current`
// the extra money and the payment plan now (its first paydate is not used).
Progress of(const FollowedFigures& followed, const std::vector<MonthRecordFigures>& records,
            const DebtArray& debts, const PayoffTerms& current, QDate today);

} // namespace ProgressCheck
