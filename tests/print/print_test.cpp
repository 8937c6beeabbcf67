// Prints a schedule on a real CUPS queue whose backend writes PDF, and reads
// the PDF back as text.
#include "ui/mainwindowfixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace {

constexpr const char* kQueue = "VarnholtTest";

// The output of a command, run against the print service.
QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

// The tests' own print service (scripts/test-print-service.sh), which the
// tests' main() points CUPS_SERVER at.
// (Read once main() has set it.)
QString service(const char* path)
{
    return qEnvironmentVariable("VARNHOLT_PRINT_SERVICE") + path;
}

// Waits until the queue is empty. A job that stops the queue (a failed
// filter) ends the wait at once: the result is then the service's reason.
QString waitForJobs()
{
    QElapsedTimer timer;
    timer.start();
    while (!run("lpstat", {"-o"}).trimmed().isEmpty()) {
        const QString queue = run("lpstat", {"-l", "-p", kQueue});
        if (queue.contains("disabled") || timer.elapsed() > 30000)
            return queue + readFile(service("/log/error_log")).right(2000);
        QThread::msleep(50);
    }
    return {};
}

class PrintToPdf : public MainWindowFixture {
protected:
    QDir pdfFolder() const { return QDir(service("/pdf"), "*.pdf"); }

    // Five debts (two blocks of columns) paid off over more than 70 months.
    void SetUp() override
    {
        if (!QFile::exists(service("/cups.sock")))
            GTEST_SKIP() << "no print service (run the test through ctest): "
                         << readFile(service("/unavailable")).toStdString();
        for (const QString& pdf : pdfFolder().entryList())
            QFile::remove(pdfFolder().filePath(pdf));
        startWith({{"Visa", 3000, 0.18, 60, today},
                   {"Amex", 2000, 0.15, 45, today},
                   {"Car", 9000, 0.07, 100, today},
                   {"Store", 800, 0.24, 25, today},
                   {"Dentist", 600, 0, 20, today}});
        click("cmdCalculate");
        ASSERT_EQ(schedule()->rowCount(), 2 + 88);
    }
};

TEST_F(PrintToPdf, PrintsEveryPageWithItsHeaderRowsAndYearBreaksUnlessTheQueueRefuses)
{
    click("cmdprint");
    EXPECT_TRUE(prompter.shown.empty()) << prompter.texts().join("; ").toStdString();
    const QString failure = waitForJobs();
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    const QStringList pdfs = pdfFolder().entryList();
    ASSERT_EQ(pdfs.size(), 1);
    const QStringList pages = run("pdftotext", {"-layout", pdfFolder().filePath(pdfs[0]), "-"})
                                  .split('\f', Qt::SkipEmptyParts);
    // Grid rows 2 to 89: pages of rows 2-69 and 70-89 for each block of four debts.
    ASSERT_EQ(pages.size(), 4);
    for (int page = 0; page < pages.size(); ++page) {
        const QString header("Date Printed: December,06 2046 +Varnholt Report +Page %1\n");
        EXPECT_TRUE(pages[page].contains(QRegularExpression(header.arg(page + 1)))) << page;
        EXPECT_EQ(pages[page].contains("Dentist"), page >= 2) << "the second block";
    }
    EXPECT_TRUE(pages[0].contains(QRegularExpression("Store +Visa +Amex +Car\n *Date +Balance")));
    EXPECT_TRUE(pages[1].contains(QRegularExpression("\n\\s*Sep 2052 "))) << "grid row 70";
    const QRegularExpression yearEnd("\n(Dec|Jan) 20\\d\\d [^\n]*\n\\s*\n");
    EXPECT_EQ(pages[0].count(yearEnd), 5) << "an empty line after each December, not January";

    QFile::remove(pdfFolder().filePath(pdfs[0]));
    run("cupsreject", {kQueue});
    click("cmdprint");
    run("cupsaccept", {kQueue});
    EXPECT_EQ(waitForJobs(), "");
    EXPECT_TRUE(pdfFolder().entryList().isEmpty());
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts().at(0).contains("is not accepting print jobs"));
}

} // namespace
