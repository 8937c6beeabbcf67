#pragma once

#include <QString>

// One debt. The collection hands out shared references, through which the
// entry dialog changes a debt in place.
class clsDebt {
public:
    QString Creditor; // stored as entered or as read, trailing blanks included
    double Balance = 0.0;
    double Rate = 0.0;      // annual rate as a fraction: 0.18 is 18 percent
    double Monthly = 0.0;   // minimum monthly payment
    double StartDate = 0.0; // day number (see platform/daydate.h)
};
