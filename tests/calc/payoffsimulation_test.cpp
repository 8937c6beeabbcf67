#include "calc/paydates.h"
#include "calc/payoffsimulation.h"
#include "calc/schedule.h"
#include "model/debtlist.h"
#include "model/paymentplan.h"
#include "platform/formats.h"
#include "support/debts.h"
#include "support/testsupport.h"
#include "ui/common/modelinput.h"

#include <cmath>
#include <limits>

namespace {

using Outcome = PayoffSimulation::Outcome;

struct Owed {
    const char* name;
    double balance, rate, monthly;
    QDate start = kToday;
};

class Simulation : public testing::Test {
protected:
    Schedule schedule;
    PayoffSimulation::Result result;
    std::vector<double> progress;
    int cancelAfter = 10000; // months
    PaymentPlan plan;
    PayoffSimulation::Options options;

    void run(const std::vector<Owed>& owed, double extra, QDate today = kToday)
    {
        progress.clear();
        DebtList list;
        for (const Owed& o : owed)
            addDebts(list, {{o.name, o.balance, o.rate, o.monthly, DayDate::fromDate(o.start)}});
        options.progress = [this](double percent) {
            progress.push_back(percent);
            return int(progress.size()) < cancelAfter;
        };
        result = PayoffSimulation::run(debtFiguresOf(list),
                                       {extra, Paydates::first(today), planRulesOf(plan)}, schedule,
                                       options);
    }
    struct Totals {
        int months;
        double interest, payments;
    };
    // A month as "month total extra | payment balance | ..." to the cent.
    QString row(int month) const
    {
        const auto cents = [](double amount) { return QString::number(amount, 'f', 2); };
        QStringList parts = {Format::monthYear(schedule.paydate(month), kUs) + ' ' +
                             cents(schedule.total(month)) + ' ' + cents(schedule.extra(month))};
        for (int debt = 0; debt < schedule.debtCount(); ++debt)
            parts.append(cents(schedule.payment(month, debt)) + ' ' +
                         cents(schedule.balance(month, debt)));
        return parts.join(" | ");
    }
    // Runs the debts and holds the schedule to its totals and to some of its
    // month rows, counted from 1.
    void paidOff(const char* what, const std::vector<Owed>& owed, double extra, Totals expected,
                 const std::vector<std::pair<int, const char*>>& rows)
    {
        SCOPED_TRACE(what);
        run(owed, extra);
        EXPECT_EQ(result.outcome, Outcome::PaidOff);
        EXPECT_EQ(schedule.monthCount(), expected.months);
        EXPECT_EQ(std::round(result.totalInterest * 100) / 100, expected.interest);
        EXPECT_EQ(std::round(result.totalPayments * 100) / 100, expected.payments);
        EXPECT_EQ(progress.back(), 100.0);
        for (const auto& [month, cells] : rows)
            EXPECT_EQ(row(month - 1), cells) << "month " << month;
    }
};

// Schedules worked by hand, each pinned to the cent.
TEST_F(Simulation, PaysMinimumsAndPassesExtraAndFreedMoneyInPriorityOrder)
{
    const QDate march(2047, 3, 6);
    paidOff(
        "one debt", {{"Visa", 1000, 0.12, 100}}, 0, {11, 58.98, 1058.98},
        {{1, "Jan 2047 910.00 0.00 | 100.00 910.00"}, {11, "Nov 2047 0.00 41.02 | 58.98 0.00"}});
    paidOff("extra money rolls on", {{"A", 100, 0, 50}, {"B", 1000, 0, 50}}, 100, {6, 0, 1100},
            {{1, "Jan 2047 900.00 100.00 | 100.00 0.00 | 100.00 900.00"},
             {2, "Feb 2047 700.00 150.00 | 0.00 0.00 | 200.00 700.00"}});
    paidOff("worked schedule", {{"A", 500, 0.18, 25}, {"B", 2000, 0.12, 60}}, 50,
            {21, 290.96, 2790.96},
            {{1, "Jan 2047 2392.50 50.00 | 75.00 432.50 | 60.00 1960.00"},
             {8, "Aug 2047 1599.36 69.22 | 5.78 0.00 | 129.22 1599.36"},
             {9, "Sep 2047 1480.35 75.00 | 0.00 0.00 | 135.00 1480.35"},
             {21, "Sep 2048 0.00 75.00 | 0.00 0.00 | 90.96 0.00"}});
    paidOff("a minimum that clears", {{"Small", 30, 0, 50}, {"B", 500, 0, 20}}, 0, {8, 0, 530},
            {{1, "Jan 2047 460.00 20.00 | 30.00 0.00 | 40.00 460.00"},
             {2, "Feb 2047 390.00 50.00 | 0.00 0.00 | 70.00 390.00"}});
    paidOff(
        "a delayed debt", {{"Later", 1000, 0.12, 100, march}}, 0, {13, 58.98, 1058.98},
        {{2, "Feb 2047 1000.00 0.00 | 0.00 1000.00"}, {3, "Mar 2047 910.00 0.00 | 100.00 910.00"}});
    paidOff("a delayed debt frees nothing", {{"Later", 30, 0, 50, march}, {"B", 500, 0, 20}}, 0,
            {9, 0, 530}, {{1, "Jan 2047 510.00 0.00 | 0.00 30.00 | 20.00 480.00"}});
    paidOff("all start later", {{"A", 200, 0, 100, {2047, 6, 1}}, {"B", 100, 0, 100, {2047, 5, 1}}},
            0, {6, 0, 300}, {{6, "Jun 2047 0.00 100.00 | 200.00 0.00 | 0.00 0.00"}});
    paidOff("past any 16-bit count", {{"Long", 60000, 0, 100}}, 0, {600, 0, 60000}, {});
    paidOff("nothing owed", {{"None", 0, 0.1, 10}}, 0, {1, 0, 0}, {});
}

// The plan's rules, each worked by hand: changes of the extra money add to
// the setting, a promotion lowers the rate until its month has passed.
TEST_F(Simulation, APlanChangesTheExtraMoneyAndTheRatesMonthByMonth)
{
    const YearMonth january{2047, 1}, february{2047, 2}, march{2047, 3};
    plan.extraMoneyChanges = {{february, 300, true}};
    paidOff("a once amount", {{"Loan", 1000, 0, 100}}, 0, {7, 0, 1000},
            {{2, "Feb 2047 500.00 300.00 | 400.00 500.00"},
             {3, "Mar 2047 400.00 0.00 | 100.00 400.00"}});
    plan.extraMoneyChanges = {{march, 100, false}};
    paidOff("a raise from a month on", {{"Loan", 1000, 0, 100}}, 0, {6, 0, 1000},
            {{2, "Feb 2047 800.00 0.00 | 100.00 800.00"},
             {3, "Mar 2047 600.00 100.00 | 200.00 600.00"}});
    plan.extraMoneyChanges = {{january, -80, true}};
    paidOff("a cut below nothing pays the minimums", {{"Loan", 1000, 0, 100}}, 50, {7, 0, 1000},
            {{1, "Jan 2047 900.00 0.00 | 100.00 900.00"},
             {2, "Feb 2047 750.00 50.00 | 150.00 750.00"}});
    plan.extraMoneyChanges = {{january, -100, false}, {march, 100, false}};
    paidOff("a pause is not never", {{"Card", 1200, 0.10, 10}}, 100, {14, 83.44, 1283.44},
            {{1, "Jan 2047 1200.00 0.00 | 10.00 1200.00"},
             {3, "Mar 2047 1100.00 100.00 | 110.00 1100.00"}});
    plan.extraMoneyChanges.clear();
    plan.promotions = {{"card", 0, february}};
    for (const auto how :
         {PayoffSimulation::FreedMoney::PassedOn, PayoffSimulation::FreedMoney::Unused}) {
        options.freed = how;
        paidOff("a promotion ending", {{"Card", 1000, 0.24, 100}}, 0, {11, 80.61, 1080.61},
                {{2, "Feb 2047 800.00 0.00 | 100.00 800.00"},
                 {3, "Mar 2047 716.00 0.00 | 100.00 716.00"}});
    }
}

TEST_F(Simulation, ARunThatDoesNotEndLeavesNothingToShow)
{
    const double none = std::numeric_limits<double>::infinity();
    const struct {
        const char* what;
        Owed debt;
        double extra;
        double bound;
        Outcome outcome;
        int months;
    } cases[] = {
        {"the minimum is the interest", {"A", 1200, 0.10, 10}, 0, none, Outcome::NeverDecreases, 1},
        {"a hundred years", {"A", 1200, 0.001, 0.11}, 0, none, Outcome::TooLong, 1200},
        {"negative extra money", {"A", 1000, 0.12, 100}, -95, none, Outcome::NeverDecreases, 1},
        {"cancelled", {"A", 1000, 0, 100}, 0, none, Outcome::Cancelled, 3},
        // 10.00, 9.10, 8.19 and 7.27 of interest: past 27.30 in the fourth month.
        {"interest past a bound", {"A", 1000, 0.12, 100}, 0, 27.30, Outcome::OverBound, 4},
    };
    for (const auto& c : cases) {
        cancelAfter = c.outcome == Outcome::Cancelled ? c.months : 10000;
        options.interestBound = c.bound;
        run({c.debt}, c.extra);
        EXPECT_EQ(result.outcome, c.outcome) << c.what;
        EXPECT_EQ(result.months, c.months) << c.what;
        EXPECT_FALSE(schedule.isStarted()) << c.what;
    }
    options.interestBound = 59; // the whole run's interest, 58.98, is not past it
    run({{"A", 1000, 0.12, 100}}, 0);
    EXPECT_EQ(result.outcome, Outcome::PaidOff);
}

TEST_F(Simulation, MonthsStepFromThePreviousMonthAndProgressIsTheShareRepaid)
{
    const QDate january31(2047, 1, 31);
    run({{"A", 1500, 0, 500, january31}, {"B", 500, 0, 0, january31}}, 0, january31);
    EXPECT_EQ(DayDate::toDate(schedule.paydate(0)), QDate(2047, 2, 28));
    EXPECT_EQ(DayDate::toDate(schedule.paydate(1)), QDate(2047, 3, 28)) << "February cut the day";
    EXPECT_EQ(std::vector<double>(progress.begin(), progress.begin() + 2),
              std::vector<double>({25, 50}));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double shares[][3] = {{0, 0, 100}, {nan, 2000, 0}, {2100, 2000, 0}, {-5, 100, 100}};
    for (const auto& [total, start, percent] : shares)
        EXPECT_EQ(PayoffSimulation::percentPaid(total, start), percent) << total << " of " << start;
}

} // namespace
