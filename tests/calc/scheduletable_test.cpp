#include "calc/scheduletable.h"
#include "platform/daydate.h"

#include <gtest/gtest.h>

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);

double day(int year, int month, int dayOfMonth)
{
    return DayDate::fromDate(QDate(year, month, dayOfMonth));
}

QStringList rowTexts(const ScheduleTable& table, int row)
{
    QStringList texts;
    for (int column = 0; column < table.columnCount(); ++column)
        texts.append(table.text(row, column));
    return texts;
}

Payment payment(double paid, double balance)
{
    return {balance, paid};
}

TEST(ScheduleTable, StartsEmptyAndClearsToNothing)
{
    ScheduleTable table(kUs);
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.columnCount(), 0);
    table.setUp({"A"});
    table.appendMonth(day(2027, 1, 6), 1, 2, {payment(1, 1)});
    table.clear();
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.columnCount(), 0);
    EXPECT_EQ(table.rowCount(), 0);
}

TEST(ScheduleTable, HeaderRowsForOneDebt)
{
    ScheduleTable table(kUs);
    table.setUp({QString("Visa").leftJustified(100)});
    EXPECT_EQ(table.rowCount(), 2);
    EXPECT_EQ(table.columnCount(), 5);
    EXPECT_EQ(rowTexts(table, 0), QStringList({" ", " ", " ", "Visa", "Visa"}));
    EXPECT_EQ(rowTexts(table, 1),
              QStringList({"Date", "Balance", "Extra $", "Payment", "Balance"}));
}

TEST(ScheduleTable, DebtColumnsFollowTheirPositionInTheMonth)
{
    ScheduleTable table(kUs);
    table.setUp({"A", "B", "C", "D"});
    ASSERT_EQ(table.columnCount(), 11);
    table.appendMonth(day(2027, 3, 6), 1234.5, 50,
                      {payment(75, 432.5), // paying
                       payment(5.78, 0),   // paid off this month
                       payment(0, 0),      // paid off before
                       payment(0, 300)});  // not started yet
    EXPECT_EQ(rowTexts(table, 2),
              QStringList({"Mar 2027", " 1234.50", " 50.00", " 75.00", " 432.50", " 5.78",
                           "Paid Off", "", "", "Delayed", " 300.00"}));
    EXPECT_EQ(ScheduleTable::paymentColumn(2), 5);
    EXPECT_EQ(ScheduleTable::balanceColumn(4), 10);
}

TEST(ScheduleTable, ZeroTotalsShowAsZeroAndJanuaryRowsAreHighlighted)
{
    ScheduleTable table(kUs);
    table.setUp({"A"});
    for (int month : {11, 12})
        table.appendMonth(day(2026, month, 6), 100, 0, {payment(10, 100)});
    table.appendMonth(day(2027, 1, 6), 0, 0, {payment(10, 0)});
    EXPECT_EQ(table.text(4, ScheduleTable::TotalColumn), " 0.00");
    EXPECT_EQ(table.text(4, ScheduleTable::DateColumn), "Jan 2027");
    EXPECT_EQ(table.monthDate(4), day(2027, 1, 6));
}

} // namespace
