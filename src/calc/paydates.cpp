#include "paydates.h"

#include "platform/daydate.h"

namespace Paydates {

double first(QDate from)
{
    return next(DayDate::fromDate(from));
}

double next(double paydate)
{
    return DayDate::addMonths(paydate, 1);
}

YearMonth firstMonth(QDate from)
{
    return YearMonth::of(first(from)).value_or(YearMonth{});
}

} // namespace Paydates
