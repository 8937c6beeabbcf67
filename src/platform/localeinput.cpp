#include "localeinput.h"

#include "formats.h"

#include <QRegularExpression>

namespace {

constexpr int kLastYearOfThisCentury = 29; // two-digit years up to here are 20xx

int fullYear(const QString& digits)
{
    const int year = digits.toInt();
    if (digits.size() > 2)
        return year;
    return year <= kLastYearOfThisCentury ? 2000 + year : 1900 + year;
}

} // namespace

namespace LocaleInput {

std::optional<QDate> date(const QString& text, const QLocale& locale)
{
    const QString separators =
        QRegularExpression::escape(QStringLiteral("/-.") + Format::dateSeparator(locale));
    static const QString pattern =
        QStringLiteral("^\\s*(\\d{1,4})[%1](\\d{1,2})[%1](\\d{1,4})\\s*$");
    const QRegularExpression expression(pattern.arg(separators));
    const QRegularExpressionMatch match = expression.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString order = Format::datePartOrder(locale);
    int year = 0;
    int month = 0;
    int day = 0;
    for (int part = 0; part < 3; ++part) {
        const QString digits = match.captured(part + 1);
        switch (order.at(part).unicode()) {
        case 'm':
            month = digits.toInt();
            break;
        case 'd':
            day = digits.toInt();
            break;
        default:
            if (digits.size() == 3)
                return std::nullopt;
            year = fullYear(digits);
            break;
        }
    }
    const QDate result(year, month, day);
    if (!result.isValid() || year < 100)
        return std::nullopt;
    return result;
}

} // namespace LocaleInput
