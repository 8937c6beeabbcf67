#include "calc/schedule.h"
#include "platform/clock.h"
#include "support/testsupport.h"
#include "ui/main/schedulecalculation.h"

namespace {

TEST(ScheduleCalculation, ReportsItsProgressAndStopsWhenCancelled)
{
    Schedule schedule;
    const FixedClock clock(kToday);
    ScheduleCalculation calculation(schedule, clock, 0); // a report after every month
    const DebtArray debts = {DebtRecord::fromDebt({"Loan", 1000, 0, 100, 0})};
    QStringList captions;
    QObject::connect(&calculation, &ScheduleCalculation::progressed, [&](double percent) {
        captions.append(ScheduleCalculation::caption(percent));
        if (captions.size() == 3)
            calculation.cancel();
    });
    EXPECT_EQ(calculation.run(debts, 0).outcome, PayoffSimulation::Outcome::Cancelled);
    EXPECT_EQ(captions, QStringList({"Calculating: 10%", "Calculating: 20%", "Calculating: 30%"}));
    EXPECT_FALSE(schedule.isStarted()) << "nothing of a cancelled run is shown";
    EXPECT_EQ(calculation.run(debts, 0).months, 10) << "the next run starts afresh";
}

} // namespace
