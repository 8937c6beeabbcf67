#pragma once

#include "calc/plancomparison.h"

#include <QString>

// The name each plan goes by: the method chooser's entries (the user's own
// order among them), and the plan that pays only the minimums.
inline QString planName(Plan plan)
{
    switch (plan) {
    case Plan::HighestRate:
        return QStringLiteral("Highest Interest Rate");
    case Plan::SmallestBalance:
        return QStringLiteral("Smallest Balance");
    case Plan::SmallestBalancePerMonthly:
        return QStringLiteral("Smallest (Balance/Monthly)");
    case Plan::CustomOrder:
        return QStringLiteral("Custom Order");
    case Plan::MinimumsOnly:
        break;
    }
    return QStringLiteral("Minimums only");
}
