#pragma once

#include "debtfigures.h"
#include "followedfigures.h"
#include "planrules.h"

#include <QDate>
#include <optional>
#include <vector>

// One debt's row of a month to record, filled as Record Payments first shows it.
struct RecordRow {
    QString key;
    QString name;
    double balanceBefore = 0.0;
    double interest = 0.0; // the month's, at the rate in force
    std::optional<double> planned;
    double paid = 0.0;
    double balanceAfter = 0.0;
};

// How a month is recorded: which month is offered, and what its rows hold
// before the user types. A month of a plan is the schedule month whose
// paydate falls in it; without a followed plan a month's paydate is today's
// day of that month.
namespace RecordRules {

// The earliest month of the followed plan not yet recorded whose paydate is
// on or before today, or else the plan's first month; without a plan, the
// current month.
YearMonth offeredMonth(const FollowedFigures* followed,
                       const std::vector<MonthRecordFigures>& records, QDate today);
// No month after the current one can be recorded.
bool mayRecord(YearMonth month, QDate today);
double paydateOf(YearMonth month, const FollowedFigures* followed, QDate today);

// The rows of a month not recorded yet: one per debt of the list (in its
// order) with a balance at the start of the month.
// - The balance before is the debt's balance in the list; for a month
//   before a recorded one, the balance after of the latest earlier record
//   of the debt (or the plan's starting balance, or the list's).
// - Paid is the planned payment, or without one the debt's minimum (nothing
//   for a debt not started by the month's paydate), never more than clears
//   the debt.
// - The balance after is the balance before, plus the month's interest at
//   the rate in force, less what was paid, to the cent.
std::vector<RecordRow> newRows(YearMonth month, const DebtArray& debts, const PlanRules& rules,
                               const FollowedFigures* followed,
                               const std::vector<MonthRecordFigures>& records, QDate today);
// The balance after a payment: before, plus the interest, less what was
// paid, to the cent, and never below nothing.
double balanceAfter(double before, double interest, double paid);
double toTheCent(double amount);

} // namespace RecordRules
