#include "report/reportlayout.h"
#include "sampleschedule.h"

namespace {

constexpr int kHeaderLines = 7;

std::vector<ReportPage> layOut(const Schedule& schedule)
{
    return ReportLayout::pages(ScheduleText(schedule, kUs), DayDate::fromDate(kToday), kUs);
}

// A line of a page; an exception fails the test when there is none.
QString line(const std::vector<ReportPage>& pages, size_t page, size_t line)
{
    return pages.at(page).lines.at(line).text;
}

TEST(ReportLayout, PagesBreakAtEverySeventiethGridRowAndBlocksHoldFourDebts)
{
    const auto lineCounts = [](const std::vector<ReportPage>& pages) {
        QStringList counts;
        for (const ReportPage& page : pages)
            counts.append(QString::number(page.lines.size() - kHeaderLines));
        return counts.join(' ');
    };
    // The lines after each page's header: 68 months first, then 70, each
    // December followed by an empty line.
    const std::tuple<int, int, const char*> cases[] = {
        {2, 200, "73 76 67"}, {4, 10, "10"}, {5, 10, "10 10"}, {9, 10, "10 10 10"}};
    for (const auto& [debts, months, lines] : cases)
        EXPECT_EQ(lineCounts(layOut(sampleSchedule(debts, months))), lines) << debts << " debts";
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
    const QString names = QString(34, ' ') + "A" + QString(19, ' ') + "B" + QString(19, ' ') + "C";
    const QString labels = "Date       Balance   Extra $" + pair + pair + pair + pair;
    const QStringList expected = {title, "", "", "", names + QString(19, ' ') + "D", labels, ""};
    for (int i = 0; i < kHeaderLines; ++i) {
        EXPECT_EQ(line(pages, 0, i), expected[i]) << "line " << i;
        EXPECT_EQ(pages[0].lines[i].emphasis, i == 5) << "line " << i;
    }
    EXPECT_EQ(line(pages, 1, 4), QString(34, ' ') + "E" + QString(19, ' ') + "F");
    EXPECT_EQ(line(pages, 1, kHeaderLines).size(), 68) << "the last block ends after its debts";
}

TEST(ReportLayout, FieldsAreRightJustifiedAndLongCellsPushOn)
{
    Schedule schedule = scheduleFor({"A"});
    schedule.appendMonth(dayNumber(2047, 11, 6), 123456.5, 0, {{1, 1}});  // " 123456.50": 10
    schedule.appendMonth(dayNumber(2047, 12, 6), 1234567.5, 0, {{1, 1}}); // " 1234567.50": 11
    schedule.appendMonth(dayNumber(2048, 1, 6), 100, 0, {{100, 10}});
    const auto pages = layOut(schedule);
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
