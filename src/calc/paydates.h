#pragma once

#include "platform/yearmonth.h"

#include <QDate>

// When a schedule's payments fall. The first is a calendar month after the
// day the schedule is made; each next one is a calendar month after the one
// before, so a day cut to the 28th of February stays the 28th afterwards.
// The time of day of a day number is kept.
namespace Paydates {

double first(QDate from);
double next(double paydate);
// The month of the first payment: the first month a plan can change.
YearMonth firstMonth(QDate from);

} // namespace Paydates
