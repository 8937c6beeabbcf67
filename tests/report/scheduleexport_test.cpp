#include "report/scheduleexport.h"
#include "sampleschedule.h"

#include <QTemporaryDir>

namespace {

TEST(ScheduleExport, WritesEveryCellWithATabAndEveryLineWithCarriageReturnLineFeed)
{
    ScheduleTable table(kUs);
    table.setUp({QString::fromUtf8("Café").leftJustified(100)});
    table.appendMonth(dayNumber(2047, 1, 6), 90, 5, {{90, 15}});
    table.appendMonth(dayNumber(2047, 2, 6), 0, 5, {{0, 90.5}});
    const QByteArray expected(" \t \t \tCaf\xe9\tCaf\xe9\t\r\n"
                              "Date\tBalance\tExtra $\tPayment\tBalance\t\r\n"
                              "Jan 2047\t 90.00\t 5.00\t 15.00\t 90.00\t\r\n"
                              "Feb 2047\t 0.00\t 5.00\t 90.50\tPaid Off\t\r\n");
    QTemporaryDir folder;
    const QString path = folder.filePath("debts.tab");
    writeFile(path, QByteArray(100000, 'x'));
    EXPECT_EQ(ScheduleExport::write(table, path), std::nullopt);
    EXPECT_EQ(readFile(path), expected) << "an earlier file is replaced";
}

TEST(ScheduleExport, AnExportThatCannotCompleteLeavesTheEarlierFileWhole)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("debts.tab");
    const QByteArray earlier = ScheduleExport::bytes(sampleSchedule(1, 2));
    writeFile(path, earlier);
    std::optional<QString> failure;
    {
        const FileSizeLimit limit(4096);
        failure = ScheduleExport::write(sampleSchedule(4, 120), path);
    }
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(path));
    EXPECT_EQ(readFile(path), earlier);
}

} // namespace
