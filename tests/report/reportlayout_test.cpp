#include "report/reportlayout.h"
#include "sampleschedule.h"

#include <gtest/gtest.h>

namespace {

const QLocale kUs(QLocale::English, QLocale::UnitedStates);
const double kPrintedOn = DayDate::fromDate(QDate(2026, 12, 6));
constexpr int kHeaderLines = 7;

std::vector<ReportPage> layOut(const ScheduleTable& table)
{
    return ReportLayout::pages(table, kPrintedOn, kUs);
}

// The month lines of a page: what follows the header, without December's
// empty lines.
int monthLines(const ReportPage& page)
{
    int count = 0;
    for (size_t i = kHeaderLines; i < page.lines.size(); ++i)
        count += page.lines[i].text.isEmpty() ? 0 : 1;
    return count;
}

TEST(ReportLayout, PagesHoldSixtyEightMonthsFirstAndSeventyAfter)
{
    const auto pages = layOut(sampleSchedule(2, 200));
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(monthLines(pages[0]), 68);
    EXPECT_EQ(monthLines(pages[1]), 70);
    EXPECT_EQ(monthLines(pages[2]), 62);
    // Rows 2 to 69 (January 2027 to August 2032) fill the first page, with
    // the empty lines of its five Decembers.
    EXPECT_EQ(pages[0].lines.size(), kHeaderLines + 68 + 5u);
    EXPECT_TRUE(pages[1].lines[kHeaderLines].text.startsWith("Sep 2032")) << "grid row 70";
}

TEST(ReportLayout, ADecemberRowIsFollowedByOneEmptyLine)
{
    const auto pages = layOut(sampleSchedule(1, 14, QDate(2026, 11, 6)));
    const auto& lines = pages.at(0).lines;
    EXPECT_TRUE(lines[kHeaderLines + 1].text.startsWith("Dec 2026"));
    EXPECT_EQ(lines[kHeaderLines + 2].text, "");
    EXPECT_TRUE(lines[kHeaderLines + 3].text.startsWith("Jan 2027"));
    EXPECT_TRUE(lines[kHeaderLines + 4].text.startsWith("Feb 2027")) << "no line after January";
}

TEST(ReportLayout, FourDebtsFitOneBlockAndEachFurtherFourAddAnother)
{
    EXPECT_EQ(layOut(sampleSchedule(1, 10)).size(), 1u);
    EXPECT_EQ(layOut(sampleSchedule(4, 10)).size(), 1u);
    EXPECT_EQ(layOut(sampleSchedule(5, 10)).size(), 2u);
    EXPECT_EQ(layOut(sampleSchedule(8, 10)).size(), 2u);
    EXPECT_EQ(layOut(sampleSchedule(9, 10)).size(), 3u);
    // Two blocks of 100 months: two pages each, numbered on through both.
    const auto pages = layOut(sampleSchedule(5, 100));
    ASSERT_EQ(pages.size(), 4u);
    for (size_t i = 0; i < pages.size(); ++i)
        EXPECT_TRUE(pages[i].lines[0].text.endsWith(QString("Page %1").arg(i + 1)));
    EXPECT_TRUE(pages[2].lines[4].text.contains(" E")) << "the second block shows debt E";
    EXPECT_FALSE(pages[2].lines[4].text.contains(" A"));
}

TEST(ReportLayout, PageHeaderNamesTheDateTitlePageAndTheBlocksCreditors)
{
    const auto pages = layOut(sampleSchedule(4, 3));
    const auto& lines = pages.at(0).lines;
    const QString title = "Date Printed: December,06 2026";
    EXPECT_EQ(lines[0].text,
              title.leftJustified(44) + "Varnholt Report" + QString(103 - 45 - 15, ' ') + "Page 1");
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(lines[i].text, "");
    const QString creditors = lines[4].text;
    for (const int column : {35, 55, 75, 95})
        EXPECT_NE(creditors.at(column - 1), ' ') << column;
    EXPECT_EQ(creditors.mid(34, 1), "A");
    EXPECT_EQ(creditors.mid(94, 1), "D");
    EXPECT_EQ(creditors.count('A'), 1) << "each creditor once";
    EXPECT_FALSE(lines[4].emphasis);
    EXPECT_TRUE(lines[5].emphasis);
    const QString pair = "   Payment   Balance";
    EXPECT_EQ(lines[5].text, "Date       Balance   Extra $" + pair + pair + pair + pair);
    EXPECT_EQ(lines[6].text, "");
    EXPECT_FALSE(lines[6].emphasis);
}

TEST(ReportLayout, FieldsAreRightJustifiedAtTheirColumns)
{
    const auto pages = layOut(sampleSchedule(1, 1));
    // Fields of nine characters at columns 10, 20, 30 and 40.
    EXPECT_EQ(pages.at(0).lines.at(kHeaderLines).text,
              "Jan 2027    100.00      0.00     10.00    100.00");
}

TEST(ReportLayout, ABlockWithFewerDebtsEndsAfterItsLastColumn)
{
    const auto pages = layOut(sampleSchedule(6, 1));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].lines.at(kHeaderLines).text.size(), 108);
    // The second block holds debts E and F: columns 30 to 60.
    EXPECT_EQ(pages[1].lines.at(kHeaderLines).text.size(), 68);
}

TEST(ReportLayout, LongCellsReachTheNextFieldOrPushItToTheNextLine)
{
    ScheduleTable table(kUs);
    table.setUp({"A"});
    const double january = DayDate::fromDate(QDate(2027, 1, 6));
    table.appendMonth(january, 123456.5, 0, {Payment{1, 1}});  // " 123456.50": 10
    table.appendMonth(january, 1234567.5, 0, {Payment{1, 1}}); // " 1234567.50": 11
    const auto pages = layOut(table);
    const auto& lines = pages.at(0).lines;
    ASSERT_EQ(lines.size(), kHeaderLines + 3u);
    EXPECT_EQ(lines[kHeaderLines].text, "Jan 2027  123456.50     0.00      1.00      1.00");
    EXPECT_EQ(lines[kHeaderLines + 1].text, "Jan 2027  1234567.50");
    EXPECT_EQ(lines[kHeaderLines + 2].text, QString(19, ' ') + "     0.00      1.00      1.00");
}

} // namespace
