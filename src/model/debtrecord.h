#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class clsDebt;

// A debt in fixed-size form: the creditor as exactly 100 characters, then the
// four numbers. It is both the record of debts.dat and the element of the
// working array the calculation orders and runs on.
struct DebtRecord {
    static constexpr int kCreditorLength = 100;
    static constexpr int kFileSize = 132; // 100 bytes of text, four 8-byte doubles

    QString Creditor = QString(kCreditorLength, QLatin1Char(' '));
    double Balance = 0.0;
    double Rate = 0.0;
    double Monthly = 0.0;
    double StartDate = 0.0;

    static DebtRecord fromDebt(const clsDebt& debt);
    // Left-justified in 100 characters: padded with blanks, or cut.
    static QString fixedCreditor(const QString& creditor);

    // The 132 bytes of debts.dat: Windows-1252 text, little-endian doubles.
    QByteArray toBytes() const;
    // Reads the first 132 bytes of a record.
    static DebtRecord fromBytes(QByteArrayView bytes);
};
