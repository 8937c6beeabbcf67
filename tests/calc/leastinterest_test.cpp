#include "calc/leastinterest.h"
#include "calc/paydates.h"
#include "calc/payoffmethod.h"
#include "calc/payoffsimulation.h"
#include "support/testsupport.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {

struct Weight {
    long long cents = 0;
    int months = 0;
    bool ends = false;
};

Weight weightOf(const DebtArray& ordered, const PayoffTerms& terms)
{
    NoSink sink;
    const auto result = PayoffSimulation::run(ordered, terms, sink);
    if (result.outcome != PayoffSimulation::Outcome::PaidOff)
        return {};
    return {std::llround(result.totalInterest * 100), result.months, true};
}

QStringList keysOf(const DebtArray& debts)
{
    QStringList keys;
    for (const DebtFigures& debt : debts)
        keys.append(debt.key);
    return keys;
}

// A case the rules of thumb can get wrong: promotions that end, debts that
// start later, one-time amounts and cuts of the extra money, now and then a
// negative rate.
struct Case {
    DebtArray debts;
    PayoffTerms terms;
};

Case randomCase(unsigned seed, int debtCount)
{
    std::mt19937 random(seed);
    const auto between = [&random](double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(random);
    };
    const auto chance = [&random](double p) { return std::bernoulli_distribution(p)(random); };
    Case made;
    QHash<QString, PlanRules::Promotion> promotions;
    for (int i = 0; i < debtCount; ++i) {
        DebtFigures debt;
        debt.name = QString("Debt %1").arg(i);
        debt.key = debt.name.toLower();
        debt.balance = std::round(between(200, 6000));
        debt.rate = std::round(between(0, 30)) / 100;
        debt.minimum = std::round(debt.balance * debt.rate / 12 + between(15, 120));
        if (i == 0 && seed % 5 == 0)
            debt.rate = -0.12; // a balance that earns: no run may be cut short
        if (chance(0.3))
            debt.start = dayNumber(2047, 1 + static_cast<int>(between(0, 6)), 6);
        if (chance(0.4))
            promotions.insert(debt.key, {std::round(between(0, 8)) / 100,
                                         {2047, 1 + static_cast<int>(between(0, 12))}});
        made.debts.push_back(debt);
    }
    std::vector<PlanRules::Change> changes;
    if (chance(0.5))
        changes.push_back({{2047, 3}, std::round(between(200, 2000)), true});
    if (chance(0.5))
        changes.push_back({{2047, 8}, -std::round(between(20, 80)), false});
    made.terms = {std::round(between(50, 400)), Paydates::first(kToday),
                  PlanRules(changes, promotions, {})};
    return made;
}

// Every order on one thread, with no bound: the least interest to the cent,
// then the fewest months, then the first in lexicographic order.
DebtArray cheapestByTryingAll(const DebtArray& debts, const PayoffTerms& terms)
{
    std::vector<int> places(debts.size());
    std::iota(places.begin(), places.end(), 0);
    DebtArray best;
    Weight bestWeight;
    do {
        DebtArray ordered;
        for (const int place : places)
            ordered.push_back(debts[place]);
        const Weight weight = weightOf(ordered, terms);
        if (weight.ends &&
            (!bestWeight.ends || std::tie(weight.cents, weight.months) <
                                     std::tie(bestWeight.cents, bestWeight.months))) {
            best = ordered;
            bestWeight = weight;
        }
    } while (std::next_permutation(places.begin(), places.end()));
    return best;
}

LeastInterest::Found searchOn(int threads, const Case& which)
{
    LeastInterest::Control control;
    control.threads = threads;
    return LeastInterest::search(which.debts, which.terms, control);
}

void expectNeverWorseThanTheRules(const LeastInterest::Found& found, const Case& which)
{
    const long long cents = std::llround(found.interest * 100);
    for (const PayoffMethod& method : payoffMethods()) {
        if (method.searchesOrders)
            continue;
        const Weight rule = weightOf(method.order(which.debts, which.terms), which.terms);
        if (rule.ends) {
            EXPECT_LE(cents, rule.cents) << method.name;
        }
    }
}

TEST(LeastInterest, FindsTheOrderOfLeastInterestAmongEveryOrderOnAnyNumberOfThreads)
{
    for (unsigned seed = 1; seed <= 24; ++seed) {
        SCOPED_TRACE(seed);
        const Case which = randomCase(seed, 2 + static_cast<int>(seed % 6));
        const DebtArray expected = cheapestByTryingAll(which.debts, which.terms);
        const LeastInterest::Found one = searchOn(1, which);
        const LeastInterest::Found two = searchOn(2, which);
        if (expected.empty()) {
            EXPECT_EQ(one.outcome, LeastInterest::Found::Outcome::NoneEnds);
            continue;
        }
        ASSERT_EQ(one.outcome, LeastInterest::Found::Outcome::Found);
        EXPECT_TRUE(one.everyOrderTried);
        EXPECT_EQ(keysOf(one.ordered), keysOf(expected));
        EXPECT_EQ(keysOf(two.ordered), keysOf(expected));
        const Weight weight = weightOf(expected, which.terms);
        EXPECT_EQ(std::llround(one.interest * 100), weight.cents);
        EXPECT_EQ(one.months, weight.months);
        expectNeverWorseThanTheRules(one, which);
    }
}

// Move m of the documented scan: the debt in place m / (n - 1) to each other
// place, first to last.
DebtArray moved(DebtArray order, size_t move)
{
    const size_t n = order.size();
    const size_t from = move / (n - 1);
    const size_t to = move % (n - 1) < from ? move % (n - 1) : move % (n - 1) + 1;
    const DebtFigures debt = order[from];
    order.erase(order.begin() + static_cast<long>(from));
    order.insert(order.begin() + static_cast<long>(to), debt);
    return order;
}

TEST(LeastInterest, AboveEightDebtsSearchesToAnOrderNoMoveImproves)
{
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        const Case which = randomCase(seed, 9 + static_cast<int>(seed % 4));
        const LeastInterest::Found found = searchOn(2, which);
        ASSERT_EQ(found.outcome, LeastInterest::Found::Outcome::Found);
        EXPECT_FALSE(found.everyOrderTried);
        ASSERT_LT(found.runs, LeastInterest::kRunBudget) << "ended before its budget";
        EXPECT_EQ(keysOf(searchOn(1, which).ordered), keysOf(found.ordered));
        const long long cents = std::llround(found.interest * 100);
        for (size_t move = 0; move < found.ordered.size() * (found.ordered.size() - 1); ++move) {
            const Weight weight = weightOf(moved(found.ordered, move), which.terms);
            if (weight.ends) {
                ASSERT_GE(weight.cents, cents) << "move " << move;
            }
        }
        expectNeverWorseThanTheRules(found, which);
    }
}

TEST(LeastInterest, StopsWithinItsBudget)
{
    const Case many = randomCase(7, 30);
    std::atomic<long> counted{0};
    LeastInterest::Control control;
    control.runs = &counted;
    control.budget = 40;
    const LeastInterest::Found spent = LeastInterest::search(many.debts, many.terms, control);
    EXPECT_EQ(spent.outcome, LeastInterest::Found::Outcome::Found);
    EXPECT_GE(spent.runs, 40);
    EXPECT_LT(spent.runs, 40 + LeastInterest::kBatch);
    EXPECT_EQ(counted.load(), spent.runs);
}

TEST(LeastInterest, NoOrderEndsWhenAMinimumNeverCoversItsInterest)
{
    const DebtArray debts = {{"a", "A", 1000, 0.24, 10, 0}, {"b", "B", 500, 0.1, 5, 0}};
    const LeastInterest::Found found =
        LeastInterest::search(debts, {0, Paydates::first(kToday), {}});
    EXPECT_EQ(found.outcome, LeastInterest::Found::Outcome::NoneEnds);
    EXPECT_EQ(keysOf(found.ordered), QStringList({"a", "b"})) << "the list's own order";
    EXPECT_EQ(found.cheapestMethod, nullptr);
}

} // namespace
