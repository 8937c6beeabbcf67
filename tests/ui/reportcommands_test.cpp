#include "mainwindowfixture.h"

#include <QDir>

namespace {

class ReportCommands : public MainWindowFixture {
protected:
    void SetUp() override
    {
        startWith({{"Visa", 1000, 0.12, 100, today}, {"Amex", 300, 0, 50, today}});
        click("cmdCalculate");
    }
    QString exportPath() const { return folder.filePath("debts.tab"); }
    bool commandsEnabled() const
    {
        return enabled("cmdCalculate") && enabled("cmdprint") && enabled("cmdexport");
    }
};

TEST_F(ReportCommands, ExportWritesTheScheduleBesideTheDataAndSaysWhere)
{
    click("cmdexport");
    const QByteArray bytes = readFile(exportPath());
    EXPECT_TRUE(bytes.startsWith(" \t \t \tVisa\tVisa\tAmex\tAmex\t\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), schedule()->rowCount());
    EXPECT_EQ(prompter.beeps, 1);
    EXPECT_EQ(prompter.texts(),
              QStringList({"Debt payoff information was exported to: \r" + exportPath() +
                           "\r\rThis file is tab delimited and can be read by most spreadsheet "
                           "programs if you wish to do further analysis."}));
    EXPECT_FALSE(control("cmdmess")->isVisible());
    EXPECT_TRUE(commandsEnabled());
}

TEST_F(ReportCommands, AFailedExportOrPrintSaysWhyOnceAndGoesOn)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("debts.tab"));
    click("cmdexport");
    QString captionMeanwhile;
    prompter.whileShown = [&] { captionMeanwhile = control<QPushButton>("cmdmess")->text(); };
    // The tests' print service is not there (see tests/CMakeLists.txt).
    click("cmdprint");
    ASSERT_EQ(prompter.texts().size(), 2);
    EXPECT_TRUE(prompter.texts().at(0).contains(exportPath()));
    EXPECT_TRUE(prompter.texts().at(1).startsWith("There is no default printer"));
    EXPECT_EQ(prompter.shown.at(1).title, "Varnholt");
    EXPECT_EQ(captionMeanwhile, "Printing...");
    EXPECT_EQ(prompter.beeps, 0);
    EXPECT_FALSE(control("cmdmess")->isVisible());
    EXPECT_TRUE(commandsEnabled());
}

} // namespace
