#include "platform/formats.h"
#include "platform/moneytext.h"

#include <QRandomGenerator>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {

QString fastText(const MoneyText& money, double value)
{
    char16_t buffer[MoneyText::kMaxFastLength];
    const int length = money.write(buffer, value);
    return length < 0 ? money.slowText(value) : QString(reinterpret_cast<QChar*>(buffer), length);
}

TEST(MoneyText, WritesWhatTheLocaleFormatWrites)
{
    QRandomGenerator random(1206);
    for (const QLocale& locale :
         {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German)}) {
        const MoneyText money(locale);
        for (int i = 0; i < 20000; ++i) {
            // Amounts of every size, many of them whole cents or half cents.
            double value = random.generateDouble() * std::pow(10.0, random.bounded(12));
            if (i % 3 == 0)
                value = std::round(value * 200) / 200;
            ASSERT_EQ(fastText(money, value), Format::scheduleMoney(value, locale))
                << QString::number(value, 'g', 17).toStdString();
        }
        for (const double value : {0.0, -0.0, 0.125, 1.005, 2.675, 9.99e14, 1e16, -20.0,
                                   std::numeric_limits<double>::infinity()})
            EXPECT_EQ(fastText(money, value), Format::scheduleMoney(value, locale)) << value;
    }
}

} // namespace
