// Prints a schedule on a real CUPS queue whose backend writes PDF, and reads
// the PDF back as text.
#include "printservice.h"
#include "ui/mainwindowfixture.h"

#include <QRegularExpression>

namespace {

class PrintToPdf : public MainWindowFixture {
protected:
    PrintService service;

    // Five debts (two blocks of columns) paid off over more than 70 months.
    void SetUp() override
    {
        const QString reason = service.unavailableReason();
        if (!reason.isEmpty())
            GTEST_SKIP() << "no print service: " << reason.toStdString();
        for (const QString& pdf : service.pdfs().entryList())
            service.pdfs().remove(pdf);
        startWith({{"Visa", 3000, 0.18, 60, today},
                   {"Amex", 2000, 0.15, 45, today},
                   {"Car", 9000, 0.07, 100, today},
                   {"Store", 800, 0.24, 25, today},
                   {"Dentist", 600, 0, 20, today}});
        click("cmdCalculate");
        ASSERT_EQ(schedule()->rowCount(), 2 + 88);
    }
};

TEST_F(PrintToPdf, PrintsEveryPageWithItsHeaderRowsAndYearBreaks)
{
    click("cmdprint");
    EXPECT_TRUE(prompter.shown.empty()) << prompter.texts().join("; ").toStdString();
    const QString failure = service.waitForJobs();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    const QStringList pdfs = service.pdfs().entryList();
    ASSERT_EQ(pdfs.size(), 1);
    const QString text =
        PrintService::run("pdftotext", {"-layout", service.pdfs().filePath(pdfs[0]), "-"});
    // Grid rows 2 to 89: pages of rows 2-69 and 70-89 for each block.
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 4) << text.toStdString();
    const char* creditors[] = {"Store +Visa +Amex +Car\\n", "Store +Visa +Amex +Car\\n",
                               "Dentist\\n", "Dentist\\n"};
    for (int page = 0; page < pages.size(); ++page) {
        const QString first = pages[page].trimmed().section(QLatin1Char('\n'), 0, 0);
        EXPECT_TRUE(
            QRegularExpression(
                QString("^Date Printed: December,06 2046 +Varnholt Report +Page %1$").arg(page + 1))
                .match(first)
                .hasMatch())
            << first.toStdString();
        EXPECT_TRUE(pages[page].contains(QRegularExpression(creditors[page]))) << page;
        EXPECT_TRUE(pages[page].contains(QRegularExpression("Date +Balance +Extra \\$ +Payment")));
    }
    EXPECT_TRUE(pages[1].contains(QRegularExpression("\\n\\s*Sep 2052 "))) << "grid row 70";
    // Each December row is followed by an empty line, other months are not.
    const QStringList lines = pages[0].split(QLatin1Char('\n'));
    for (int i = 0; i + 1 < lines.size(); ++i) {
        if (lines[i].startsWith("Dec ") || lines[i].startsWith("Jan ")) {
            EXPECT_EQ(lines[i + 1].trimmed().isEmpty(), lines[i].startsWith("Dec "))
                << lines[i].toStdString();
        }
    }
    EXPECT_EQ(pages[0].count(QRegularExpression("\\nDec 20")), 5);
}

TEST_F(PrintToPdf, AQueueThatRefusesJobsIsReportedAndNothingIsPrinted)
{
    PrintService::run("cupsreject", {PrintService::kQueue});
    click("cmdprint");
    PrintService::run("cupsaccept", {PrintService::kQueue});
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts().at(0).contains("is not accepting print jobs"));
    EXPECT_EQ(service.waitForJobs(), "");
    EXPECT_TRUE(service.pdfs().entryList().isEmpty());
    EXPECT_TRUE(enabled("cmdCalculate"));
}

} // namespace
