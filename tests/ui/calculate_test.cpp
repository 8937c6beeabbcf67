#include "mainwindowfixture.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QScrollBar>
#include <QTimer>

namespace {

using Calculate = MainWindowFixture;

TEST_F(Calculate, OrdersListsAndSchedulesTheDebtsWithTheirTotals)
{
    // The worked schedule of A and B; Dentist owes nothing and has no minimum.
    startWith(
        {{"Dentist", 0, 0.30, 0, today}, {"B", 2000, 0.12, 60, today}, {"A", 500, 0.18, 25, today}},
        50);
    QAbstractItemModelTester tester(schedule(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    control<QComboBox>("cbomethod")->setCurrentIndex(2);
    ASSERT_EQ(control<QComboBox>("cbomethod")->currentText(), "Smallest (Balance/Monthly)");
    click("cmdCalculate");
    EXPECT_EQ(cell(debtGrid(), 0, 0) + cell(debtGrid(), 2, 0),
              QString("A").leftJustified(100) + QString("Dentist").leftJustified(100));
    ASSERT_EQ(schedule()->rowCount(), 2 + 21);
    EXPECT_EQ(cell(schedule(), 0, 3) + cell(schedule(), 0, 7) + cell(schedule(), 2, 0) +
                  cell(schedule(), 22, 1),
              "ADentistJan 2047 0.00");
    EXPECT_EQ(label("lbltotal") + " " + label("lblinterest") + " " + label("lblpayments"),
              "$2,500.00 $290.96 $2,790.96");
    EXPECT_TRUE(enabled("cmdprint") && enabled("cmdexport") && enabled("cmdCalculate"));
    EXPECT_FALSE(control("cmdmess")->isVisible());
    EXPECT_TRUE(control("cmdexit")->hasFocus());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Calculate, ABalanceThatNeverFallsLeavesNoScheduleAndNothingToPrint)
{
    startWith({{"A", 1000, 0.12, 100, today}});
    click("cmdCalculate");
    ASSERT_TRUE(enabled("cmdprint"));
    account.setExtraMoney(-100); // the minimum no longer pays anything
    QString meanwhile;
    prompter.whileShown = [&] {
        meanwhile =
            control<QPushButton>("cmdmess")->text() + (enabled("cmdCalculate") ? " on" : "");
    };
    click("cmdCalculate");
    EXPECT_EQ(prompter.texts(), QStringList({"The balance will never decrease unless you add extra "
                                             "mony towards paying off your debts."}));
    EXPECT_EQ(meanwhile, "Calculating: 0%");
    EXPECT_EQ(schedule()->rowCount(), 0);
    EXPECT_EQ(label("lblinterest") + label("lblpayments"), "");
    EXPECT_FALSE(enabled("cmdprint") || enabled("cmdexport") || control("cmdmess")->isVisible());
    EXPECT_TRUE(enabled("cmdCalculate"));
}

TEST_F(Calculate, ClosingTheWindowDuringARunStopsItCleanly)
{
    startWith({{"Slow", 60000, 0, 100, today}});          // 600 months
    QTimer::singleShot(0, window.get(), &QWidget::close); // runs at the first yield
    click("cmdCalculate");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(schedule()->rowCount(), 0) << "the run stopped early";
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Calculate, HeaderRowsAndLeadingColumnsStayInViewWhileTheScheduleScrolls)
{
    std::vector<Debt> debts(8, {"", 1000, 0.1, 30, today});
    for (size_t i = 0; i < debts.size(); ++i)
        debts[i].creditor = QString("Card %1").arg(i);
    startWith(debts);
    click("cmdCalculate");
    auto* grid = control<QTableView>("fav");
    for (QScrollBar* bar : {grid->horizontalScrollBar(), grid->verticalScrollBar()})
        bar->setValue(bar->maximum());
    QCoreApplication::processEvents();
    // What is drawn at a point of the grid, whichever of its views draws it.
    const auto shownAt = [&](int x, int y) {
        QWidget* child = grid->childAt(x, y);
        auto* view = qobject_cast<QTableView*>(child ? child->parentWidget() : nullptr);
        return view ? view->indexAt(view->viewport()->mapFrom(grid, QPoint(x, y))).data().toString()
                    : "";
    };
    const QRect cells = grid->viewport()->geometry();
    const int lastRow = schedule()->rowCount() - 1;
    const int lastColumn = schedule()->columnCount() - 1;
    EXPECT_EQ(shownAt(cells.left() - 190, cells.top() - 8), "Date");
    EXPECT_EQ(shownAt(cells.left() - 40, cells.top() - 8), "Extra $");
    EXPECT_EQ(shownAt(cells.right() - 10, cells.top() - 24), cell(schedule(), 0, lastColumn));
    EXPECT_EQ(shownAt(cells.left() - 190, cells.bottom() - 4), cell(schedule(), lastRow, 0));
    EXPECT_EQ(shownAt(cells.right() - 10, cells.bottom() - 4),
              cell(schedule(), lastRow, lastColumn));
}

} // namespace
