#include "moneytext.h"

#include "platform/codepage1252.h"
#include "platform/formats.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace {

// Beyond this the cents no longer fit exactly in a double's mantissa.
constexpr double kLargestFastCents = 1e15;
// A product this close to half a cent may have been rounded on its way
// there; the exact decimal value decides then.
constexpr double kNearHalf = 1e-6;

QString orPlain(const QString& form, QChar plain)
{
    return Cp1252::firstMissing(form).isEmpty() ? form : QString(plain);
}

} // namespace

MoneyText::MoneyText(const QLocale& locale)
    : locale_(locale), decimalPoint_(locale.decimalPoint()), minus_(locale.negativeSign())
{
    setDigits(locale.zeroDigit().toUcs4().value(0, U'0'));
}

// The locale's digits follow its zero digit, a code point apart.
void MoneyText::setDigits(char32_t zero)
{
    for (char32_t digit = 0; digit < 10; ++digit) {
        const char32_t codePoint = zero + digit;
        const QString units = QString::fromUcs4(&codePoint, 1);
        digitUnits_ = static_cast<int>(units.size());
        std::copy(units.utf16(), units.utf16() + units.size(), digits_[digit].begin());
    }
}

MoneyText MoneyText::forCodePage(const QLocale& locale)
{
    MoneyText money(locale);
    const QString zero = QString::fromUtf16(money.digits_[0].data(), money.digitUnits_);
    const QString decimalPoint = orPlain(money.decimalPoint_, u'.');
    const QString minus = orPlain(money.minus_, u'-');
    money.localeForms_ =
        orPlain(zero, u'0') == zero && decimalPoint == money.decimalPoint_ && minus == money.minus_;
    money.decimalPoint_ = decimalPoint;
    money.minus_ = minus;
    money.setDigits(orPlain(zero, u'0').toUcs4().value(0));
    return money;
}

void MoneyText::append(QString& text, double value) const
{
    char16_t written[kMaxFastLength];
    const int length = writeFast(written, value);
    if (length >= 0)
        text.append(reinterpret_cast<const QChar*>(written), length);
    else
        text += slowText(value);
}

QString MoneyText::text(double value) const
{
    QString text;
    append(text, value);
    return text;
}

QString MoneyText::slowText(double value) const
{
    if (localeForms_)
        return Format::scheduleMoney(value, locale_);
    // Written as the C locale writes it, then put into this form's characters.
    QString text = Format::scheduleMoney(value, QLocale::c());
    QString result;
    for (const QChar c : text) {
        if (c.isDigit())
            result += QStringView(digits_[c.unicode() - u'0'].data(), digitUnits_);
        else if (c == QLatin1Char('.'))
            result += decimalPoint_;
        else if (c == QLatin1Char('-'))
            result += minus_;
        else
            result += c;
    }
    return result;
}

int MoneyText::writeFast(char16_t* out, double value) const
{
    const double cents = value * 100;
    // Negative amounts, and those too large or not numbers at all, go the
    // locale's way.
    if (!(cents >= 0 && cents < kLargestFastCents) || decimalPoint_.size() > kMaxPointUnits)
        return -1;
    const double whole = std::trunc(cents);
    if (std::fabs(cents - whole - 0.5) < kNearHalf)
        return -1;
    // The digits of the rounded cents, from the right, two at a time.
    auto left = static_cast<std::uint64_t>(cents - whole < 0.5 ? whole : whole + 1);
    char digits[16];
    char* first = std::end(digits);
    while (left >= 100) {
        const auto pair = static_cast<unsigned>(left % 100);
        left /= 100;
        *--first = static_cast<char>(pair % 10);
        *--first = static_cast<char>(pair / 10);
    }
    *--first = static_cast<char>(left % 10);
    if (left >= 10)
        *--first = static_cast<char>(left / 10);
    while (std::end(digits) - first < 3) // at least one digit before the point
        *--first = 0;

    char16_t* p = out;
    const auto putDigit = [&](char digit) {
        *p++ = digits_[static_cast<size_t>(digit)][0];
        if (digitUnits_ == kMaxDigitUnits)
            *p++ = digits_[static_cast<size_t>(digit)][1];
    };
    *p++ = u' ';
    for (const char* digit = first; digit < std::end(digits) - 2; ++digit)
        putDigit(*digit);
    p = std::copy(decimalPoint_.utf16(), decimalPoint_.utf16() + decimalPoint_.size(), p);
    putDigit(std::end(digits)[-2]);
    putDigit(std::end(digits)[-1]);
    return static_cast<int>(p - out);
}
