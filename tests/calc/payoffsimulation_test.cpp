#include "calc/payoffsimulation.h"
#include "calc/scheduletable.h"
#include "platform/daydate.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const QDate kToday(2026, 12, 6);

DebtRecord debt(const char* name, double balance, double rate, double monthly, QDate start = kToday)
{
    return DebtRecord::fromDebt({name, balance, rate, monthly, DayDate::fromDate(start)});
}

class Simulation : public testing::Test {
protected:
    ScheduleTable table{kUs};
    DebtArray debts{DebtRecord{}};
    PayoffSimulation::Result result;

    void run(double extra, QDate today = kToday, const PayoffSimulation::Progress& progress = {})
    {
        result = PayoffSimulation::run(debts, extra, today, table, progress);
    }
    int monthRows() const { return table.rowCount() - ScheduleTable::kHeaderRows; }
    QString cell(int month, int column) const
    {
        return table.text(ScheduleTable::kHeaderRows + month - 1, column);
    }
    // All cells of a month row.
    QStringList row(int month) const
    {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells.append(cell(month, column));
        return cells;
    }
    QDate dateOf(int month) const
    {
        return DayDate::toDate(table.monthDate(ScheduleTable::kHeaderRows + month - 1));
    }
};

double cents(double value)
{
    return std::round(value * 100) / 100;
}

TEST_F(Simulation, OneDebtIsPaidOffInElevenMonths)
{
    debts.push_back(debt("Visa", 1000, 0.12, 100));
    run(0);
    EXPECT_EQ(result.outcome, PayoffSimulation::Outcome::PaidOff);
    ASSERT_EQ(monthRows(), 11);
    EXPECT_EQ(row(1), QStringList({"Jan 2027", " 910.00", " 0.00", " 100.00", " 910.00"}));
    EXPECT_EQ(cell(11, ScheduleTable::balanceColumn(1)), "Paid Off");
    EXPECT_EQ(cell(11, ScheduleTable::TotalColumn), " 0.00");
    EXPECT_EQ(cents(result.totalInterest), 58.98);
    EXPECT_EQ(cents(result.totalPayments), 1058.98);
    EXPECT_EQ(debts[1].balance, 0) << "the array is left as the last month left it";
}

TEST_F(Simulation, ExtraMoneyRollsOnToTheNextDebtInTheSameMonth)
{
    debts.push_back(debt("A", 100, 0, 50));
    debts.push_back(debt("B", 1000, 0, 50));
    run(100);
    EXPECT_EQ(row(1), QStringList({"Jan 2027", " 900.00", " 100.00", " 100.00", "Paid Off",
                                   " 100.00", " 900.00"}));
    // A paid-off debt frees its whole minimum.
    EXPECT_EQ(row(2),
              QStringList({"Feb 2027", " 700.00", " 150.00", "", "", " 200.00", " 700.00"}));
}

TEST_F(Simulation, WorkedTwoDebtSchedule)
{
    debts.push_back(debt("A", 500, 0.18, 25));
    debts.push_back(debt("B", 2000, 0.12, 60));
    run(50);
    ASSERT_EQ(monthRows(), 21);
    EXPECT_EQ(row(1), QStringList({"Jan 2027", " 2392.50", " 50.00", " 75.00", " 432.50", " 60.00",
                                   " 1960.00"}));
    // Month 8: A's own minimum clears it, and what it does not need is extra money.
    EXPECT_EQ(row(8), QStringList({"Aug 2027", " 1599.36", " 69.22", " 5.78", "Paid Off", " 129.22",
                                   " 1599.36"}));
    EXPECT_EQ(row(9),
              QStringList({"Sep 2027", " 1480.35", " 75.00", "", "", " 135.00", " 1480.35"}));
    EXPECT_EQ(row(21), QStringList({"Sep 2028", " 0.00", " 75.00", "", "", " 90.96", "Paid Off"}));
    EXPECT_EQ(cents(result.totalInterest), 290.96);
    EXPECT_EQ(cents(result.totalPayments), 2790.96);
}

TEST_F(Simulation, ADebtClearedByItsOwnMinimumFreesTheRestOfIt)
{
    debts.push_back(debt("Small", 30, 0, 50));
    debts.push_back(debt("B", 500, 0, 20));
    run(0);
    EXPECT_EQ(row(1), QStringList({"Jan 2027", " 460.00", " 20.00", " 30.00", "Paid Off", " 40.00",
                                   " 460.00"}));
    EXPECT_EQ(row(2), QStringList({"Feb 2027", " 390.00", " 50.00", "", "", " 70.00", " 390.00"}));
}

TEST_F(Simulation, ADelayedDebtKeepsItsBalanceWithoutInterestUntilItsStart)
{
    debts.push_back(debt("Later", 1000, 0.12, 100, QDate(2027, 3, 6)));
    run(0);
    EXPECT_EQ(row(1), QStringList({"Jan 2027", " 1000.00", " 0.00", "Delayed", " 1000.00"}));
    EXPECT_EQ(row(2), QStringList({"Feb 2027", " 1000.00", " 0.00", "Delayed", " 1000.00"}));
    EXPECT_EQ(row(3), QStringList({"Mar 2027", " 910.00", " 0.00", " 100.00", " 910.00"}));
    EXPECT_EQ(monthRows(), 13);
    EXPECT_EQ(cents(result.totalInterest), 58.98) << "no interest while delayed";
}

TEST_F(Simulation, DebtsThatAllStartLaterAreNotReportedAsNeverDecreasing)
{
    debts.push_back(debt("A", 200, 0, 100, QDate(2027, 6, 1)));
    debts.push_back(debt("B", 100, 0, 100, QDate(2027, 5, 1)));
    run(0);
    EXPECT_EQ(result.outcome, PayoffSimulation::Outcome::PaidOff);
    EXPECT_EQ(cell(1, ScheduleTable::paymentColumn(1)), "Delayed");
    EXPECT_EQ(dateOf(monthRows()), QDate(2027, 6, 6));
    EXPECT_EQ(cell(monthRows(), ScheduleTable::balanceColumn(1)), "Paid Off");
}

TEST_F(Simulation, ScheduleStartingInNovemberHighlightsItsJanuaryRow)
{
    debts.push_back(debt("A", 500, 0, 100, QDate(2026, 10, 15)));
    run(0, QDate(2026, 10, 15));
    EXPECT_EQ(cell(1, 0), "Nov 2026");
    EXPECT_EQ(cell(3, 0), "Jan 2027");
}

TEST_F(Simulation, MonthsFromTheLastDayOfJanuaryStayOnTheDayFebruaryCutThemTo)
{
    debts.push_back(debt("A", 300, 0, 100, QDate(2027, 1, 31)));
    run(0, QDate(2027, 1, 31));
    EXPECT_EQ(dateOf(1), QDate(2027, 2, 28));
    EXPECT_EQ(dateOf(2), QDate(2027, 3, 28));
    debts = {DebtRecord{}, debt("A", 300, 0, 100, QDate(2028, 1, 31))};
    run(0, QDate(2028, 1, 31));
    EXPECT_EQ(dateOf(1), QDate(2028, 2, 29));
    EXPECT_EQ(dateOf(3), QDate(2028, 4, 29));
}

TEST_F(Simulation, AMinimumThatOnlyCoversTheInterestNeverDecreases)
{
    debts.push_back(debt("A", 1200, 0.10, 10)); // interest is exactly 10 a month
    run(0);
    EXPECT_EQ(result.outcome, PayoffSimulation::Outcome::NeverDecreases);
    EXPECT_EQ(table.rowCount(), 0) << "nothing is left to show";
}

TEST_F(Simulation, RunsThatDecreaseTooSlowlyStopAfterAHundredYears)
{
    debts.push_back(debt("A", 1200, 0.001, 0.11)); // a cent above the interest
    run(0);
    EXPECT_EQ(result.outcome, PayoffSimulation::Outcome::NeverDecreases);
    EXPECT_EQ(result.months, PayoffSimulation::kMaxMonths);
    EXPECT_EQ(table.rowCount(), 0);
}

TEST_F(Simulation, NegativeExtraMoneyCannotMakeTheRunEndless)
{
    debts.push_back(debt("A", 1000, 0.12, 100));
    run(-95);
    EXPECT_EQ(result.outcome, PayoffSimulation::Outcome::NeverDecreases);
    EXPECT_LE(result.months, PayoffSimulation::kMaxMonths);
}

TEST_F(Simulation, ALongScheduleKeepsEveryMonth)
{
    debts.push_back(debt("A", 60000, 0, 100)); // 600 months, past any 16-bit cell count
    run(0);
    EXPECT_EQ(result.outcome, PayoffSimulation::Outcome::PaidOff);
    EXPECT_EQ(monthRows(), 600);
}

TEST_F(Simulation, NothingOwedEndsAfterOneMonthAtAHundredPercent)
{
    debts.push_back(debt("A", 0, 0.1, 10));
    std::vector<double> progress;
    run(0, kToday, [&](double percent) {
        progress.push_back(percent);
        return true;
    });
    EXPECT_EQ(result.outcome, PayoffSimulation::Outcome::PaidOff);
    EXPECT_EQ(monthRows(), 1);
    EXPECT_EQ(result.totalInterest, 0);
    EXPECT_EQ(result.totalPayments, 0);
    EXPECT_EQ(progress, std::vector<double>({100.0}));
}

TEST_F(Simulation, ProgressIsTheShareOfTheStartingTotalPaid)
{
    debts.push_back(debt("A", 1500, 0, 500));
    debts.push_back(debt("B", 500, 0, 0));
    std::vector<double> progress;
    run(0, kToday, [&](double percent) {
        progress.push_back(percent);
        return true;
    });
    ASSERT_GE(progress.size(), 2u);
    EXPECT_DOUBLE_EQ(progress[0], 25.0);
    EXPECT_DOUBLE_EQ(progress[1], 50.0);
}

TEST(PercentPaid, StaysBetweenNoneAndAllWhateverTheNumbers)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double total, start, percent;
    } cases[] = {
        {1500, 2000, 25}, {0, 0, 100},    {nan, 2000, 0},
        {2100, 2000, 0},  {-5, 100, 100}, {1500, nan, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.total << " of " << c.start);
        EXPECT_EQ(PayoffSimulation::percentPaid(c.total, c.start), c.percent);
    }
}

TEST_F(Simulation, ACancelledRunStopsAfterTheMonthAndLeavesNothing)
{
    debts.push_back(debt("A", 1000, 0.12, 100));
    int months = 0;
    run(0, kToday, [&](double) { return ++months < 3; });
    EXPECT_EQ(result.outcome, PayoffSimulation::Outcome::Cancelled);
    EXPECT_EQ(months, 3);
    EXPECT_EQ(table.rowCount(), 0);
}

} // namespace
