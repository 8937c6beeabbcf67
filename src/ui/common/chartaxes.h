#pragma once

#include <QList>
#include <QPointF>
#include <vector>

class QDateTimeAxis;
class QValueAxis;

// The axes of the charts of total balances: months along the bottom, money
// up the side.
namespace ChartAxes {

// Noon of the day of a day number, in milliseconds since 1970 as a date axis
// counts them; worked out directly, as a local QDateTime would ask the system
// for the time zone at every point.
qreal timeOf(double dayNumber);
// How far the lines shown reach: their first and last days, their highest amount.
struct Extent {
    double first = 0.0; // 0: no line
    double last = 0.0;
    double highest = 0.0;
};
// A line's points of total balances, month by month; the extent grows to take it in.
QList<QPointF> points(const std::vector<double>& paydates, const std::vector<double>& totals,
                      Extent& extent);
// Shows the axes over the extent of the lines, or hides them when there is none.
void fit(QDateTimeAxis& dates, QValueAxis& money, const Extent& extent);
// The axes' forms: months and whole amounts in the locale's currency.
void style(QDateTimeAxis& dates, QValueAxis& money);

} // namespace ChartAxes
