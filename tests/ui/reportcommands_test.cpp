#include "mainwindowfixture.h"
#include "platform/daydate.h"

namespace {

const double kToday = DayDate::fromDate(QDate(2026, 12, 6));

class ReportCommands : public MainWindowFixture {
protected:
    void calculated()
    {
        givenDebts({{"Visa", 1000, 0.12, 100, kToday}, {"Amex", 300, 0, 50, kToday}});
        startWindow();
        QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
        ASSERT_TRUE(enabled("cmdexport"));
    }
    QString exportPath() const { return folder.filePath("debts.tab"); }
    bool commandsEnabled() const
    {
        return enabled("cmdCalculate") && enabled("cmdprint") && enabled("cmdexport");
    }
};

TEST_F(ReportCommands, ExportWritesTheScheduleBesideTheProgramAndSaysWhere)
{
    calculated();
    QTest::mouseClick(control<QPushButton>("cmdexport"), Qt::LeftButton);
    QFile file(exportPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith(" \t \t \tVisa\tVisa\tAmex\tAmex\t\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), schedule()->rowCount());
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_EQ(prompter.messages(),
              QStringList({"Debt payoff information was exported to: \r" + exportPath() +
                           "\r\rThis file is tab delimited and can be read by most spreadsheet "
                           "programs if you wish to do further analysis."}));
    EXPECT_FALSE(control("cmdmess")->isVisible());
    EXPECT_TRUE(commandsEnabled());
}

TEST_F(ReportCommands, AFailedExportSaysWhyWithoutBeepOrSuccess)
{
    calculated();
    ASSERT_TRUE(QDir(folder.path()).mkdir("debts.tab"));
    QTest::mouseClick(control<QPushButton>("cmdexport"), Qt::LeftButton);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages().at(0).contains(exportPath()));
    EXPECT_FALSE(prompter.messages().at(0).contains("exported to"));
    EXPECT_EQ(prompter.beeps, 0);
    EXPECT_FALSE(control("cmdmess")->isVisible());
    EXPECT_TRUE(commandsEnabled());
}

// The tests run against a print service that is not there (see
// tests/CMakeLists.txt), so no real printer is ever used.
TEST_F(ReportCommands, PrintingWithoutADefaultPrinterSaysSoOnceAndGoesOn)
{
    calculated();
    QString captionMeanwhile;
    prompter.whileShown = [&](const ScriptedPrompter::Shown&) {
        captionMeanwhile = window->findChild<QPushButton*>("cmdmess")->text();
    };
    QTest::mouseClick(control<QPushButton>("cmdprint"), Qt::LeftButton);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages().at(0).startsWith("There is no default printer"));
    EXPECT_EQ(prompter.shown.at(0).title, "Varnholt");
    EXPECT_EQ(captionMeanwhile, "Printing...");
    EXPECT_FALSE(control("cmdmess")->isVisible());
    EXPECT_TRUE(commandsEnabled());
}

} // namespace
