#pragma once

#include <QDate>

// Dates are kept as day numbers: a double counting days since 1899-12-30,
// the fraction being the time of day. This is how debts.dat stores them, so
// the program keeps them in that form and converts only to show or to step.
namespace DayDate {

// The day number of a date; not a number for an invalid one.
double fromDate(QDate date);
// The calendar day of a day number; an invalid QDate when the number is not
// finite or lies outside the years 100 to 9999.
QDate toDate(double dayNumber);
// Calendar-month addition: the day of the month is kept, or cut to the last
// day of a shorter month. The time of day is kept.
double addMonths(double dayNumber, int months);
// Whole days from 1970-01-01, where the system's clock and Qt's axes count
// from, to the day of a day number.
qint64 daysSince1970(double dayNumber);

} // namespace DayDate
