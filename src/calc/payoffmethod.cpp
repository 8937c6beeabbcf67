#include "payoffmethod.h"

#include "leastinterest.h"
#include "priorityorder.h"

#include <limits>

namespace {

double rateOf(const DebtFigures& debt)
{
    return debt.rate;
}

double balanceOf(const DebtFigures& debt)
{
    return debt.balance;
}

// A debt without a minimum has no defined ratio; it goes after every debt
// that has one.
double balancePerMinimum(const DebtFigures& debt)
{
    if (debt.minimum == 0)
        return std::numeric_limits<double>::infinity();
    return debt.balance / debt.minimum;
}

// "Highest Interest Rate" orders by the debt's own rate, whatever a
// promotion charges for a while.
DebtArray highestRateFirst(const DebtArray& debts, const PayoffTerms&)
{
    return orderedBy(debts, &rateOf, KeyOrder::HighestFirst);
}

DebtArray smallestBalanceFirst(const DebtArray& debts, const PayoffTerms&)
{
    return orderedBy(debts, &balanceOf, KeyOrder::SmallestFirst);
}

DebtArray smallestBalancePerMinimumFirst(const DebtArray& debts, const PayoffTerms&)
{
    return orderedBy(debts, &balancePerMinimum, KeyOrder::SmallestFirst);
}

DebtArray usersOwnOrder(const DebtArray& debts, const PayoffTerms& terms)
{
    return inCustomOrder(debts, terms.rules.customOrder());
}

// Where no order ends, the list's order: its run then says why.
DebtArray leastInterestOrder(const DebtArray& debts, const PayoffTerms& terms)
{
    return LeastInterest::search(debts, terms).ordered;
}

} // namespace

const std::vector<PayoffMethod>& payoffMethods()
{
    static const std::vector<PayoffMethod> methods = {
        {"highest-rate", "Highest Interest Rate", &highestRateFirst, false, false, 0x1f77b4,
         Qt::SolidLine},
        {"smallest-balance", "Smallest Balance", &smallestBalanceFirst, false, false, 0xd62728,
         Qt::DashLine},
        {"smallest-balance-per-monthly", "Smallest (Balance/Monthly)",
         &smallestBalancePerMinimumFirst, false, false, 0x2ca02c, Qt::DotLine},
        {"custom-order", "Custom Order", &usersOwnOrder, true, false, 0x9467bd, Qt::DashDotLine},
        {"least-interest", "Least Interest", &leastInterestOrder, false, true, 0xff7f0e,
         Qt::CustomDashLine},
    };
    return methods;
}

const PayoffMethod* payoffMethod(QAnyStringView id)
{
    for (const PayoffMethod& method : payoffMethods()) {
        if (QAnyStringView::compare(id, QLatin1String(method.id)) == 0)
            return &method;
    }
    return nullptr;
}
