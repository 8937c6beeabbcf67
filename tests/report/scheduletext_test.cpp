#include "report/scheduletext.h"
#include "sampleschedule.h"

namespace {

QString rowOf(const ScheduleText& text, int row)
{
    QStringList cells;
    for (int column = 0; column < text.columnCount(); ++column)
        cells.append(text.cell(row, column));
    return cells.join('|');
}

TEST(ScheduleText, HeaderRowsThenAMonthRowWithEachDebtsState)
{
    Schedule schedule = scheduleFor({"Paying", "  Cleared  ", "Done", "Later"});
    // Payment: balance after the month, payment, interest.
    schedule.appendMonth(dayNumber(2047, 1, 6), 1900.5, 75,
                         {{900, 100, 10}, {0, 58.98, 0.5}, {0, 0, 0}, {1000, 0, 0}});
    const ScheduleText text(schedule, kUs);
    ASSERT_EQ(text.rowCount(), 3);
    EXPECT_EQ(rowOf(text, 0), " | | |Paying|Paying|Cleared|Cleared|Done|Done|Later|Later");
    EXPECT_EQ(rowOf(text, 1),
              "Date|Balance|Extra $|Payment|Balance|Payment|Balance|Payment|Balance|Payment|"
              "Balance");
    EXPECT_EQ(rowOf(text, 2),
              "Jan 2047| 1900.50| 75.00| 100.00| 900.00| 58.98|Paid Off|||Delayed| 1000.00");
    schedule.clear();
    EXPECT_EQ(text.rowCount(), 0);
}

TEST(ScheduleText, MoneyIsWrittenInTheDigitsOfEveryLocale)
{
    Schedule schedule = scheduleFor({"A"});
    schedule.appendMonth(dayNumber(2047, 1, 6), 1234567.89, 0.05, {{0, 0}});
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 300);
    for (const QLocale& locale : locales) {
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        const ScheduleText text(schedule, locale);
        EXPECT_EQ(text.cell(2, ScheduleText::TotalColumn), ' ' + plain.toString(1234567.89, 'f', 2))
            << locale.name().toStdString();
        EXPECT_EQ(text.cell(2, ScheduleText::ExtraColumn), ' ' + plain.toString(0.05, 'f', 2))
            << locale.name().toStdString();
    }
}

} // namespace
