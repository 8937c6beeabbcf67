#include "debt.h"

#include "platform/daydate.h"

#include <cmath>

Debt::Flaw Debt::flaw() const
{
    for (const double number : {balance, rate, monthly, startDate}) {
        if (!std::isfinite(number))
            return Flaw::NotANumber;
    }
    return DayDate::toDate(startDate).isValid() ? Flaw::None : Flaw::StartOutOfRange;
}
