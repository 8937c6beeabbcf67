#include "calc/monthrules.h"

#include <gtest/gtest.h>

namespace {

TEST(MonthRules, AMonthsStateFollowsFromWhatWasPaidAndWhatIsOwed)
{
    const struct {
        double payment, balance;
        PaymentState state;
    } cases[] = {
        {58.98, 0, PaymentState::PaidOffThisMonth}, {0, 0, PaymentState::PaidOffBefore},
        {0, 1000, PaymentState::NothingPaid},       {100, 910, PaymentState::Paying},
        {0, -5, PaymentState::NothingPaid},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stateOf(c.payment, c.balance), c.state) << c.payment << " " << c.balance;
    EXPECT_EQ(monthlyInterest(1000, 0.12), 10);
}

} // namespace
