// Prints a schedule on a real CUPS queue whose backend writes PDF, and reads
// the PDF back as text.
#include "platform/daydate.h"
#include "printservice.h"
#include "ui/mainwindowfixture.h"

namespace {

constexpr const char* kQueue = "VarnholtTest";

class PrintToPdf : public MainWindowFixture {
protected:
    PrintService service;

    void SetUp() override
    {
        const QString reason = service.unavailableReason();
        if (!reason.isEmpty())
            GTEST_SKIP() << "no print service: " << reason.toStdString();
        service.clearPdfs();
    }

    // Five debts (two blocks of columns) paid off over more than 70 months.
    void calculated()
    {
        const double today = DayDate::fromDate(clock.today());
        givenDebts({{"Visa", 3000, 0.18, 60, today},
                    {"Amex", 2000, 0.15, 45, today},
                    {"Car", 9000, 0.07, 100, today},
                    {"Store", 800, 0.24, 25, today},
                    {"Dentist", 600, 0, 20, today}});
        startWindow();
        QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
        ASSERT_GT(scheduleMonths(), 70);
    }

    QString printedText()
    {
        EXPECT_TRUE(PrintService::waitForJobs()) << service.errorLog().toStdString();
        const QStringList pdfs = service.pdfs();
        EXPECT_EQ(pdfs.size(), 1) << service.errorLog().toStdString();
        if (pdfs.isEmpty())
            return {};
        return PrintService::run(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), pdfs.first(), QStringLiteral("-")});
    }
};

TEST_F(PrintToPdf, PrintsEveryPageWithItsHeaderRowsAndYearBreaks)
{
    calculated();
    QTest::mouseClick(control<QPushButton>("cmdprint"), Qt::LeftButton);
    EXPECT_TRUE(prompter.messages().isEmpty()) << prompter.messages().join("; ").toStdString();
    EXPECT_TRUE(enabled("cmdprint"));

    const QString text = printedText();
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    const int months = scheduleMonths();
    const int pagesPerBlock = (months + 2 + 69) / 70; // rows 2 .. months + 1, a page per 70
    ASSERT_EQ(pages.size(), 2 * pagesPerBlock) << text.toStdString();
    for (int page = 0; page < pages.size(); ++page) {
        const QString first = pages[page].trimmed().section(QLatin1Char('\n'), 0, 0);
        EXPECT_TRUE(first.startsWith("Date Printed: December,06 2026")) << first.toStdString();
        EXPECT_TRUE(first.contains("Varnholt Report"));
        EXPECT_TRUE(first.endsWith(QString("Page %1").arg(page + 1))) << first.toStdString();
        EXPECT_TRUE(pages[page].contains(QRegularExpression("Date +Balance +Extra \\$ +Payment")));
    }
    EXPECT_TRUE(pages[0].contains(QRegularExpression("Store +Visa +Amex +Car")));
    EXPECT_FALSE(pages[0].contains("Dentist"));
    EXPECT_TRUE(pages[pagesPerBlock].contains("Dentist")) << "the second block";
    EXPECT_TRUE(pages[0].contains(QRegularExpression("\\nJan 2027 +\\d+\\.\\d\\d")));
    EXPECT_TRUE(pages[1].contains(QRegularExpression("\\nSep 2032 "))) << "grid row 70";

    // A December row is followed by an empty line, other months are not.
    const QStringList lines = pages[0].split(QLatin1Char('\n'));
    int decembers = 0;
    for (int i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].startsWith("Dec ")) {
            ++decembers;
            EXPECT_TRUE(lines[i + 1].trimmed().isEmpty()) << lines[i].toStdString();
        } else if (lines[i].startsWith("Jan ")) {
            EXPECT_FALSE(lines[i + 1].trimmed().isEmpty()) << lines[i].toStdString();
        }
    }
    EXPECT_EQ(decembers, 5);
}

TEST_F(PrintToPdf, AQueueThatRefusesJobsIsReportedAndNothingIsPrinted)
{
    calculated();
    PrintService::run(QStringLiteral("cupsreject"), {QString::fromLatin1(kQueue)});
    QTest::mouseClick(control<QPushButton>("cmdprint"), Qt::LeftButton);
    PrintService::run(QStringLiteral("cupsaccept"), {QString::fromLatin1(kQueue)});
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages().at(0).contains("is not accepting print jobs"));
    EXPECT_TRUE(PrintService::waitForJobs());
    EXPECT_TRUE(service.pdfs().isEmpty());
    EXPECT_TRUE(enabled("cmdCalculate"));
    EXPECT_FALSE(control("cmdmess")->isVisible());
}

} // namespace
