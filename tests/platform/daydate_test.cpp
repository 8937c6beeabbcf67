#include "support/testsupport.h"

#include <limits>

namespace {

TEST(DayDate, CountsDaysFrom1899AndStepsByCalendarMonths)
{
    EXPECT_EQ(dayNumber(1899, 12, 30), 0.0);
    EXPECT_EQ(dayNumber(2027, 1, 15), 46402.0);
    EXPECT_EQ(DayDate::toDate(46402.99), QDate(2027, 1, 15)) << "the fraction is the time";
    EXPECT_EQ(DayDate::toDate(-1.25), QDate(1899, 12, 29)) << "the whole part names the day";
    EXPECT_FALSE(DayDate::toDate(std::numeric_limits<double>::quiet_NaN()).isValid());
    EXPECT_EQ(DayDate::addMonths(3e6, 1), 3e6) << "no date is left as it is";
    EXPECT_DOUBLE_EQ(DayDate::addMonths(46402.5, 1), 46433.5) << "the time of day is kept";
    // A day cut to the end of a shorter month stays there.
    double date = dayNumber(2027, 1, 31);
    for (const QDate expected : {QDate(2027, 2, 28), QDate(2027, 3, 28)}) {
        date = DayDate::addMonths(date, 1);
        EXPECT_EQ(DayDate::toDate(date), expected);
    }
    EXPECT_EQ(DayDate::toDate(DayDate::addMonths(dayNumber(2028, 1, 31), 1)), QDate(2028, 2, 29));
}

} // namespace
