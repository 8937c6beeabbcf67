#include "debtrecord.h"

#include "clsdebt.h"
#include "platform/codepage1252.h"

#include <QtEndian>
#include <cstring>

namespace {

void appendDouble(QByteArray& bytes, double value)
{
    quint64 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    char raw[sizeof bits];
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

QString DebtRecord::fixedCreditor(const QString& creditor)
{
    return creditor.leftJustified(kCreditorLength, QLatin1Char(' '), true);
}

DebtRecord DebtRecord::fromDebt(const clsDebt& debt)
{
    return {fixedCreditor(debt.Creditor), debt.Balance, debt.Rate, debt.Monthly, debt.StartDate};
}

QByteArray DebtRecord::toBytes() const
{
    // A character that is two UTF-16 units becomes one "?", so the text is
    // fitted to 100 bytes after encoding.
    QByteArray bytes = Cp1252::encode(Creditor).leftJustified(kCreditorLength, ' ', true);
    bytes.reserve(kFileSize);
    appendDouble(bytes, Balance);
    appendDouble(bytes, Rate);
    appendDouble(bytes, Monthly);
    appendDouble(bytes, StartDate);
    return bytes;
}

DebtRecord DebtRecord::fromBytes(QByteArrayView bytes)
{
    Q_ASSERT(bytes.size() >= kFileSize);
    const char* data = bytes.data();
    DebtRecord record;
    record.Creditor = Cp1252::decode(bytes.first(kCreditorLength));
    record.Balance = readDouble(data + 100);
    record.Rate = readDouble(data + 108);
    record.Monthly = readDouble(data + 116);
    record.StartDate = readDouble(data + 124);
    return record;
}
