#include "platform/localeinput.h"
#include "support/testsupport.h"

namespace {

TEST(LocaleInput, ReadsDatesInTheLocalesOwnOrder)
{
    const QLocale german(QLocale::German, QLocale::Germany);
    const std::pair<const char*, const char*> dates[] = {{"1/1/98", "1998-01-01"},
                                                         {"01/15/1999", "1999-01-15"},
                                                         {"3-5-29", "2029-03-05"},
                                                         {"3/5/30", "1930-03-05"},
                                                         {"2/30/2027", ""},
                                                         {"13/1/2027", ""},
                                                         {"1/1", ""},
                                                         {"1/1/199", ""}};
    for (const auto& [text, date] : dates)
        EXPECT_EQ(LocaleInput::date(text, kUs).value_or(QDate()).toString(Qt::ISODate), date)
            << text;
    EXPECT_EQ(LocaleInput::date("15.1.2027", german), QDate(2027, 1, 15));
}

} // namespace
