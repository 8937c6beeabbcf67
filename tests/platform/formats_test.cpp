#include "platform/daydate.h"
#include "platform/formats.h"
#include "platform/programlocale.h"

#include <gtest/gtest.h>

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

double day(int year, int month, int dayOfMonth)
{
    return DayDate::fromDate(QDate(year, month, dayOfMonth));
}

TEST(NamedFormats, MoneyInEnglishUnitedStates)
{
    EXPECT_EQ(Format::currency(1234.5, kUs), "$1,234.50");
    EXPECT_EQ(Format::currency(0, kUs), "$0.00");
    EXPECT_EQ(Format::currency(0.005, kUs), "$0.01");
    EXPECT_EQ(Format::percent(0.075, kUs), "7.50%");
    EXPECT_EQ(Format::percent(0.18, kUs), "18.00%");
    EXPECT_EQ(Format::twoDecimals(150, kUs), "150.00");
    EXPECT_EQ(Format::twoDecimals(12345.678, kUs), "12345.68") << "no thousands separator";
    EXPECT_EQ(Format::wholeNumber(25.4, kUs), "25");
    EXPECT_EQ(Format::wholeNumber(99.6, kUs), "100");
}

TEST(NamedFormats, ScheduleMoneyHasALeadingBlankAndNoGrouping)
{
    EXPECT_EQ(Format::scheduleMoney(1234.5, kUs), " 1234.50");
    EXPECT_EQ(Format::scheduleMoney(0, kUs), " 0.00");
    EXPECT_EQ(Format::scheduleMoney(0.004, kUs), " 0.00");
    EXPECT_EQ(Format::scheduleMoney(-0.004, kUs), " 0.00") << "no negative zero";
    EXPECT_EQ(Format::scheduleMoney(-20, kUs), " -20.00");
    EXPECT_EQ(Format::scheduleMoney(1234.5, kGerman), " 1234,50");
}

TEST(NamedFormats, GeneralFormKeepsFifteenDigitsAndDropsTrailingZeros)
{
    EXPECT_EQ(Format::general(150, kUs), "150");
    EXPECT_EQ(Format::general(12.5, kUs), "12.5");
    EXPECT_EQ(Format::general(0.1 + 0.2, kUs), "0.3");
    EXPECT_EQ(Format::general(0, kUs), "0");
    EXPECT_EQ(Format::general(1234567.25, kUs), "1234567.25") << "no grouping";
    EXPECT_EQ(Format::general(-20, kUs), "-20");
    EXPECT_EQ(Format::general(150.5, kGerman), "150,5");
}

TEST(NamedFormats, Dates)
{
    EXPECT_EQ(Format::monthDayYear(0, kUs), "12/30/1899");
    EXPECT_EQ(Format::monthDayYear(day(1999, 3, 5), kUs), "03/05/1999");
    EXPECT_EQ(Format::monthDayYear(day(1999, 3, 5) + 0.75, kUs), "03/05/1999") << "time ignored";
    EXPECT_EQ(Format::monthDayYear(day(1999, 3, 5), kGerman), "03.05.1999");
    EXPECT_EQ(Format::monthYear(day(2027, 1, 15), kUs), "Jan 2027");
    EXPECT_EQ(Format::longMonthDayYear(day(2026, 12, 6), kUs), "December,06 2026");
}

TEST(NamedFormats, DatesOutsideTheCalendarShowNothing)
{
    EXPECT_EQ(Format::monthDayYear(1e300, kUs), "");
    EXPECT_EQ(Format::monthYear(std::numeric_limits<double>::quiet_NaN(), kUs), "");
}

TEST(ProgramLocale, BareCLocaleBecomesEnglishUnitedStates)
{
    const QLocale chosen = programLocaleFor(QLocale::c());
    EXPECT_EQ(chosen.language(), QLocale::English);
    EXPECT_EQ(chosen.territory(), QLocale::UnitedStates);
    EXPECT_EQ(Format::currency(1234.5, chosen), "$1,234.50");
    EXPECT_EQ(programLocaleFor(kGerman), kGerman);
}

} // namespace
