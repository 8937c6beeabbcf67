#include "platform/typedamount.h"
#include "support/testsupport.h"

#include <string>
#include <variant>

namespace TypedAmount {

void PrintTo(Refusal refusal, std::ostream* out)
{
    *out << (refusal == Refusal::Negative ? "Negative" : "NoNumber");
}

} // namespace TypedAmount

namespace {

using TypedAmount::Refusal;
// The amount read, or why there is none.
using Outcome = std::variant<double, Refusal>;

Outcome outcome(const TypedAmount::Read& read)
{
    if (read.amount)
        return *read.amount;
    return read.refusal;
}

// The forms the extra money box is tried with through the window (see
// debtmenu_test.cpp) are not repeated here.
TEST(TypedAmount, ReadsTheLocalesFormAndThePlainFormAndNothingElse)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const QLocale french(QLocale::French, QLocale::France);
    const QLocale egyptian(QLocale::Arabic, QLocale::Egypt);
    const QLocale indian(QLocale::English, QLocale::India);
    const QLocale chakma(QLocale::Chakma, QLocale::Bangladesh); // digits beyond 16 bits
    const TypedAmount::Form money;
    TypedAmount::Form cut;
    cut.negativeAllowed = true;
    TypedAmount::Form rate;
    rate.percentAllowed = true;
    const std::u16string tooLarge(400, u'9');
    struct Row {
        const QLocale& locale;
        TypedAmount::Form form;
        const char16_t* text;
        Outcome expected;
    };
    const Row rows[] = {
        {kUs, money, u"\u00A312.50", 12.5},
        {kUs, money, u"\u00A0 150.5  ", 150.5},
        {kUs, money, u"0.1", 0.1},
        {kUs, money, u"12,34", Refusal::NoNumber},
        {kUs, money, u"1,000 000", Refusal::NoNumber},
        {kUs, money, u"12 34", Refusal::NoNumber},
        {kUs, money, u"1.2.3", Refusal::NoNumber},
        {kUs, money, u".", Refusal::NoNumber},
        {kUs, money, u"", Refusal::NoNumber},
        {kUs, money, u"$$50", Refusal::NoNumber},
        {kUs, money, tooLarge.c_str(), Refusal::NoNumber},
        {kUs, money, u"-20", Refusal::Negative},
        {kUs, money, u"-0", 0.0},
        {kUs, money, u"-20abc", Refusal::NoNumber},
        {kUs, cut, u"-20", -20.0},
        {kUs, cut, u"-$20", -20.0},
        {kUs, cut, u"$-20", -20.0},
        {kUs, cut, u"\u221220", -20.0},
        {kUs, rate, u"22.9%", 22.9},
        {kUs, rate, u"22.9 %", 22.9},
        {kUs, money, u"22.9%", Refusal::NoNumber},
        {indian, money, u"1,00,000", 100000.0},
        {german, money, u"1.5", 1.5},
        {german, money, u"1234.5", 1234.5},
        {german, money, u"1,234.5", Refusal::NoNumber},
        {german, money, u"\u20AC 12,50", 12.5},
        {french, money, u"1\u202F234,5", 1234.5},
        {egyptian, money, u"\u0661\u0662\u066B\u0665", 12.5},
        {egyptian, cut, u"\u061C-\u0661\u0665\u0660 \u062C.\u0645.", -150.0},
        {chakma, money, u"\U00011137\U0001113B\U00011136", 150.0},
    };
    for (const Row& row : rows) {
        const QString text = QString::fromUtf16(row.text);
        EXPECT_EQ(outcome(TypedAmount::read(text, row.form, row.locale)), row.expected)
            << row.locale.name().toStdString() << " \"" << text.toStdString() << '"';
    }
}

} // namespace
