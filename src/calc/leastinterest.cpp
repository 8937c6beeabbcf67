#include "leastinterest.h"

#include "payoffmethod.h"
#include "payoffsimulation.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <thread>
#include <tuple>

namespace LeastInterest {
namespace {

constexpr double kNoBound = std::numeric_limits<double>::infinity();
constexpr double kCent = 0.01;

// What an order's run came to, as orders are weighed against each other.
struct Weighed {
    bool ends = false;
    long long cents = 0;
    int months = 0;
    double interest = 0.0;
    long sequence = 0; // the order's place in the search's sequence
};

long long centsOf(double amount)
{
    return std::llround(amount * 100);
}

// An order that ends comes before one that does not; then less interest to
// the cent, fewer months, and the earlier place in the sequence.
bool lighter(const Weighed& a, const Weighed& b)
{
    if (a.ends != b.ends)
        return a.ends;
    if (!a.ends)
        return a.sequence < b.sequence;
    return std::tie(a.cents, a.months, a.sequence) < std::tie(b.cents, b.months, b.sequence);
}

Weighed weigh(const DebtArray& ordered, const PayoffTerms& terms, double bound, long sequence)
{
    NoSink sink;
    PayoffSimulation::Options options;
    options.interestBound = bound;
    const PayoffSimulation::Result result = PayoffSimulation::run(ordered, terms, sink, options);
    Weighed weighed;
    weighed.sequence = sequence;
    weighed.ends = result.outcome == PayoffSimulation::Outcome::PaidOff;
    if (weighed.ends) {
        weighed.cents = centsOf(result.totalInterest);
        weighed.months = result.months;
        weighed.interest = result.totalInterest;
    }
    return weighed;
}

// A run may stop once its interest passes a bound only where its interest can
// only grow month by month: no balance and no rate in force below 0.
bool interestOnlyGrows(const DebtArray& debts, const PlanRules& rules)
{
    return std::all_of(debts.begin(), debts.end(), [&rules](const DebtFigures& debt) {
        const PlanRules::Promotion* promotion = rules.promotionOf(debt);
        return debt.balance >= 0 && debt.rate >= 0 && (!promotion || promotion->rate >= 0);
    });
}

int threadsFor(const Control& control)
{
    if (control.threads > 0)
        return control.threads;
    return std::max(1u, std::thread::hardware_concurrency());
}

// The search's own view of its Control: whether to go on, asked by every
// thread before each run, and the count of runs.
class Runs {
public:
    explicit Runs(const Control& control) : control_(control) {}

    bool keepGoing()
    {
        if (stopped_.load(std::memory_order_relaxed))
            return false;
        if (control_.keepGoing && !control_.keepGoing()) {
            stopped_.store(true, std::memory_order_relaxed);
            return false;
        }
        return true;
    }
    bool stopped() const { return stopped_.load(std::memory_order_relaxed); }
    void add(long runs)
    {
        count_.fetch_add(runs, std::memory_order_relaxed);
        if (control_.runs)
            control_.runs->fetch_add(runs, std::memory_order_relaxed);
    }
    long count() const { return count_.load(std::memory_order_relaxed); }

private:
    const Control& control_;
    std::atomic<bool> stopped_{false};
    std::atomic<long> count_{0};
};

// Runs work(i) for every i below count on up to `threads` threads, each
// taking the next i as it is free.
template <typename Work> void spread(long count, int threads, Work work)
{
    std::atomic<long> next{0};
    const auto worker = [&] {
        for (long i = next++; i < count; i = next++)
            work(i);
    };
    const int helpers = static_cast<int>(std::min<long>(threads, count)) - 1;
    std::vector<std::thread> pool;
    pool.reserve(std::max(helpers, 0));
    for (int t = 0; t < helpers; ++t)
        pool.emplace_back(worker);
    worker();
    for (std::thread& thread : pool)
        thread.join();
}

// The debts in the order of these places of the list.
void arrange(const DebtArray& debts, const std::vector<int>& places, DebtArray& ordered)
{
    ordered.resize(places.size());
    for (size_t i = 0; i < places.size(); ++i)
        ordered[i] = debts[places[i]];
}

long factorial(int n)
{
    long product = 1;
    for (int i = 2; i <= n; ++i)
        product *= i;
    return product;
}

// The order of the list's places that is `rank`-th in lexicographic sequence.
std::vector<int> orderOfRank(int n, long rank)
{
    std::vector<int> left(n);
    std::iota(left.begin(), left.end(), 0);
    std::vector<int> places;
    for (int i = n; i > 0; --i) {
        const long block = factorial(i - 1);
        places.push_back(left[rank / block]);
        left.erase(left.begin() + rank / block);
        rank %= block;
    }
    return places;
}

// The best interest any thread has found so far, for the bound of the runs
// still to come: a run past it by more than a cent cannot tie it.
class SharedBest {
public:
    explicit SharedBest(bool bounds) : bounds_(bounds) {}

    double bound() const
    {
        return bounds_ ? best_.load(std::memory_order_relaxed) + kCent : kNoBound;
    }
    void offer(double interest)
    {
        double best = best_.load(std::memory_order_relaxed);
        while (interest < best &&
               !best_.compare_exchange_weak(best, interest, std::memory_order_relaxed)) {
        }
    }

private:
    bool bounds_;
    std::atomic<double> best_{kNoBound};
};

// The other methods' orders and what each comes to, in their table's order.
struct RuleOrder {
    const PayoffMethod* method;
    DebtArray ordered;
    Weighed weighed;
};
struct RuleOrders {
    std::vector<RuleOrder> orders;
    const RuleOrder* best = nullptr;     // the lightest (see lighter())
    const RuleOrder* cheapest = nullptr; // the least interest, the first of a tie; none ends: none
};

bool weighRules(const DebtArray& debts, const PayoffTerms& terms, Runs& runs, RuleOrders& rules)
{
    for (const PayoffMethod& method : payoffMethods()) {
        if (method.searchesOrders)
            continue;
        if (!runs.keepGoing())
            return false;
        DebtArray ordered = method.order(debts, terms);
        const long sequence = static_cast<long>(rules.orders.size());
        const Weighed weighed = weigh(ordered, terms, kNoBound, sequence);
        runs.add(1);
        rules.orders.push_back({&method, std::move(ordered), weighed});
    }
    for (const RuleOrder& rule : rules.orders) {
        if (!rules.best || lighter(rule.weighed, rules.best->weighed))
            rules.best = &rule;
        if (rule.weighed.ends &&
            (!rules.cheapest || rule.weighed.cents < rules.cheapest->weighed.cents))
            rules.cheapest = &rule;
    }
    return true;
}

struct Best {
    Weighed weighed;
    std::vector<int> places;
};

Found everyOrder(const DebtArray& debts, const PayoffTerms& terms, const Control& control,
                 Runs& runs, const RuleOrders& rules)
{
    const int n = static_cast<int>(debts.size());
    // Each piece of work is the orders that share their first two places.
    const int fixed = std::min(n, 2);
    const long perPiece = factorial(n - fixed);
    const long pieces = factorial(n) / perPiece;
    SharedBest shared(interestOnlyGrows(debts, terms.rules));
    // The rules' orders are among those tried; their interest bounds the first runs.
    for (const RuleOrder& rule : rules.orders) {
        if (rule.weighed.ends)
            shared.offer(rule.weighed.interest);
    }
    const int threads = threadsFor(control);
    std::vector<Best> bests(pieces);
    spread(pieces, threads, [&](long piece) {
        // Copies of the names of the thread's own, so that its runs never
        // share a string's count with another thread's.
        DebtArray own = debts;
        for (DebtFigures& debt : own) {
            debt.key = QString(debt.key.constData(), debt.key.size());
            debt.name = QString(debt.name.constData(), debt.name.size());
        }
        DebtArray ordered;
        Best& best = bests[piece];
        best.weighed.sequence = std::numeric_limits<long>::max();
        std::vector<int> places = orderOfRank(n, piece * perPiece);
        for (long rank = piece * perPiece; rank < (piece + 1) * perPiece; ++rank) {
            if (!runs.keepGoing())
                return;
            arrange(own, places, ordered);
            const Weighed weighed = weigh(ordered, terms, shared.bound(), rank);
            runs.add(1);
            if (weighed.ends) {
                shared.offer(weighed.interest);
                if (lighter(weighed, best.weighed))
                    best = {weighed, places};
            }
            std::next_permutation(places.begin(), places.end());
        }
    });
    Found found;
    found.everyOrderTried = true;
    found.runs = runs.count();
    if (runs.stopped()) {
        found.outcome = Found::Outcome::Cancelled;
        return found;
    }
    const auto best =
        std::min_element(bests.begin(), bests.end(), [](const Best& a, const Best& b) {
            return lighter(a.weighed, b.weighed);
        });
    if (best == bests.end() || !best->weighed.ends) {
        found.ordered = debts;
        return found;
    }
    found.outcome = Found::Outcome::Found;
    arrange(debts, best->places, found.ordered);
    found.interest = best->weighed.interest;
    found.months = best->weighed.months;
    return found;
}

// Move m of the scan: the debt in place m / (n - 1) taken to the other places
// in turn, first to last.
DebtArray moved(const DebtArray& order, long move)
{
    const long n = static_cast<long>(order.size());
    const long from = move / (n - 1);
    const long other = move % (n - 1);
    const long to = other < from ? other : other + 1;
    DebtArray result = order;
    if (from < to)
        std::rotate(result.begin() + from, result.begin() + from + 1, result.begin() + to + 1);
    else
        std::rotate(result.begin() + to, result.begin() + from, result.begin() + from + 1);
    return result;
}

Found localSearch(const DebtArray& debts, const PayoffTerms& terms, const Control& control,
                  Runs& runs, const RuleOrders& rules)
{
    Found found;
    found.outcome = Found::Outcome::Cancelled;
    DebtArray current = rules.best->ordered;
    Weighed weighed = rules.best->weighed;
    const bool bounds = interestOnlyGrows(debts, terms.rules);
    const int threads = threadsFor(control);
    const long moves = static_cast<long>(debts.size()) * static_cast<long>(debts.size() - 1);
    long next = 0;
    long unimproved = 0;
    while (unimproved < moves && runs.count() < control.budget) {
        const long batch = std::min<long>(kBatch, moves - unimproved);
        // A move must lower the interest by a cent at least: a run past the
        // current interest cannot.
        const double bound = bounds && weighed.ends ? weighed.interest : kNoBound;
        std::vector<Weighed> tried(batch);
        spread(batch, threads, [&](long i) {
            if (runs.keepGoing())
                tried[i] = weigh(moved(current, (next + i) % moves), terms, bound, i);
        });
        if (runs.stopped())
            return found;
        runs.add(batch);
        const auto lower = std::find_if(tried.begin(), tried.end(), [&](const Weighed& move) {
            return move.ends && (!weighed.ends || move.cents < weighed.cents);
        });
        if (lower == tried.end()) {
            next = (next + batch) % moves;
            unimproved += batch;
            continue;
        }
        const long taken = (next + (lower - tried.begin())) % moves;
        current = moved(current, taken);
        weighed = *lower;
        next = (taken + 1) % moves;
        unimproved = 0;
    }
    found.runs = runs.count();
    found.ordered = current;
    if (!weighed.ends) {
        found.outcome = Found::Outcome::NoneEnds;
        found.ordered = debts;
        return found;
    }
    found.outcome = Found::Outcome::Found;
    found.interest = weighed.interest;
    found.months = weighed.months;
    return found;
}

} // namespace

Found search(const DebtArray& debts, const PayoffTerms& terms, const Control& control)
{
    Runs runs(control);
    RuleOrders rules;
    if (!weighRules(debts, terms, runs, rules)) {
        Found cancelled;
        cancelled.outcome = Found::Outcome::Cancelled;
        return cancelled;
    }
    Found found = static_cast<int>(debts.size()) <= kEveryOrderUpTo
                      ? everyOrder(debts, terms, control, runs, rules)
                      : localSearch(debts, terms, control, runs, rules);
    found.runs = runs.count();
    if (rules.cheapest) {
        found.cheapestMethod = rules.cheapest->method;
        found.cheapestInterest = rules.cheapest->weighed.interest;
    }
    return found;
}

} // namespace LeastInterest
