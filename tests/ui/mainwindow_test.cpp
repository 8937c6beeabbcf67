#include "mainwindowfixture.h"
#include "platform/daydate.h"
#include "ui/twips.h"

#include <QHeaderView>

namespace {

using MainWindow = MainWindowFixture;

double day(int year, int month, int dayOfMonth)
{
    return DayDate::fromDate(QDate(year, month, dayOfMonth));
}

TEST_F(MainWindow, StartsWithNoDataFileAsAnEmptyList)
{
    startWindow();
    EXPECT_EQ(window->windowTitle(), "Varnholt");
    EXPECT_EQ(debtGrid()->rowCount(), 0);
    EXPECT_EQ(control<QLabel>("lbltotal")->text(), "$0.00");
    EXPECT_FALSE(enabled("cmdCalculate"));
    EXPECT_FALSE(enabled("cmdprint"));
    EXPECT_FALSE(enabled("cmdexport"));
    EXPECT_TRUE(enabled("cmdexit"));
    EXPECT_FALSE(control("cmdmess")->isVisible());
    EXPECT_EQ(control<QTableView>("fav")->model()->rowCount(), 0);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(MainWindow, ListsTheDebtsOfTheDataFileWithTheirTotal)
{
    givenDebts({{"Visa", 1234.5, 0.075, 50, day(1999, 3, 5)},
                {"Car Loan", 8200, 0.069, 245, day(2026, 12, 6)},
                {"Store", 640.2, 0.2449, 25, 0}});
    startWindow();
    ASSERT_EQ(debtGrid()->rowCount(), 3);
    EXPECT_EQ(debtCell(0, 0), QString("Visa").leftJustified(100));
    EXPECT_EQ(debtCell(0, 1), "$1,234.50");
    EXPECT_EQ(debtCell(0, 2), "7.50%");
    EXPECT_EQ(debtCell(0, 3), "$50.00");
    EXPECT_EQ(debtCell(0, 4), "03/05/1999");
    EXPECT_EQ(debtCell(1, 0).trimmed(), "Car Loan");
    EXPECT_EQ(debtCell(2, 4), "12/30/1899");
    EXPECT_EQ(control<QLabel>("lbltotal")->text(), "$10,074.70");
    EXPECT_TRUE(enabled("cmdCalculate"));
    EXPECT_FALSE(enabled("cmdprint"));
    EXPECT_FALSE(enabled("cmdexport"));
    EXPECT_FALSE(control("cmdmess")->isVisible());
    EXPECT_TRUE(control<QLabel>("lblinterest")->text().isEmpty());
}

TEST_F(MainWindow, DebtGridHasItsFiveColumnsAndSelectsWholeRows)
{
    givenDebts({{"Visa", 1, 0, 1, 0}, {"Amex", 2, 0, 1, 0}});
    startWindow();
    auto* grid = control<QTableView>("fa");
    QStringList headings;
    for (int column = 0; column < debtGrid()->columnCount(); ++column)
        headings.append(debtGrid()->headerData(column, Qt::Horizontal).toString());
    EXPECT_EQ(headings, QStringList({"Creditor", "Balance", "Rate", "Monthly", "Start Date"}));
    const int widths[] = {1400, 900, 700, 900, 1000};
    for (int column = 0; column < 5; ++column)
        EXPECT_EQ(grid->columnWidth(column), Twips::toPixels(widths[column]));
    EXPECT_EQ(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(grid->selectionModel()->selectedRows().size(), 1) << "a debt is always current";
    EXPECT_EQ(grid->currentIndex().row(), 0);
}

TEST_F(MainWindow, ShowsLoadingWhileTheDataIsRead)
{
    givenDebts({{"Visa", 1, 0, 1, 0}});
    {
        // A second record with the same name makes loading show a box;
        // the window is looked at while that box waits.
        QFile file(folder.filePath("debts.dat"));
        ASSERT_TRUE(file.open(QIODevice::Append));
        QFile copy(folder.filePath("debts.dat"));
        ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
        file.write(copy.readAll());
    }
    QString captionWhileLoading;
    bool visibleWhileLoading = false;
    prompter.whileShown = [&](const ScriptedPrompter::Shown&) {
        auto* busy = window->findChild<QPushButton*>("cmdmess");
        captionWhileLoading = busy->text();
        visibleWhileLoading = busy->isVisible();
    };
    startWindow();
    EXPECT_EQ(captionWhileLoading, "Loading...");
    EXPECT_TRUE(visibleWhileLoading);
    EXPECT_FALSE(control("cmdmess")->isVisible());
    EXPECT_EQ(debtGrid()->rowCount(), 1);
}

TEST_F(MainWindow, AFailedLoadLeavesTheListEmptyAndCalculateEnabled)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("debts.dat")); // a folder where the file should be
    startWindow();
    EXPECT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(debtGrid()->rowCount(), 0);
    EXPECT_TRUE(control<QLabel>("lbltotal")->text().isEmpty());
    EXPECT_TRUE(enabled("cmdCalculate"));
    EXPECT_FALSE(enabled("cmdprint"));
}

TEST_F(MainWindow, ControlsStandAtTheirDesignedPlaces)
{
    startWindow();
    window->resize(Twips::toPixels(9480), Twips::toPixels(6435));
    EXPECT_EQ(control("fa")->geometry(), Twips::rect(120, 75, 5295, 1725));
    EXPECT_EQ(control("cmdCalculate")->geometry(), Twips::rect(8400, 600, 975, 375));
    EXPECT_EQ(control("cmdmess")->geometry(), Twips::rect(3825, 3840, 2475, 735));
    EXPECT_EQ(control("lbltotal")->geometry(), Twips::rect(1320, 240, 1095, 255));
    EXPECT_EQ(control("fav")->pos(), QPoint(0, Twips::toPixels(2040)));
    auto* methods = control<QComboBox>("cbomethod");
    ASSERT_EQ(methods->count(), 3);
    EXPECT_EQ(methods->currentText(), "Highest Interest Rate");
    EXPECT_EQ(methods->itemData(2).toInt(), 3);
    EXPECT_EQ(control<QPushButton>("cmdexit")->text(), "E&xit");
}

TEST_F(MainWindow, ResizingCentresTheUpperBlockOnlyBeyondTheReferenceWidth)
{
    startWindow();
    const std::vector<int> designed = {8, 14, 368, 368, 560, 560, 560, 560};
    window->resize(500, 400); // narrower than the reference
    EXPECT_EQ(upperBlockLefts(), designed);
    window->resize(632, 429); // the reference: 9480 + 120 = 9600 twips outside
    EXPECT_EQ(upperBlockLefts(), designed);
    EXPECT_EQ(control("fav")->width(), Twips::toPixels(9600 - 150));
    window->resize(700, 429); // 10620 twips outside: everything moves 510 twips
    std::vector<int> moved;
    for (const int left : {120, 210, 5520, 5520, 8400, 8400, 8400, 8400})
        moved.push_back(Twips::toPixels(left + 510));
    EXPECT_EQ(upperBlockLefts(), moved);
    EXPECT_EQ(control("fav")->width(), Twips::toPixels(10620 - 150));
    EXPECT_EQ(control("fa")->size(), Twips::rect(0, 0, 5295, 1725).size()) << "never resized";
    EXPECT_EQ(control("cmdmess")->pos(), Twips::rect(3825, 3840, 0, 0).topLeft());
}

TEST_F(MainWindow, OnlyTheScheduleGridFollowsTheHeight)
{
    startWindow();
    window->resize(632, 429);
    const int height = control("fav")->height();
    EXPECT_EQ(height, Twips::toPixels(6435 + 405 - 2620));
    window->resize(632, 429 + 100);
    EXPECT_EQ(control("fav")->height(), height + 100);
    window->resize(632, 100); // below the threshold the height stays
    EXPECT_EQ(control("fav")->height(), height + 100);
}

TEST_F(MainWindow, ExitClosesTheWindowWithoutWritingTheDataFile)
{
    givenDebts({{"Visa", 1, 0, 1, 0}});
    startWindow();
    const QDateTime written = QFileInfo(folder.filePath("debts.dat")).lastModified();
    QTest::mouseClick(control<QPushButton>("cmdexit"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(QFileInfo(folder.filePath("debts.dat")).lastModified(), written);
}

} // namespace
