#pragma once

#include "payoffmethod.h"
#include "payoffsimulation.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

// A debt whose minimum does not cover its interest, which is why a plan
// never ends.
struct Shortfall {
    QString creditor;
    double minimum = 0.0;
    double interest = 0.0;      // a month's interest on the starting balance
    double neededMinimum = 0.0; // the least minimum, to the cent, that lowers the balance
};

struct DebtOutcome {
    QString creditor;         // as the debt list holds it
    double paidOffOn = 0.0;   // the day number of its last payment; 0 when never
    double interest = 0.0;    // paid on it over the plan
    bool owedNothing = false; // paid off before the plan began
};

// One plan of a comparison in numbers: what the comparison window, its chart
// and the per-debt rows show, and nothing of the schedule's text. A plan
// pays by one of the payoff methods, or pays only the minimums.
struct PlanOutcome {
    const PayoffMethod* method = nullptr; // none: only the minimums are paid
    PayoffSimulation::Outcome outcome = PayoffSimulation::Outcome::PaidOff;
    int months = 0;
    double totalInterest = 0.0;
    double totalPayments = 0.0;
    double debtFreeOn = 0.0;            // the day number of the last month, when paid off
    std::vector<double> paydates;       // of each month
    std::vector<double> totals;         // the total balance after each month
    std::vector<DebtOutcome> debts;     // in the plan's order of payment
    std::optional<Shortfall> shortfall; // when it never ends for want of a minimum
    // Against paying only the minimums; set by weigh() when both plans end.
    std::optional<double> interestSaved;
    // No plan of the comparison that ends costs less interest; set by weigh().
    bool leastInterest = false;

    bool minimumsOnly() const { return method == nullptr; }
    bool paidOff() const { return outcome == PayoffSimulation::Outcome::PaidOff; }
};

namespace PlanComparison {

// Asked every month of every run; false stops the work, which then has
// nothing to give.
using KeepGoing = std::function<bool()>;

// The plans a comparison weighs, in the order it shows them: each payoff
// method, then paying only the minimums (none).
std::vector<const PayoffMethod*> plans();

// The debts in the order a plan pays them (the list's order for minimums
// only). A plan whose order is searched for stops searching when keepGoing
// says so, and then gives the list's order.
DebtArray orderFor(const DebtArray& debts, const PayoffMethod* plan, const PayoffTerms& terms,
                   const KeepGoing& keepGoing = {});
PayoffSimulation::FreedMoney freedMoneyOf(const PayoffMethod* plan);

// Runs one plan over the debts, given in the list's order, with the same
// month rules as Calculate.
PlanOutcome run(const DebtArray& debts, const PayoffMethod* plan, const PayoffTerms& terms,
                const KeepGoing& keepGoing = {});
// The same for debts already in their order of payment, the freed money
// passed on.
PlanOutcome runInOrder(const DebtArray& ordered, const PayoffTerms& terms);
// Marks each plan that ends with what it saves against paying only the
// minimums, and the plans no other plan beats on interest to the cent.
void weigh(std::vector<PlanOutcome>& outcomes);

// Every plan, in the order of plans(), each weighed against the others. Each
// plan is handed to planDone as soon as it is done, before it is weighed;
// plans whose order is searched for, which can take long, are done last.
// Stopped by keepGoing, it gives nothing.
std::vector<PlanOutcome> compare(const DebtArray& debts, const PayoffTerms& terms,
                                 const std::function<void(const PlanOutcome&)>& planDone = {},
                                 const KeepGoing& keepGoing = {});

} // namespace PlanComparison
