#include "report/reportlayout.h"
#include "sampleschedule.h"

namespace {

constexpr int kHeaderLines = 7;

std::vector<ReportPage> layOut(const ScheduleTable& table)
{
    return ReportLayout::pages(table, DayDate::fromDate(kToday), kUs);
}

QString line(const std::vector<ReportPage>& pages, size_t page, size_t line)
{
    return page < pages.size() && line < pages[page].lines.size() ? pages[page].lines[line].text
                                                                  : "-";
}

TEST(ReportLayout, PagesBreakAtEverySeventiethGridRowAndBlocksHoldFourDebts)
{
    const struct {
        int debts, months;
        size_t pages;
        std::vector<std::pair<size_t, size_t>> monthLines; // (page, lines after its header)
    } cases[] = {
        {2, 200, 3, {{0, 68 + 5}, {1, 70 + 6}, {2, 62 + 5}}}, // with December's empty lines
        {4, 10, 1, {{0, 10}}},
        {5, 10, 2, {{0, 10}, {1, 10}}},
        {8, 10, 2, {}},
        {9, 10, 3, {}},
    };
    for (const auto& c : cases) {
        const auto pages = layOut(sampleSchedule(c.debts, c.months));
        EXPECT_EQ(pages.size(), c.pages) << c.debts << " debts";
        for (const auto& [page, lines] : c.monthLines)
            EXPECT_EQ(pages.at(page).lines.size(), kHeaderLines + lines) << c.debts << " debts";
    }
    const auto pages = layOut(sampleSchedule(5, 100));
    for (size_t i = 0; i < pages.size(); ++i)
        EXPECT_TRUE(line(pages, i, 0).endsWith(QString("Page %1").arg(i + 1))) << "numbered on";
    EXPECT_TRUE(line(layOut(sampleSchedule(1, 200)), 1, kHeaderLines).startsWith("Sep 2052"))
        << "grid row 70";
}

TEST(ReportLayout, APageHeaderNamesTheDayTitlePageAndTheBlocksCreditors)
{
    const auto pages = layOut(sampleSchedule(6, 1));
    const QString pair = "   Payment   Balance";
    const QString title = QString("Date Printed: December,06 2046").leftJustified(44) +
                          "Varnholt Report" + QString(43, ' ') + "Page 1";
    const QStringList expected = {title,
                                  "",
                                  "",
                                  "",
                                  QString(34, ' ') + "A" + QString(19, ' ') + "B" +
                                      QString(19, ' ') + "C" + QString(19, ' ') + "D",
                                  "Date       Balance   Extra $" + pair + pair + pair + pair,
                                  ""};
    for (int i = 0; i < kHeaderLines; ++i) {
        EXPECT_EQ(line(pages, 0, i), expected[i]) << "line " << i;
        EXPECT_EQ(pages[0].lines[i].emphasis, i == 5) << "line " << i;
    }
    EXPECT_EQ(line(pages, 1, 4), QString(34, ' ') + "E" + QString(19, ' ') + "F");
    EXPECT_EQ(line(pages, 1, kHeaderLines).size(), 68) << "the last block ends after its debts";
}

TEST(ReportLayout, FieldsAreRightJustifiedAndLongCellsPushOn)
{
    ScheduleTable table(kUs);
    table.setUp({"A"});
    table.appendMonth(dayNumber(2047, 11, 6), 123456.5, 0, {{1, 1}});  // " 123456.50": 10
    table.appendMonth(dayNumber(2047, 12, 6), 1234567.5, 0, {{1, 1}}); // " 1234567.50": 11
    table.appendMonth(dayNumber(2048, 1, 6), 100, 0, {{100, 10}});
    const auto pages = layOut(table);
    const QStringList expected = {
        "Nov 2047  123456.50     0.00      1.00      1.00",
        "Dec 2047  1234567.50",
        QString(19, ' ') + "     0.00      1.00      1.00",
        "", // after December
        "Jan 2048    100.00      0.00     10.00    100.00",
    };
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(line(pages, 0, kHeaderLines + i), expected[i]);
    EXPECT_EQ(pages[0].lines.size(), kHeaderLines + expected.size());
}

} // namespace
