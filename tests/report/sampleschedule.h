#pragma once

#include "calc/scheduletable.h"
#include "support/testsupport.h"

// A schedule of `debts` debts named A, B, C... over `months` months from
// the given first month, every debt paying 10 a month on a balance of 100.
inline ScheduleTable sampleSchedule(int debts, int months, QDate firstMonth = QDate(2047, 1, 6))
{
    ScheduleTable table(kUs);
    QStringList names;
    for (int i = 0; i < debts; ++i)
        names.append(QString(QChar('A' + i)));
    table.setUp(names);
    const MonthPayments payments(static_cast<size_t>(debts), Payment{100, 10});
    for (int month = 0; month < months; ++month)
        table.appendMonth(DayDate::fromDate(firstMonth.addMonths(month)), 100.0 * debts, 0,
                          payments);
    return table;
}
