#include "daydate.h"

#include <cmath>
#include <limits>

namespace {

constexpr qint64 kJulianDayOfZero = 2415019; // 1899-12-30
constexpr double kFirstDay = -657434.0;      // 0100-01-01
constexpr double kLastDay = 2958465.0;       // 9999-12-31

} // namespace

namespace DayDate {

double fromDate(QDate date)
{
    // An invalid date has no Julian day to count from.
    if (!date.isValid())
        return std::numeric_limits<double>::quiet_NaN();
    return static_cast<double>(date.toJulianDay() - kJulianDayOfZero);
}

QDate toDate(double dayNumber)
{
    // The whole part names the day even below zero: -1.25 is 1899-12-29 at 06:00.
    const double day = std::trunc(dayNumber);
    if (!std::isfinite(day) || day < kFirstDay || day > kLastDay)
        return {};
    return QDate::fromJulianDay(static_cast<qint64>(day) + kJulianDayOfZero);
}

double addMonths(double dayNumber, int months)
{
    const QDate date = toDate(dayNumber);
    if (!date.isValid())
        return dayNumber;
    const double timeOfDay = std::fabs(dayNumber - std::trunc(dayNumber));
    const double day = fromDate(date.addMonths(months));
    return day < 0 ? day - timeOfDay : day + timeOfDay;
}

qint64 daysSince1970(double dayNumber)
{
    static const qint64 k1970 = static_cast<qint64>(fromDate(QDate(1970, 1, 1)));
    return static_cast<qint64>(std::trunc(dayNumber)) - k1970;
}

} // namespace DayDate
