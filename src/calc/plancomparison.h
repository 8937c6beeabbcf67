#pragma once

#include "payoffsimulation.h"
#include "priorityorder.h"

#include <QDate>
#include <QString>
#include <optional>
#include <vector>

class DebtList;

// The plans the comparison weighs: the three priority methods, the user's
// own order, and paying only the minimums.
enum class Plan {
    HighestRate,
    SmallestBalance,
    SmallestBalancePerMonthly,
    CustomOrder,
    MinimumsOnly
};
inline constexpr Plan kPlans[] = {Plan::HighestRate, Plan::SmallestBalance,
                                  Plan::SmallestBalancePerMonthly, Plan::CustomOrder,
                                  Plan::MinimumsOnly};

// The priority method a plan sorts by; none for the custom order and
// minimums only.
std::optional<PriorityMethod> methodOf(Plan plan);

// A debt whose minimum does not cover its interest, which is why a plan
// never ends.
struct Shortfall {
    QString creditor;
    double minimum = 0.0;
    double interest = 0.0;      // a month's interest on the starting balance
    double neededMinimum = 0.0; // the least minimum, to the cent, that lowers the balance
};

struct DebtOutcome {
    QString creditor;         // as the working array holds it
    double paidOffOn = 0.0;   // the day number of its last payment; 0 when never
    double interest = 0.0;    // paid on it over the plan
    bool owedNothing = false; // paid off before the plan began
};

// One plan in numbers: what the comparison window, its chart and the
// per-debt rows show, and nothing of the schedule's text.
struct PlanOutcome {
    Plan plan = Plan::HighestRate;
    PayoffSimulation::Outcome outcome = PayoffSimulation::Outcome::PaidOff;
    int months = 0;
    double totalInterest = 0.0;
    double totalPayments = 0.0;
    double debtFreeOn = 0.0;            // the day number of the last month, when paid off
    std::vector<double> paydates;       // of each month
    std::vector<double> totals;         // the total balance after each month
    std::vector<DebtOutcome> debts;     // in the plan's order of payment
    std::optional<Shortfall> shortfall; // when it never ends for want of a minimum
    // Against paying only the minimums; set by compare() when both plans end.
    std::optional<double> interestSaved;
    // No plan of the comparison that ends costs less interest; set by compare().
    bool leastInterest = false;

    bool paidOff() const { return outcome == PayoffSimulation::Outcome::PaidOff; }
};

namespace PlanComparison {

// The debts in the order a plan pays them (the list's order for minimums only).
DebtArray orderFor(const DebtList& debts, Plan plan, const PaymentPlan& paymentPlan);
PayoffSimulation::FreedMoney freedMoneyOf(Plan plan);

// Runs one plan over the debts with the same month rules as Calculate.
PlanOutcome run(const DebtList& debts, Plan plan, double extraMoney, QDate today,
                const PaymentPlan& paymentPlan = {},
                const PayoffSimulation::Progress& progress = {});
// Marks each plan that ends with what it saves against paying only the
// minimums, and the plans no other plan beats on interest.
void weigh(std::vector<PlanOutcome>& outcomes);

// Every plan, in the order of kPlans, each weighed against the others.
std::vector<PlanOutcome> compare(const DebtList& debts, double extraMoney, QDate today,
                                 const PaymentPlan& paymentPlan = {});

} // namespace PlanComparison
