#pragma once

#include <QString>

// One debt.
struct Debt {
    QString creditor; // as entered or as read, trailing blanks included
    double balance = 0.0;
    double rate = 0.0;      // annual rate as a fraction: 0.18 is 18 percent
    double monthly = 0.0;   // minimum monthly payment
    double startDate = 0.0; // day number (see platform/daydate.h)

    // What keeps a debt out of any calculation (only a damaged data file
    // holds such debts): a number that is no number, or a start date outside
    // the years a date can be shown in.
    enum class Flaw { None, NotANumber, StartOutOfRange };
    Flaw flaw() const;

    friend bool operator==(const Debt& a, const Debt& b)
    {
        return a.creditor == b.creditor && a.balance == b.balance && a.rate == b.rate &&
               a.monthly == b.monthly && a.startDate == b.startDate;
    }
};
