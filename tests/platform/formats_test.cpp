#include "platform/formats.h"
#include "platform/programlocale.h"
#include "support/testsupport.h"

#include <functional>
#include <limits>

namespace {

const QLocale kGerman(QLocale::German, QLocale::Germany);
const QLocale kBritish(QLocale::English, QLocale::UnitedKingdom);
const double kNan = std::numeric_limits<double>::quiet_NaN();

TEST(Formats, EachNamedFormatWritesItsForm)
{
    using Format::general;
    const double march5 = dayNumber(1999, 3, 5);
    const struct {
        QString shown;
        const char* expected;
    } cases[] = {
        {Format::currency(0.005, kUs), "$0.01"},
        {Format::currency(-20, kUs), "($20.00)"},
        {Format::currency(1234.5, programLocaleFor(QLocale::c())), "$1,234.50"}, // not "1234.50"
        {Format::twoDecimals(12345.678, kUs), "12345.68"},
        {Format::wholeNumber(99.6, kUs), "100"},
        {Format::scheduleMoney(-0.004, kUs), " 0.00"},
        {Format::scheduleMoney(-20, kUs), " -20.00"},
        {Format::scheduleMoney(1234.5, kGerman), " 1234,50"},
        {general(0.1 + 0.2, kUs), "0.3"},
        {general(1234567.25, kUs), "1234567.25"},
        {general(150.5, kGerman), "150,5"},
        {Format::monthDayYear(march5 + 0.75, kUs), "03/05/1999"},
        {Format::monthDayYear(march5, kGerman), "03.05.1999"},
        {Format::typedDate(march5, kBritish), "05/03/1999"},
        {Format::typedDate(march5, kGerman), "05.03.1999"},
        {Format::monthDayYear(1e300, kUs), ""},
        {Format::monthYear(kNan, kUs), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, c.expected);
    EXPECT_EQ(Format::roundedToGeneral(0.1 + 0.2), 0.3);
    EXPECT_EQ(programLocaleFor(kGerman), kGerman);
}

} // namespace
