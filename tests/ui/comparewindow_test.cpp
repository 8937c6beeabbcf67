#include "mainwindowfixture.h"
#include "ui/compare/comparewindow.h"
#include "ui/main/debtmenu.h"

#include <QClipboard>
#include <QDateEdit>
#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

namespace {

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
    QStringList shown; // the summary of each window that opened
    const auto open = [&](const std::function<void()>& how) {
        QTimer::singleShot(0, [&] {
            if (auto* compare = qobject_cast<CompareWindow*>(QApplication::activeModalWidget())) {
                shown.append(compare->findChild<QLabel*>("summary")->text());
                compare->close();
            }
        });
        how();
        QCoreApplication::processEvents();
    };
    const auto ctrlM = [&] {
        QApplication::setActiveWindow(window.get()); // shortcuts work in the active window
        QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    };
    open(ctrlM);
    open([&] { control<DebtMenu>("mnupopup")->compareItem->trigger(); });
    control("cmdmess")->show(); // busy
    open(ctrlM);
    EXPECT_EQ(shown, QStringList(2, "There are no debts to compare. Add them with the debt "
                                    "grid's menu first."));
}

TEST_F(ComparePlans, ShowsEveryPlanAndRecomputesAsTheExtraMoneyChanges)
{
    startWith({{"B", 2000, 0.12, 60, today}, {"A", 500, 0.18, 25, today}}, 50);
    const QByteArray saved = readFile(folder.filePath("debts.dat"));
    CompareWindow compare(account, prompter, clock, Plan::SmallestBalance, window.get());
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
    for (const char* typed : {"150", "abc", "-20"}) { // what is no amount changes nothing
        extra->selectAll();
        extra->insert(typed);
        EXPECT_EQ(row(compare, "plans", 0).section('|', 2, 2), "12") << typed;
    }
    compare.copyTable();
    const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 5) << "a header line and a line per plan";
    EXPECT_EQ(copied[0].left(22) + copied[1],
              "Plan\tDebt-Free\tMonths\t" + row(compare, "plans", 0).replace('|', '\t'));

    prompter.textAnswers = {folder.filePath("chart.png")};
    QTest::mouseClick(compare.findChild<QPushButton*>("saveChart"), Qt::LeftButton);
    EXPECT_GT(QFileInfo(folder.filePath("chart.png")).size(), 0);
    EXPECT_EQ(account.extraMoney(), 50) << "nothing changes until asked";
    QTest::mouseClick(compare.findChild<QPushButton*>("useAmount"), Qt::LeftButton);
    EXPECT_EQ(account.extraMoney(), 150);
    EXPECT_EQ(settings.value("Settings/Excees Funds").toString(), "150");
    EXPECT_EQ(readFile(folder.filePath("debts.dat")), saved);
}

} // namespace
