#include "debtrecord.h"

#include "debt.h"
#include "platform/codepage1252.h"

#include <QtEndian>
#include <cstring>

namespace {

void appendDouble(QByteArray& bytes, double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char raw[DebtRecord::kNumberSize];
    qToLittleEndian(bits, raw);
    bytes.append(raw, sizeof raw);
}

double readDouble(const char* raw)
{
    const quint64 bits = qFromLittleEndian<quint64>(raw);
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

} // namespace

DebtRecord DebtRecord::fromDebt(const Debt& debt)
{
    return {debt.creditor.leftJustified(kCreditorLength, QLatin1Char(' '), true), debt.balance,
            debt.rate, debt.monthly, debt.startDate};
}

Debt DebtRecord::toDebt() const
{
    return {creditor, balance, rate, monthly, startDate};
}

QByteArray DebtRecord::toBytes() const
{
    // A character that is two UTF-16 units becomes one "?", so the text is
    // fitted to 100 bytes after encoding.
    QByteArray bytes = Cp1252::encode(creditor).leftJustified(kCreditorLength, ' ', true);
    bytes.reserve(kFileSize);
    for (const double number : {balance, rate, monthly, startDate})
        appendDouble(bytes, number);
    return bytes;
}

DebtRecord DebtRecord::fromBytes(QByteArrayView bytes)
{
    Q_ASSERT(bytes.size() >= kFileSize);
    const char* data = bytes.data();
    return {Cp1252::decode(bytes.first(kCreditorLength)), readDouble(data + kBalanceOffset),
            readDouble(data + kRateOffset), readDouble(data + kMonthlyOffset),
            readDouble(data + kStartDateOffset)};
}
