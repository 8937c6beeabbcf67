#include "numberparse.h"

#include <QLocale>
#include <QString>
#include <cmath>
#include <cstdint>

namespace {

QString withoutBlanks(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            result.append(c);
    }
    return result;
}

int digitValue(QChar c, int base)
{
    int value = -1;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        value = c.unicode() - '0';
    else if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        value = c.unicode() - 'a' + 10;
    else if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        value = c.unicode() - 'A' + 10;
    return value < base ? value : -1;
}

// &H and &O literals are 16-bit when they fit in 16 bits and 32-bit
// otherwise, so &HFFFF is -1 as the integer it spells.
ParsedNumber radixInteger(const QString& text, int base)
{
    std::uint64_t value = 0;
    int digits = 0;
    for (int i = 2; i < text.size(); ++i) {
        const int digit = digitValue(text.at(i), base);
        if (digit < 0)
            break;
        value = value * base + digit;
        if (value > 0xFFFFFFFFu)
            return {};
        ++digits;
    }
    if (digits == 0)
        return {};
    if (value <= 0xFFFFu)
        return {static_cast<double>(static_cast<std::int16_t>(value)), true};
    return {static_cast<double>(static_cast<std::int32_t>(value)), true};
}

bool isDigit(const QString& text, int i)
{
    return i < text.size() && text.at(i) >= QLatin1Char('0') && text.at(i) <= QLatin1Char('9');
}

ParsedNumber decimalNumber(const QString& text)
{
    QString token;
    int i = 0;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-')))
        token.append(text.at(i++));
    int mantissaDigits = 0;
    for (; isDigit(text, i); ++i, ++mantissaDigits)
        token.append(text.at(i));
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        token.append(QLatin1Char('.'));
        for (++i; isDigit(text, i); ++i, ++mantissaDigits)
            token.append(text.at(i));
    }
    if (mantissaDigits == 0)
        return {};
    if (i < text.size() && QStringLiteral("eEdD").contains(text.at(i))) {
        int j = i + 1;
        QString exponent = QStringLiteral("e");
        if (j < text.size() && (text.at(j) == QLatin1Char('+') || text.at(j) == QLatin1Char('-')))
            exponent.append(text.at(j++));
        if (isDigit(text, j)) {
            for (; isDigit(text, j); ++j)
                exponent.append(text.at(j));
            token.append(exponent);
        }
    }
    token.replace(QLatin1String("-."), QLatin1String("-0."))
        .replace(QLatin1String("+."), QLatin1String("0."));
    if (token.startsWith(QLatin1Char('.')))
        token.prepend(QLatin1Char('0'));
    bool ok = false;
    const double value = QLocale::c().toDouble(token, &ok);
    if (!ok || !std::isfinite(value))
        return {};
    return {value, true};
}

} // namespace

ParsedNumber numberAtStart(QStringView text)
{
    const QString compact = withoutBlanks(text);
    if (compact.size() >= 2 && compact.at(0) == QLatin1Char('&')) {
        const QChar prefix = compact.at(1).toUpper();
        if (prefix == QLatin1Char('H'))
            return radixInteger(compact, 16);
        if (prefix == QLatin1Char('O'))
            return radixInteger(compact, 8);
        return {};
    }
    return decimalNumber(compact);
}
