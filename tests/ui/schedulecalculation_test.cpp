#include "calc/schedule.h"
#include "support/testsupport.h"
#include "ui/main/schedulecalculation.h"

namespace {

TEST(ScheduleCalculation, ReportsItsProgressAndStopsWhenCancelled)
{
    Schedule schedule;
    ScheduleCalculation calculation(schedule, 0); // a report after every month
    const DebtArray debts = {{"loan", "Loan", 1000, 0, 100, 0}};
    const PayoffTerms terms{0, dayNumber(2047, 1, 6), {}};
    QStringList captions;
    QObject::connect(&calculation, &ScheduleCalculation::progressed, [&](double percent) {
        captions.append(ScheduleCalculation::caption(percent));
        if (captions.size() == 3)
            calculation.cancel();
    });
    EXPECT_EQ(calculation.run(debts, terms).outcome, PayoffSimulation::Outcome::Cancelled);
    EXPECT_EQ(captions, QStringList({"Calculating: 10%", "Calculating: 20%", "Calculating: 30%"}));
    EXPECT_FALSE(schedule.isStarted()) << "nothing of a cancelled run is shown";
    EXPECT_EQ(calculation.run(debts, terms).months, 10) << "the next run starts afresh";
}

} // namespace
