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

// The date's month, day and year in this order ("mdy"), two-digit month and
// day and four-digit year, joined by the separator; empty text for a day
// number that is no date.
QString numericDate(double dayNumber, QStringView order, const QString& separator)
{
    const QDate date = DayDate::toDate(dayNumber);
    if (!date.isValid())
        return {};
    QStringList parts;
    for (const QChar part : order) {
        if (part == QLatin1Char('m'))
            parts.append(twoDigits(date.month()));
        else if (part == QLatin1Char('d'))
            parts.append(twoDigits(date.day()));
        else
            parts.append(fourDigits(date.year()));
    }
    return parts.join(separator);
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
    return plain.toString(value, 'g', kGeneralDigits);
}

double roundedToGeneral(double value)
{
    return QLocale::c().toDouble(general(value, QLocale::c()));
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

QString datePartOrder(const QLocale& locale)
{
    QString order;
    for (const QChar c : locale.dateFormat(QLocale::ShortFormat)) {
        const QChar part = c.toLower();
        if ((part == QLatin1Char('m') || part == QLatin1Char('d') || part == QLatin1Char('y')) &&
            !order.contains(part))
            order.append(part);
    }
    return order.size() == 3 ? order : QStringLiteral("mdy");
}

QString typedDate(double dayNumber, const QLocale& locale)
{
    return numericDate(dayNumber, datePartOrder(locale), dateSeparator(locale));
}

QString monthDayYear(double dayNumber, const QLocale& locale)
{
    return numericDate(dayNumber, u"mdy", dateSeparator(locale));
}

QStringList shortMonthNames(const QLocale& locale)
{
    QStringList names;
    for (int month = 1; month <= 12; ++month)
        names.append(locale.monthName(month, QLocale::ShortFormat));
    return names;
}

QString monthYear(double dayNumber, const QStringList& shortMonthNames)
{
    const QDate date = DayDate::toDate(dayNumber);
    if (!date.isValid())
        return {};
    int year = 0;
    int month = 0;
    date.getDate(&year, &month, nullptr); // one conversion for both
    return shortMonthNames.at(month - 1) + QLatin1Char(' ') + fourDigits(year);
}

QString monthYear(double dayNumber, const QLocale& locale)
{
    return monthYear(dayNumber, shortMonthNames(locale));
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
