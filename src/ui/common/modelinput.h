#pragma once

#include "calc/debtfigures.h"
#include "calc/followedfigures.h"
#include "calc/planrules.h"

#include <vector>

class DebtList;
struct FollowedPlan;
struct PaymentPlan;
struct RecordedMonth;

// Where the windows hand the model to calc. A calculation takes the user's
// debts and plan as figures of its own, made once per run, and never sees the
// model's list (an object the windows follow) or the data file's records: it
// can then run anywhere, on any thread, on figures no window can change.
DebtArray debtFiguresOf(const DebtList& debts);
PlanRules planRulesOf(const PaymentPlan& plan);
FollowedFigures followedFiguresOf(const FollowedPlan& plan);
std::vector<MonthRecordFigures> recordFiguresOf(const std::vector<RecordedMonth>& months);
