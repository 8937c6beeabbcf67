#pragma once

#include "debtfigures.h"
#include "payoffterms.h"

#include <QAnyStringView>
#include <Qt>
#include <vector>

// A payoff priority method: the order in which the debts get the extra
// money, and how the method is known and shown. The methods are one table
// (payoffMethods()); a new method is a row there and its ordering function.
struct PayoffMethod {
    // Orders the debts, given in the list's order, for a run on these terms.
    using Ordering = DebtArray (*)(const DebtArray& debts, const PayoffTerms& terms);

    const char* id;   // never changes: a stored choice names the method by it
    const char* name; // as the method list, Compare Plans and its chart show it
    Ordering order;
    // Its order is the user's own (the plan's custom order), so a change of
    // that order changes its schedule.
    bool followsCustomOrder;
    // Its order is found by trying orders (LeastInterest), which can take
    // long: callers that must be able to stop it search themselves.
    bool searchesOrders;
    quint32 chartColour; // 0xRRGGBB
    // Lines that lie on each other stay apart by their dashes; a custom
    // dash is the chart's long dash.
    Qt::PenStyle chartDash;
};

// The methods, in the order the method list shows them.
const std::vector<PayoffMethod>& payoffMethods();
// The method with this id; none for an id no method has.
const PayoffMethod* payoffMethod(QAnyStringView id);
