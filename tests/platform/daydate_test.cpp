#include "platform/daydate.h"

#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(DayDate, CountsDaysFromTheLastDaysOf1899)
{
    EXPECT_EQ(DayDate::fromDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(DayDate::fromDate(QDate(1900, 1, 1)), 2.0);
    EXPECT_EQ(DayDate::fromDate(QDate(2027, 1, 15)), 46402.0);
    EXPECT_EQ(DayDate::toDate(46402.0), QDate(2027, 1, 15));
    EXPECT_EQ(DayDate::toDate(46402.99), QDate(2027, 1, 15)) << "the fraction is the time";
    EXPECT_EQ(DayDate::toDate(-1.25), QDate(1899, 12, 29)) << "whole part names the day";
}

TEST(DayDate, NumbersOutsideTheCalendarAreNoDate)
{
    EXPECT_FALSE(DayDate::toDate(std::numeric_limits<double>::infinity()).isValid());
    EXPECT_FALSE(DayDate::toDate(std::numeric_limits<double>::quiet_NaN()).isValid());
    EXPECT_FALSE(DayDate::toDate(3e6).isValid());
    EXPECT_EQ(DayDate::addMonths(3e6, 1), 3e6);
}

TEST(DayDate, MonthAdditionCutsToTheEndOfAShorterMonthAndStaysThere)
{
    double date = DayDate::fromDate(QDate(2027, 1, 31));
    date = DayDate::addMonths(date, 1);
    EXPECT_EQ(DayDate::toDate(date), QDate(2027, 2, 28));
    date = DayDate::addMonths(date, 1);
    EXPECT_EQ(DayDate::toDate(date), QDate(2027, 3, 28));
    EXPECT_EQ(DayDate::toDate(DayDate::addMonths(DayDate::fromDate(QDate(2028, 1, 31)), 1)),
              QDate(2028, 2, 29));
    EXPECT_EQ(DayDate::toDate(DayDate::addMonths(DayDate::fromDate(QDate(2026, 12, 6)), 1)),
              QDate(2027, 1, 6));
    EXPECT_DOUBLE_EQ(DayDate::addMonths(46402.5, 1), 46433.5) << "the time of day is kept";
}

} // namespace
