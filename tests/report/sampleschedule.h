#pragma once

#include "calc/schedule.h"
#include "support/testsupport.h"

// A schedule begun for debts of these names, with no months yet.
inline Schedule scheduleFor(const QStringList& creditors)
{
    DebtArray debts;
    for (const QString& creditor : creditors)
        debts.push_back({creditor.toCaseFolded(), creditor, 0, 0, 0, 0});
    Schedule schedule;
    schedule.begin(debts);
    return schedule;
}

// A schedule of `debts` debts named A, B, C... over `months` months from
// the given first month, every debt paying 10 a month on a balance of 100.
inline Schedule sampleSchedule(int debts, int months, QDate firstMonth = QDate(2047, 1, 6))
{
    QStringList names;
    for (int i = 0; i < debts; ++i)
        names.append(QString(QChar('A' + i)));
    Schedule schedule = scheduleFor(names);
    const MonthPayments payments(static_cast<size_t>(debts), Payment{100, 10});
    for (int month = 0; month < months; ++month)
        schedule.appendMonth(DayDate::fromDate(firstMonth.addMonths(month)), 100.0 * debts, 0,
                             payments);
    return schedule;
}
