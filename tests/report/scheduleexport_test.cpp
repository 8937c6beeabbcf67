#include "report/scheduleexport.h"
#include "sampleschedule.h"

#include <QTemporaryDir>

namespace {

TEST(ScheduleExport, WritesEveryCellWithATabAndEveryLineWithCarriageReturnLineFeed)
{
    Schedule schedule = scheduleFor({QString::fromUtf8("Café").leftJustified(100)});
    schedule.appendMonth(dayNumber(2047, 1, 6), 90, 5, {{90, 15}});
    schedule.appendMonth(dayNumber(2047, 2, 6), 0, 5, {{0, 90.5}});
    const QByteArray expected(" \t \t \tCaf\xe9\tCaf\xe9\t\r\n"
                              "Date\tBalance\tExtra $\tPayment\tBalance\t\r\n"
                              "Jan 2047\t 90.00\t 5.00\t 15.00\t 90.00\t\r\n"
                              "Feb 2047\t 0.00\t 5.00\t 90.50\tPaid Off\t\r\n");
    QTemporaryDir folder;
    const QString path = folder.filePath("debts.tab");
    writeFile(path, QByteArray(100000, 'x'));
    EXPECT_EQ(ScheduleExport::write(schedule, path, kUs), std::nullopt);
    EXPECT_EQ(readFile(path), expected) << "an earlier file is replaced";
}

TEST(ScheduleExport, WritesOnlyCharactersTheCodePageHolds)
{
    Schedule schedule = scheduleFor({"A"});
    schedule.appendMonth(dayNumber(2047, 1, 6), 1234.5, 5, {{1234.5, -2}});
    const std::pair<QLocale, QByteArray> cases[] = {
        {QLocale(QLocale::Arabic, QLocale::Egypt), "Jan 2047\t 1234.50\t 5.00\t -2.00\t 1234.50\t"},
        {QLocale(QLocale::German, QLocale::Germany),
         "Jan. 2047\t 1234,50\t 5,00\t -2,00\t 1234,50\t"},
    };
    for (const auto& [locale, month] : cases)
        EXPECT_EQ(ScheduleExport::bytes(schedule, locale).split('\n').at(2), month + "\r")
            << locale.name().toStdString();
}

TEST(ScheduleExport, AnExportThatCannotCompleteLeavesTheEarlierFileWhole)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("debts.tab");
    const QByteArray earlier = ScheduleExport::bytes(sampleSchedule(1, 2), kUs);
    writeFile(path, earlier);
    std::optional<FileProblem> failure;
    {
        const FileSizeLimit limit(4096);
        failure = ScheduleExport::write(sampleSchedule(4, 120), path, kUs);
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->path, path);
    EXPECT_EQ(readFile(path), earlier);
}

} // namespace
