#pragma once

#include "debt.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// A debt in fixed-size form: the creditor as exactly 100 characters, then the
// four numbers. It is both the record of debts.dat and the element of the
// working array the calculation orders and runs on.
struct DebtRecord {
    static constexpr int kCreditorLength = 100;
    static constexpr int kNumberSize = 8; // a little-endian IEEE 754 double
    static constexpr int kBalanceOffset = kCreditorLength;
    static constexpr int kRateOffset = kBalanceOffset + kNumberSize;
    static constexpr int kMonthlyOffset = kRateOffset + kNumberSize;
    static constexpr int kStartDateOffset = kMonthlyOffset + kNumberSize;
    static constexpr int kFileSize = kStartDateOffset + kNumberSize; // 132 bytes

    QString creditor = QString(kCreditorLength, QLatin1Char(' '));
    double balance = 0.0;
    double rate = 0.0;
    double monthly = 0.0;
    double startDate = 0.0;

    // The debt with its creditor fitted to 100 characters: padded with
    // blanks, or cut.
    static DebtRecord fromDebt(const Debt& debt);
    Debt toDebt() const;

    // The 132 bytes of debts.dat: Windows-1252 text, little-endian doubles.
    QByteArray toBytes() const;
    // Reads the first 132 bytes of a record.
    static DebtRecord fromBytes(QByteArrayView bytes);
};
