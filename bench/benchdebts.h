#pragma once

#include "calc/debtfigures.h"
#include "calc/payoffterms.h"

#include <QDate>
#include <benchmark/benchmark.h>

class DebtList;

namespace BenchDebts {

inline const QDate kToday(2026, 12, 6);

// Debts whose minimums pay them off in about `months` months with no extra
// money: balances are the present value of the minimums at each rate.
void addDebts(DebtList& debts, int count, int months);
DebtArray array(int count, int months);
// No extra money and no plan, from kToday.
PayoffTerms terms();

// Reports time per month and per schedule cell of the schedule made.
void setCounters(benchmark::State& state, int debts, int months);

// Memory the heap holds now, in bytes.
double heapInUse();
// The process's peak resident memory since the last reset, in bytes; the
// reset starts a new peak from what is resident now.
double peakResident();
void resetPeakResident();

} // namespace BenchDebts
