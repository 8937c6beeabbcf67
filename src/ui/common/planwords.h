#pragma once

#include "calc/leastinterest.h"
#include "calc/plancomparison.h"

#include <QString>

// How the windows speak of plans: the name each goes by, and the one
// wording, wherever it shows, of a plan that is debt-free or never is.
namespace PlanWords {

// The method's name, or "Minimums only" for the plan that pays only them.
QString name(const PayoffMethod* plan);

// After Calculate: the box that says why there is no schedule; empty when
// there is nothing to say.
QString noSchedule(PayoffSimulation::Outcome outcome);
// The status bar's sentence for a calculation's outcome; empty for a
// cancelled run.
QString status(PayoffSimulation::Outcome outcome, double lastPaydate, int months);
// The status bar's sentence of what the order Least Interest found saves
// against the cheapest of the other methods; empty when none of them ends.
QString leastInterestSaving(const LeastInterest::Found& found);
// Compare Plans' "Debt-Free" cell of a plan.
QString debtFree(const PlanOutcome& plan);
// Why a plan of Compare Plans never ends, where there is more to say than
// its "Debt-Free" cell.
QString neverReason(const PlanOutcome& plan);

} // namespace PlanWords
