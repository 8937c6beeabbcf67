#include "calc/scheduletable.h"
#include "support/testsupport.h"

namespace {

TEST(ScheduleTable, HeaderRowsThenAMonthRowWithEachDebtsCells)
{
    ScheduleTable table(kUs);
    table.setUp({QString("Visa").leftJustified(100), "B", "C", "D"});
    table.appendMonth(dayNumber(2047, 3, 6), 1234.5, 50,
                      {{432.5, 75}, // paying: balance, payment
                       {0, 5.78},   // paid off this month
                       {0, 0},      // paid off before
                       {300, 0}});  // not started yet
    EXPECT_EQ(table.lines(),
              QString(" \t \t \tVisa\tVisa\tB\tB\tC\tC\tD\tD\t\r\n"
                      "Date\tBalance\tExtra $\tPayment\tBalance\tPayment\tBalance\t"
                      "Payment\tBalance\tPayment\tBalance\t\r\n"
                      "Mar 2047\t 1234.50\t 50.00\t 75.00\t 432.50\t 5.78\tPaid Off\t"
                      "\t\tDelayed\t 300.00\t\r\n"));
    EXPECT_EQ(table.text(2, 6), "Paid Off");
    EXPECT_EQ(table.text(2, 7), "");
    table.clear();
    EXPECT_EQ(table.rowCount() + table.columnCount(), 0);
}

} // namespace
