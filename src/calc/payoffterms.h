#pragma once

#include "planrules.h"

// What a run depends on besides its debts and their order: the extra money
// setting, the day of its first payment (see Paydates) and the plan's rules.
// The runs of one calculation or comparison share them.
struct PayoffTerms {
    double extraMoney = 0.0;
    double firstPaydate = 0.0;
    PlanRules rules;
};
