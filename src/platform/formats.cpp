#include "formats.h"

#include "daydate.h"

#include <cmath>

namespace {

QString fixed(double value, int decimals, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'f', decimals);
}

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

QString fourDigits(int number)
{
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

} // namespace

namespace Format {

QString currency(double value, const QLocale& locale)
{
    return locale.toCurrencyString(value);
}

QString percent(double value, const QLocale& locale)
{
    return fixed(value * 100.0, 2, locale) + locale.percent();
}

QString twoDecimals(double value, const QLocale& locale)
{
    return fixed(value, 2, locale);
}

QString scheduleMoney(double value, const QLocale& locale)
{
    // The format has no negative section; a negative amount (only possible
    // with negative extra money) keeps the leading blank and shows its sign.
    const double rounded = std::round(value * 100.0) / 100.0;
    if (rounded < 0)
        return QLatin1Char(' ') + locale.negativeSign() + fixed(-value, 2, locale);
    return QLatin1Char(' ') + fixed(std::fabs(rounded) == 0 ? 0.0 : value, 2, locale);
}

QString wholeNumber(double value, const QLocale& locale)
{
    return fixed(value, 0, locale);
}

QString general(double value, const QLocale& locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(value, 'g', 15);
}

QString dateSeparator(const QLocale& locale)
{
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    for (const QChar c : shortFormat) {
        if (!c.isLetter() && c != QLatin1Char('\''))
            return QString(c);
    }
    return QStringLiteral("/");
}

QString monthDayYear(double dayNumber, const QLocale& locale)
{
    const QDate date = DayDate::toDate(dayNumber);
    if (!date.isValid())
        return {};
    const QString separator = dateSeparator(locale);
    return twoDigits(date.month()) + separator + twoDigits(date.day()) + separator +
           fourDigits(date.year());
}

QString monthYear(double dayNumber, const QLocale& locale)
{
    const QDate date = DayDate::toDate(dayNumber);
    if (!date.isValid())
        return {};
    return locale.monthName(date.month(), QLocale::ShortFormat) + QLatin1Char(' ') +
           fourDigits(date.year());
}

QString longMonthDayYear(double dayNumber, const QLocale& locale)
{
    const QDate date = DayDate::toDate(dayNumber);
    if (!date.isValid())
        return {};
    return locale.monthName(date.month(), QLocale::LongFormat) + QLatin1Char(',') +
           twoDigits(date.day()) + QLatin1Char(' ') + fourDigits(date.year());
}

} // namespace Format
