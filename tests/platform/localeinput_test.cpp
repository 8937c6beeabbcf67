#include "platform/localeinput.h"

#include <gtest/gtest.h>

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(LocaleNumber, ReadsTheLocalesOwnForms)
{
    EXPECT_EQ(LocaleInput::number("1000", kUs), 1000);
    EXPECT_EQ(LocaleInput::number(" 12.5 ", kUs), 12.5);
    EXPECT_EQ(LocaleInput::number("1,234.5", kUs), 1234.5);
    EXPECT_EQ(LocaleInput::number("$1,234.50", kUs), 1234.5);
    EXPECT_EQ(LocaleInput::number("-20", kUs), -20);
    EXPECT_EQ(LocaleInput::number("12,5", kGerman), 12.5);
}

TEST(LocaleNumber, RefusesWhatIsNoNumber)
{
    EXPECT_FALSE(LocaleInput::number("abc", kUs));
    EXPECT_FALSE(LocaleInput::number("12abc", kUs));
    EXPECT_FALSE(LocaleInput::number("", kUs));
    EXPECT_FALSE(LocaleInput::number("1e999", kUs));
}

TEST(LocaleDate, ReadsMonthDayYearWithTwoDigitYearsAroundTheTurnOfTheCentury)
{
    EXPECT_EQ(LocaleInput::date("1/1/98", kUs), QDate(1998, 1, 1));
    EXPECT_EQ(LocaleInput::date("01/15/1999", kUs), QDate(1999, 1, 15));
    EXPECT_EQ(LocaleInput::date("3-5-29", kUs), QDate(2029, 3, 5));
    EXPECT_EQ(LocaleInput::date("3/5/30", kUs), QDate(1930, 3, 5));
    EXPECT_EQ(LocaleInput::date("12/6/00", kUs), QDate(2000, 12, 6));
    EXPECT_EQ(LocaleInput::date("15.1.2027", kGerman), QDate(2027, 1, 15));
}

TEST(LocaleDate, RefusesWhatIsNoDate)
{
    EXPECT_FALSE(LocaleInput::date("2/30/2027", kUs));
    EXPECT_FALSE(LocaleInput::date("13/1/2027", kUs));
    EXPECT_FALSE(LocaleInput::date("next week", kUs));
    EXPECT_FALSE(LocaleInput::date("1/1", kUs));
    EXPECT_FALSE(LocaleInput::date("1/1/199", kUs));
}

} // namespace
