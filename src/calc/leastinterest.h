#pragma once

#include "debtfigures.h"
#include "payoffterms.h"

#include <atomic>
#include <functional>

struct PayoffMethod;

// The priority order that costs the least interest, found by search.
//
// One order serves the whole schedule, and every run of an order follows the
// month rules of every other method. Orders are weighed by their total
// interest to the cent; ties go to fewer months, then to the order first in
// the search's sequence, so the answer is the same however many threads
// search and however fast.
//
// - Up to kEveryOrderUpTo debts every order is tried, in the sequence of
//   the debts' places in the list taken lexicographically (the list's own
//   order first, its reverse last): the answer is proven least. A run stops
//   once its interest passes the best so far by more than a cent, which it
//   then can never tie; runs are not cut short where any rate is negative.
// - Above it, a local search. It starts from the best of the other methods'
//   orders (ties to the first in their table) and scans the moves in a fixed
//   cycle: move m of n * (n - 1) takes the debt in place m / (n - 1) to each
//   other place in turn, first to last. It takes the first move that lowers
//   the interest, goes on scanning from the move after it, and stops when a
//   whole cycle lowers nothing or the run budget is spent. Moves are weighed
//   in batches of kBatch whatever the threads, and a whole batch counts
//   against the budget, so the answer never depends on the machine.
// - Orders whose schedules never end are passed over.
namespace LeastInterest {

constexpr int kEveryOrderUpTo = 8;
// Runs the local search may spend, the other methods' orders included:
// about 3 seconds for 1,000 debts of 30 years on two cores (a benchmark).
constexpr long kRunBudget = 4000;
constexpr int kBatch = 8;

struct Control {
    // Asked between runs, from any of the search's threads; false cancels.
    std::function<bool()> keepGoing;
    // Counts the orders run, as they end; another thread may read it.
    std::atomic<long>* runs = nullptr;
    // The threads to search on; 0 is one per core.
    int threads = 0;
    long budget = kRunBudget;
};

struct Found {
    enum class Outcome { Found, NoneEnds, Cancelled };
    Outcome outcome = Outcome::NoneEnds;
    DebtArray ordered; // the order found
    double interest = 0.0;
    int months = 0;
    bool everyOrderTried = false;
    long runs = 0;
    // The cheapest of the other methods (the first in their table where
    // several tie), which the order found is never worse than; none when
    // none of them ends.
    const PayoffMethod* cheapestMethod = nullptr;
    double cheapestInterest = 0.0;
};

// Searches the orders of the debts, given in the list's order, on these terms.
Found search(const DebtArray& debts, const PayoffTerms& terms, const Control& control = {});

} // namespace LeastInterest
