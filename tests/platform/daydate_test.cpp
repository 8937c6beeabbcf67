#include "support/testsupport.h"

#include <limits>

namespace {

TEST(DayDate, CountsDaysFrom1899AndStepsByCalendarMonthsKeepingTheTimeOfDay)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double day;
        QDate date;
    } days[] = {{0, {1899, 12, 30}},
                {46402, {2027, 1, 15}},
                {46402.99, {2027, 1, 15}},
                {-1.25, {1899, 12, 29}},
                {2958465, {9999, 12, 31}},
                {2958466, {}},
                {nan, {}}};
    for (const auto& [day, date] : days)
        EXPECT_EQ(DayDate::toDate(day), date) << day;
    EXPECT_TRUE(std::isnan(DayDate::fromDate({})));
    const struct {
        double day;
        double monthLater;
    } steps[] = {{46402.5, 46433.5},
                 {-1.25, 30.25},
                 {dayNumber(2027, 1, 31), dayNumber(2027, 2, 28)},
                 {dayNumber(2028, 1, 31), dayNumber(2028, 2, 29)},
                 {3e6, 3e6}}; // no date: left as it is
    for (const auto& [day, monthLater] : steps)
        EXPECT_EQ(DayDate::addMonths(day, 1), monthLater) << day;
}

} // namespace
