#include "mainwindowfixture.h"
#include "ui/twips.h"

#include <QDir>

namespace {

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, StartsWithTheDebtsOfTheDataFileAndTheirTotal)
{
    startWith({{"Visa", 1234.5, 0.075, 50, dayNumber(1999, 3, 5)},
               {"Car Loan", 8200, 0.069, 245, today},
               {"Store", 640.2, 0.2449, 25, 0}});
    EXPECT_EQ(window->windowTitle(), "Varnholt");
    QStringList first;
    for (int column = 0; column < 5; ++column)
        first.append(cell(debtGrid(), 0, column));
    EXPECT_EQ(first.join('|'),
              QString("Visa").leftJustified(100) + "|$1,234.50|7.50%|$50.00|03/05/1999");
    EXPECT_EQ(cell(debtGrid(), 2, 4), "12/30/1899");
    EXPECT_EQ(label("lbltotal"), "$10,074.70");
    EXPECT_EQ(control<QTableView>("fa")->selectionModel()->selectedRows().size(), 1)
        << "a debt is always current";
    EXPECT_TRUE(enabled("cmdCalculate"));
    EXPECT_FALSE(enabled("cmdprint") || enabled("cmdexport") || control("cmdmess")->isVisible());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(MainWindowTest, StartsEmptyWithoutDebtsAndWhenTheFileCannotBeRead)
{
    for (const bool readable : {true, false}) {
        if (!readable) {
            QFile::remove(folder.filePath("debts.dat"));
            ASSERT_TRUE(QDir(folder.path()).mkdir("debts.dat"));
        }
        QString captionWhileLoading;
        prompter.whileShown = [&] {
            captionWhileLoading = control<QPushButton>("cmdmess")->text();
        };
        start();
        EXPECT_EQ(debtGrid()->rowCount(), 0);
        EXPECT_EQ(captionWhileLoading, readable ? "" : "Loading...") << "the box of a failed load";
        EXPECT_EQ(label("lbltotal"), readable ? "$0.00" : "");
        EXPECT_EQ(enabled("cmdCalculate"), !readable) << "a failed load leaves Calculate on";
        EXPECT_FALSE(enabled("cmdprint") || enabled("cmdexport") ||
                     control("cmdmess")->isVisible());
    }
}

TEST_F(MainWindowTest, OnlyTheScheduleGridFollowsTheSizeAndTheUpperBlockCentresWhenWide)
{
    start();
    const auto lefts = [&] {
        QList<int> all;
        for (const char* name : {"fa", "Label2", "Frame1", "Frame2", "cmdexit", "cmdprint",
                                 "cmdexport", "cmdCalculate"})
            all.append(control(name)->x());
        return all;
    };
    const QList<int> designed = lefts();
    // Client sizes in pixels; the rule adds a frame of 120 x 405 twips. Below
    // 2825 twips of height the grid keeps its height.
    const int cases[][5] = {
        // width, height, offset, grid width, grid height (twips)
        {500, 400, 0, 7500 + 120 - 150, 6000 + 405 - 2620},
        {632, 429, 0, 9600 - 150, 6435 + 405 - 2620},
        {700, 529, 510, 10620 - 150, 7935 + 405 - 2620},
        {700, 100, 510, 10620 - 150, 7935 + 405 - 2620},
    };
    for (const auto& [width, height, offset, gridWidth, gridHeight] : cases) {
        window->resize(width, height);
        QList<int> moved;
        for (const int left : designed)
            moved.append(Twips::toPixels(Twips::fromPixels(left) + offset));
        EXPECT_EQ(lefts(), moved) << width;
        EXPECT_EQ(control("fav")->size(), Twips::rect(0, 0, gridWidth, gridHeight).size()) << width;
        EXPECT_EQ(control("fa")->size(), Twips::rect(0, 0, 5295, 1725).size());
    }
}

} // namespace
