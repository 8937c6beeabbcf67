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

clsPayment payment(double paid, double balance)
{
    return {QString("X").leftJustified(100), balance, paid};
}

TEST(ScheduleTable, StartsEmptyAndClearsToNothing)
{
    ScheduleTable table(kUs);
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.columnCount(), 0);
    table.setUp({"A"});
    table.PrintLine(day(2027, 1, 6), 1, 2, {payment(1, 1)});
    table.clear();
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.columnCount(), 0);
    EXPECT_TRUE(table.isEmpty());
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
    EXPECT_TRUE(table.mergesEqualCells(0));
    EXPECT_TRUE(table.mergesEqualCells(1));
    EXPECT_FALSE(table.isCentred(2));
    EXPECT_TRUE(table.isCentred(3));
    EXPECT_TRUE(table.isCentred(4));
}

TEST(ScheduleTable, EqualNeighboursOfTheHeaderRowsMerge)
{
    ScheduleTable table(kUs);
    table.setUp({"Visa", "Amex"});
    using Runs = std::vector<std::pair<int, int>>;
    EXPECT_EQ(table.mergedRuns(0), Runs({{0, 3}, {3, 2}, {5, 2}}));
    EXPECT_EQ(table.mergedRuns(1), Runs()) << "Date, Balance, Extra $, Payment, Balance...";
    table.PrintLine(day(2027, 1, 6), 0, 0, {payment(0, 0), payment(0, 0)});
    EXPECT_EQ(table.mergedRuns(2), Runs()) << "month rows never merge";
}

TEST(ScheduleTable, DebtColumnsFollowTheirPositionInTheMonth)
{
    ScheduleTable table(kUs);
    table.setUp({"A", "B", "C", "D"});
    ASSERT_EQ(table.columnCount(), 11);
    table.PrintLine(day(2027, 3, 6), 1234.5, 50,
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
        table.PrintLine(day(2026, month, 6), 100, 0, {payment(10, 100)});
    table.PrintLine(day(2027, 1, 6), 0, 0, {payment(10, 0)});
    EXPECT_FALSE(table.isHighlighted(0));
    EXPECT_FALSE(table.isHighlighted(2));
    EXPECT_FALSE(table.isHighlighted(3));
    EXPECT_TRUE(table.isHighlighted(4));
    EXPECT_EQ(table.text(4, ScheduleTable::TotalColumn), " 0.00");
    EXPECT_EQ(table.text(4, ScheduleTable::DateColumn), "Jan 2027");
    EXPECT_EQ(table.monthDate(4), day(2027, 1, 6));
}

} // namespace
