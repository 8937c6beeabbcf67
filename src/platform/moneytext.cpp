#include "moneytext.h"

#include "formats.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Beyond this the cents no longer fit exactly in a double's mantissa.
constexpr double kLargestFastCents = 1e15;
// A product this close to half a cent may have been rounded on its way
// there; the exact decimal value decides then.
constexpr double kNearHalf = 1e-6;

} // namespace

MoneyText::MoneyText(const QLocale& locale)
    : locale_(locale), decimalPoint_(locale.decimalPoint().at(0))
{
}

QString MoneyText::slowText(double value) const
{
    return Format::scheduleMoney(value, locale_);
}

int MoneyText::write(char16_t* out, double value) const
{
    const double cents = value * 100;
    const double fraction = std::fabs(cents - std::trunc(cents));
    if (!(std::fabs(cents) < kLargestFastCents) || std::fabs(fraction - 0.5) < kNearHalf ||
        value < 0)
        return -1;
    // Digits are written from the right into a buffer, then copied out.
    auto whole = static_cast<std::uint64_t>(std::llround(cents));
    char16_t buffer[kMaxFastLength];
    char16_t* const end = buffer + kMaxFastLength;
    char16_t* p = end;
    for (int decimal = 0; decimal < 2; ++decimal, whole /= 10)
        *--p = static_cast<char16_t>(u'0' + whole % 10);
    *--p = decimalPoint_.unicode();
    do {
        *--p = static_cast<char16_t>(u'0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    *--p = u' ';
    const auto length = static_cast<int>(end - p);
    std::copy(p, end, out);
    return length;
}
