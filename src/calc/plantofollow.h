#pragma once

#include "debtfigures.h"
#include "followedfigures.h"
#include "payoffterms.h"

#include <optional>

// The schedule of a calculation as a plan to follow: its debts in their order
// of payment and, for every month, each one's payment, interest and balance,
// worked out by the same month rules. Nothing when the schedule never ends.
std::optional<FollowedFigures> planToFollow(const QString& method, const DebtArray& ordered,
                                            const PayoffTerms& terms);
