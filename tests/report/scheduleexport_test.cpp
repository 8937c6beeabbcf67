#include "report/scheduleexport.h"
#include "sampleschedule.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ScheduleExport, EveryCellEndsInATabAndEveryLineInCarriageReturnLineFeed)
{
    ScheduleTable table(QLocale(QLocale::English, QLocale::UnitedStates));
    table.setUp({QString::fromUtf8("Café").leftJustified(100)});
    const double january = DayDate::fromDate(QDate(2027, 1, 6));
    table.appendMonth(january, 90, 5, {Payment{90, 15}});
    table.appendMonth(DayDate::fromDate(QDate(2027, 2, 6)), 0, 5, {Payment{0, 90.5}});
    EXPECT_EQ(ScheduleExport::bytes(table),
              QByteArray(" \t \t \tCaf\xe9\tCaf\xe9\t\r\n"
                         "Date\tBalance\tExtra $\tPayment\tBalance\t\r\n"
                         "Jan 2027\t 90.00\t 5.00\t 15.00\t 90.00\t\r\n"
                         "Feb 2027\t 0.00\t 5.00\t 90.50\tPaid Off\t\r\n"));
}

TEST(ScheduleExport, ReplacesAnEarlierFileAndWritesTheSameBytesAgain)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("debts.tab");
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write(QByteArray(100000, 'x'));
    }
    const ScheduleTable table = sampleSchedule(3, 24);
    EXPECT_EQ(ScheduleExport::write(table, path), std::nullopt);
    const QByteArray first = readFile(path);
    EXPECT_EQ(first, ScheduleExport::bytes(table));
    EXPECT_EQ(first.count("\r\n"), 26);
    EXPECT_EQ(first.count('\t'), 26 * 9);
    EXPECT_EQ(ScheduleExport::write(table, path), std::nullopt);
    EXPECT_EQ(readFile(path), first);
}

TEST(ScheduleExport, AFileThatCannotBeWrittenIsDescribed)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("debts.tab");
    ASSERT_TRUE(QDir(folder.path()).mkdir("debts.tab"));
    const std::optional<QString> failure = ScheduleExport::write(sampleSchedule(1, 2), path);
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(path));
}

TEST(ScheduleExport, AnExportThatCannotCompleteLeavesTheEarlierFileWhole)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("debts.tab");
    const QByteArray earlier = ScheduleExport::bytes(sampleSchedule(1, 2));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(earlier), earlier.size());
    }
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
