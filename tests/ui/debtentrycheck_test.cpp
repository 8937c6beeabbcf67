#include "support/testsupport.h"
#include "ui/entry/debtentrycheck.h"

namespace {

// The checks alone, entries in and values or the first message out; what
// the dialog shows of them is tested through the dialog.
TEST(DebtEntryCheck, TheFirstFailingCheckSpeaksAndSoundEntriesGiveTheirValues)
{
    const struct {
        DebtEntryTexts texts;
        const char* outcome; // the values as "balance monthly rate date", or the message
    } cases[] = {
        {{"Visa", "1,000", "15", "18%", ""}, "1000 15 18 2046-12-06"},
        {{"Visa", " $2 500.50 ", "60", "0", "3/5/2047"}, "2500.5 60 0 2047-03-05"},
        {{"9 Lives", "abc", "-1", "101", "x"},
         "Balance must be a number, such as 1,250.75; "
         "you typed \"abc\"."},
        {{"9 Lives", "1200", "1", "12", "x"},
         "The monthly minimum for this debt needs to be "
         "increased to at least 12 to keep the balance "
         "from increasing."},
    };
    for (const auto& c : cases) {
        const DebtEntryCheck check = DebtEntryCheck::of(c.texts, kToday);
        const QString outcome = check.values
                                    ? QString("%1 %2 %3 %4")
                                          .arg(check.values->balance)
                                          .arg(check.values->monthly)
                                          .arg(check.values->rate)
                                          .arg(check.values->startDate.toString(Qt::ISODate))
                                    : check.message;
        EXPECT_EQ(outcome, c.outcome) << c.texts.balance.toStdString();
        EXPECT_EQ(check.suggestedMonthly.has_value(), outcome.startsWith("The monthly minimum"));
    }
}

} // namespace
