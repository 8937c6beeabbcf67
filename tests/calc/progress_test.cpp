#include "calc/paydates.h"
#include "calc/payoffmethod.h"
#include "calc/plantofollow.h"
#include "calc/progress.h"
#include "calc/recordrules.h"
#include "model/paymentplan.h"
#include "platform/formats.h"
#include "support/debts.h"
#include "support/testsupport.h"
#include "ui/common/modelinput.h"

namespace {

// A plan followed on the tests' day, worked out by hand (and by a separate
// reading of the month rules): A 300 at 0 % and B 600 at 12 %, minimums of
// 100, 100 of extra money, smallest balance first.
//   Jan 2047  A pays 200, owes 100   B pays 100 (interest 6.00), owes 506.00
//   Feb 2047  A pays 100, owes 0     B pays 200 (5.06), owes 311.06
//   Mar 2047                         B pays 300 (3.1106), owes 14.1706
//   Apr 2047                         B pays 14.3123 (0.1417), owes 0
class FollowingAPlan : public testing::Test {
protected:
    DebtList list;
    PaymentPlan paymentPlan;
    FollowedFigures plan;
    std::vector<MonthRecordFigures> records;

    void SetUp() override
    {
        addDebts(list, {{"A", 300, 0, 100, 0}, {"B", 600, 0.12, 100, 0}});
        const PayoffTerms terms{100, Paydates::first(kToday), {}};
        const PayoffMethod& method = *payoffMethod(u"smallest-balance");
        plan = *planToFollow(method.id, method.order(debtFiguresOf(list), terms), terms);
    }
    // A month as recorded: per debt its balance before, paid and balance after.
    void record(YearMonth month, std::vector<std::tuple<const char*, double, double, double>> rows)
    {
        MonthRecordFigures figures{month, {}};
        for (const auto& [name, before, paid, after] : rows)
            figures.debts.push_back({QString(name).toLower(), name, before, {}, paid, after});
        records.push_back(figures);
    }
    Progress progress(QDate today, double extra = 100) const
    {
        return ProgressCheck::of(plan, records, debtFiguresOf(list),
                                 {extra, 0, planRulesOf(paymentPlan)}, today);
    }
};

QString monthOf(double paydate)
{
    return paydate == 0 ? QString("-") : Format::monthYear(paydate, kUs);
}

TEST_F(FollowingAPlan, ThePlanKeepsEveryMonthsPaymentInterestAndBalance)
{
    ASSERT_EQ(plan.months.size(), 4u);
    EXPECT_EQ(plan.keys, std::vector<QString>({"a", "b"}));
    EXPECT_EQ(plan.planned[0][1].interest, 6.0);
    EXPECT_EQ(plan.planned[1][1].balance, 311.06);
    EXPECT_NEAR(plan.planned[3][1].payment, 14.3123, 5e-5);
}

// The standing, the figures and the projection, against the plan above.
TEST_F(FollowingAPlan, ProgressIsTheLatestBalancesWorkedOutAtThisPaceAgainstThePlan)
{
    using S = Progress::Standing;
    const YearMonth jan{2047, 1};
    const QDate january(2047, 1, 10);
    const struct {
        const char* what;
        std::function<void()> records; // and what changed in the list
        QDate today;
        S standing;
        int months;
        const char* reached; // the month all is (to be) paid off
        double paid, plannedPaid, interest;
        int shareOffPerMille;
        const char* projection; // its months "Feb 2047 211.06 | ..." to the cent
    } cases[] = {
        {"nothing recorded", [] {}, january, S::NothingRecorded, 0, "-", 0, 0, 0, 0, ""},
        {"a debt added since: C is paid, projected past the plan, kept out of the comparison",
         [&] {
             addDebts(list, {{"C", 2000, 0, 50, 0}});
             record(jan, {{"A", 300, 200, 100}, {"B", 600, 100, 506}, {"C", 2000, 50, 1950}});
         },
         january, S::OnPlan, 0, "Apr 2047", 350, 300, 6, 327,
         "Feb 2211.06|Mar 1864.17|Apr 1514.31|May 1164.31|Jun 814.31|Jul 464.31|Aug 114.31|"
         "Sep 0.00"},
        {"a deleted debt leaves the projection",
         [&] {
             record(jan, {{"A", 300, 200, 100}, {"B", 600, 100, 506}});
             ASSERT_TRUE(list.remove("B"));
         },
         january, S::Ahead, 2, "Feb 2047", 300, 300, 6, 327, "Feb 0.00"},
        {"a searched order is kept as found, though B first would cost less now",
         [&] {
             plan.method = "least-interest";
             record(jan, {{"A", 300, 0, 300}, {"B", 600, 0, 606}});
         },
         january, S::Behind, 1, "May 2047", 0, 300, 6, -7,
         "Feb 612.06|Mar 317.18|Apr 20.35|May 0.00"},
        {"a record under an earlier plan counts for nothing but its balances",
         [&] {
             record({2046, 12}, {{"A", 300, 0, 300}, {"B", 600, 0, 600}});
         },
         january, S::NothingRecorded, 0, "-", 0, 0, 0, 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        list.clear();
        addDebts(list, {{"A", 300, 0, 100, 0}, {"B", 600, 0.12, 100, 0}});
        records.clear();
        plan.method = "smallest-balance";
        c.records();
        const Progress p = progress(c.today);
        EXPECT_EQ(p.standing, c.standing);
        EXPECT_EQ(p.months, c.months);
        EXPECT_EQ(
            monthOf(p.standing == S::NothingRecorded || p.standing == S::Never ? 0 : p.reachedEnd),
            c.reached);
        EXPECT_EQ(monthOf(p.planEnd), "Apr 2047");
        EXPECT_EQ(std::tie(p.paid, p.plannedPaid), std::tie(c.paid, c.plannedPaid));
        EXPECT_NEAR(p.interest, c.interest, 1e-9);
        EXPECT_EQ(p.plannedInterest, c.plannedPaid > 0 ? 6.0 : 0.0);
        EXPECT_EQ(std::lround(p.shareOff * 1000), c.shareOffPerMille);
        QStringList projected;
        for (size_t i = 0; i < p.projectedTotals.size(); ++i)
            projected.append(monthOf(p.projectedPaydates[i]).left(3) + " " +
                             QString::number(p.projectedTotals[i], 'f', 2));
        EXPECT_EQ(projected.join('|'), c.projection);
    }
}

TEST_F(FollowingAPlan, TheMonthOfferedAndItsRowsAsFilledBeforeTheUserTypes)
{
    const YearMonth jan{2047, 1}, feb{2047, 2}, mar{2047, 3};
    const auto rows = [&](YearMonth month, const FollowedFigures* followed) {
        QStringList shown;
        for (const RecordRow& row :
             RecordRules::newRows(month, debtFiguresOf(list), planRulesOf(paymentPlan), followed,
                                  records, {2047, 3, 10})) {
            QStringList cells = {row.name};
            for (const double amount : {row.balanceBefore, row.interest, row.planned.value_or(-1),
                                        row.paid, row.balanceAfter})
                cells.append(amount < 0 ? "-" : QString::number(amount, 'f', 2));
            shown.append(cells.join(' '));
        }
        return shown.join(" | ");
    };
    const auto offered = [&](const FollowedFigures* followed, QDate today) {
        return RecordRules::offeredMonth(followed, records, today).toString();
    };
    EXPECT_EQ(offered(nullptr, {2047, 1, 10}), "2047-01") << "without a plan, this month";
    EXPECT_EQ(offered(&plan, {2046, 12, 20}), "2047-01") << "before any is due, the first";
    EXPECT_FALSE(RecordRules::mayRecord(jan, {2046, 12, 20})) << "a month not yet begun";
    EXPECT_EQ(rows(jan, &plan), "A 300.00 0.00 200.00 200.00 100.00 | "
                                "B 600.00 6.00 100.00 100.00 506.00");
    addDebts(list, {{"Later", 500, 0, 80, dayNumber(2047, 3, 1)}, {"Small", 50, 0, 100, 0}});
    EXPECT_EQ(rows(jan, nullptr), "A 300.00 0.00 - 100.00 200.00 | B 600.00 6.00 - 100.00 506.00 | "
                                  "Later 500.00 0.00 - 0.00 500.00 | Small 50.00 0.00 - 50.00 0.00")
        << "the minimum, nothing before the start, never more than clears the debt";
    list.clear();
    addDebts(list, {{"A", 100, 0, 100, 0}, {"B", 506, 0.12, 100, 0}}); // as January left them
    record(jan, {{"A", 300, 200, 100}, {"B", 600, 100, 506}});
    EXPECT_EQ(offered(&plan, {2047, 1, 10}), "2047-01") << "none due: the first, to correct";
    EXPECT_EQ(offered(&plan, {2047, 3, 10}), "2047-02") << "the earliest due and not recorded";
    paymentPlan.promotions = {{"B", 0, {2047, 2}}};
    EXPECT_EQ(rows(feb, &plan), "A 100.00 0.00 100.00 100.00 0.00 | "
                                "B 506.00 0.00 200.00 200.00 306.00")
        << "the promotion in force in February";
    record(feb, {{"A", 100, 100, 0}, {"B", 506, 200, 306}});
    list.clear();
    addDebts(list, {{"A", 0, 0, 100, 0}, {"B", 306, 0.12, 100, 0}});
    EXPECT_EQ(rows(mar, &plan), "B 306.00 3.06 300.00 300.00 9.06") << "and ended in March";
    records.erase(records.begin() + 1); // February missed, March recorded: filled in later
    record(mar, {{"A", 100, 100, 0}, {"B", 506, 200, 306}});
    EXPECT_EQ(rows(feb, &plan).left(34), "A 100.00 0.00 100.00 100.00 0.00 |")
        << "from January's balances, not the list's";
    records.erase(records.begin()); // January too
    EXPECT_EQ(rows(jan, &plan).left(36), "A 300.00 0.00 200.00 200.00 100.00 |")
        << "before every record, from the plan's starting balances";
    EXPECT_EQ(
        ProgressCheck::of(plan, records, debtFiguresOf(list), {100, 0, {}}, {2047, 3, 10}).missed,
        std::vector<YearMonth>({jan, feb}));
}

} // namespace
