#include "dialogscript.h"
#include "mainwindowfixture.h"
#include "ui/comparewindow.h"
#include "ui/debtmenu.h"

#include <QClipboard>
#include <QDateEdit>
#include <QFileInfo>

namespace {

using namespace DialogScript;

class ComparePlans : public MainWindowFixture {
protected:
    QTableView* table(CompareWindow& window, const char* name)
    {
        return window.findChild<QTableView*>(QLatin1String(name));
    }
    QString row(CompareWindow& window, const char* table, int row)
    {
        QStringList cells;
        QAbstractItemModel* model = this->table(window, table)->model();
        for (int column = 0; column < model->columnCount(); ++column)
            cells.append(cell(model, row, column));
        return cells.join('|');
    }
};

TEST_F(ComparePlans, OpensFromTheMenuAndCtrlMUnlessBusy)
{
    startWith({});
    window->activateWindow(); // shortcuts work in the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    int opened = 0;
    QString summary;
    const auto count = [&] {
        whenShown<CompareWindow>([&](CompareWindow& window) {
            ++opened;
            summary = window.findChild<QLabel*>("summary")->text();
        });
    };
    count();
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    count();
    control<DebtMenu>("mnupopup")->compareItem->trigger();
    control("cmdmess")->show(); // busy
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTimer::singleShot(0, [&] {
        if (QWidget* shown = QApplication::activeModalWidget()) {
            ++opened;
            shown->close();
        }
    });
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, 2) << "not while busy";
    EXPECT_EQ(summary, "There are no debts to compare. Add them with the debt grid's menu first.");
}

TEST_F(ComparePlans, ShowsEveryPlanAndRecomputesAsTheExtraMoneyChanges)
{
    startWith({{"B", 2000, 0.12, 60, today}, {"A", 500, 0.18, 25, today}}, 50);
    const QByteArray saved = readFile(folder.filePath("debts.dat"));
    CompareWindow compare(account, prompter, clock, PriorityMethod::SmallestBalance, window.get());
    compare.show();
    EXPECT_EQ(row(compare, "plans", 0).section('|', 0, 4),
              "Highest Interest Rate|Sep 2048|21|$290.96|$2,790.96");
    EXPECT_TRUE(row(compare, "plans", 1).endsWith("|Your method; Least interest"));
    EXPECT_EQ(row(compare, "plans", 3).section('|', 0, 0), "Minimums only");
    table(compare, "plans")->selectRow(1);
    EXPECT_EQ(row(compare, "debts", 0).section('|', 0, 1), "A|Aug 2047");
    compare.findChild<QDateEdit*>("debtFreeBy")->setDate({2048, 3, 1});
    EXPECT_TRUE(row(compare, "plans", 0).contains("|$"));

    auto* extra = compare.findChild<QLineEdit*>("extraMoney");
    for (const char* typed : {"150", "abc"}) { // a text that is no amount changes nothing
        extra->selectAll();
        extra->insert(typed);
        EXPECT_EQ(row(compare, "plans", 0).section('|', 2, 2), "12") << typed;
    }
    compare.copyTable();
    const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 5);
    EXPECT_TRUE(copied[0].startsWith("Plan\tDebt-Free\tMonths\tTotal Interest"));
    EXPECT_EQ(copied[1], row(compare, "plans", 0).replace('|', '\t'));

    prompter.textAnswers = {folder.filePath("chart.png")};
    QTest::mouseClick(compare.findChild<QPushButton*>("saveChart"), Qt::LeftButton);
    EXPECT_GT(QFileInfo(folder.filePath("chart.png")).size(), 0);
    EXPECT_EQ(account.extraMoney(), 50) << "nothing changes until asked";
    QTest::mouseClick(compare.findChild<QPushButton*>("useAmount"), Qt::LeftButton);
    EXPECT_EQ(account.extraMoney(), 150);
    EXPECT_EQ(settings.value("Settings/Excees Funds").toString(), "150");
    EXPECT_EQ(readFile(folder.filePath("debts.dat")), saved);
}

TEST_F(ComparePlans, APlanThatNeverEndsSaysWhyInWords)
{
    startWith({{"Visa", 1200, 0.10, 10, today}}, 25);
    CompareWindow compare(account, prompter, clock, PriorityMethod::HighestRate, window.get());
    EXPECT_EQ(row(compare, "plans", 3).section('|', 1, 2), "Never|-");
    EXPECT_TRUE(row(compare, "plans", 3)
                    .endsWith("|Visa's minimum of $10.00 does not cover its "
                              "interest of $10.00 a month; a minimum of $10.01 "
                              "would."));
    EXPECT_EQ(row(compare, "plans", 0).section('|', 5, 5), "-") << "nothing to save against";
}

} // namespace
