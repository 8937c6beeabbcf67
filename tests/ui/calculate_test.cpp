#include "mainwindowfixture.h"
#include "platform/daydate.h"
#include "ui/schedulemodel.h"

#include <QAbstractItemModelTester>
#include <QScrollBar>
#include <QTimer>

namespace {

using Calculate = MainWindowFixture;

const double kToday = DayDate::fromDate(QDate(2026, 12, 6));

QStringList creditorsListed(const QAbstractItemModel& grid)
{
    QStringList names;
    for (int row = 0; row < grid.rowCount(); ++row)
        names.append(grid.index(row, 0).data().toString());
    return names;
}

TEST_F(Calculate, OrdersListsAndSchedulesTheDebts)
{
    givenDebts({{"Visa", 2000, 0.18, 60, kToday},
                {"Dentist", 300, 0, 50, kToday},
                {"Car", 900, 0.07, 100, kToday}},
               50);
    startWindow();
    auto* schedule = control<QTableView>("fav")->model();
    QAbstractItemModelTester tester(schedule,
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    control<QComboBox>("cbomethod")->setCurrentIndex(1); // "Smallest Balance"
    ASSERT_EQ(control<QComboBox>("cbomethod")->currentText(), "Smallest Balance");

    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);

    EXPECT_EQ(creditorsListed(*debtGrid()),
              QStringList({QString("Dentist").leftJustified(100), QString("Car").leftJustified(100),
                           QString("Visa").leftJustified(100)}));
    ASSERT_GT(schedule->rowCount(), 3);
    EXPECT_EQ(schedule->columnCount(), 9);
    EXPECT_EQ(schedule->index(0, 3).data().toString(), "Dentist");
    EXPECT_EQ(schedule->index(1, 0).data().toString(), "Date");
    EXPECT_EQ(schedule->index(2, 0).data().toString(), "Jan 2027");
    const QString lastMonthTotal = schedule->index(schedule->rowCount() - 1, 1).data().toString();
    EXPECT_EQ(lastMonthTotal, " 0.00");
    EXPECT_TRUE(control<QLabel>("lblinterest")->text().startsWith("$"));
    EXPECT_TRUE(control<QLabel>("lblpayments")->text().startsWith("$3,"));
    EXPECT_TRUE(enabled("cmdprint"));
    EXPECT_TRUE(enabled("cmdexport"));
    EXPECT_TRUE(enabled("cmdCalculate"));
    EXPECT_FALSE(control("cmdmess")->isVisible());
    EXPECT_TRUE(control("cmdexit")->hasFocus());
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Calculate, WorkedScheduleShowsItsTotals)
{
    givenDebts({{"A", 500, 0.18, 25, kToday}, {"B", 2000, 0.12, 60, kToday}}, 50);
    startWindow();
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(control<QTableView>("fav")->model()->rowCount(), 2 + 21);
    EXPECT_EQ(control<QLabel>("lblinterest")->text(), "$290.96");
    EXPECT_EQ(control<QLabel>("lblpayments")->text(), "$2,790.96");
}

TEST_F(Calculate, ABalanceThatNeverFallsLeavesNoSchedule)
{
    givenDebts({{"A", 1200, 0.10, 10, kToday}});
    startWindow();
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(prompter.messages(),
              QStringList({"The balance will never decrease unless you add extra mony towards "
                           "paying off your debts."}));
    EXPECT_EQ(control<QTableView>("fav")->model()->rowCount(), 0);
    EXPECT_TRUE(control<QLabel>("lblinterest")->text().isEmpty());
    EXPECT_TRUE(control<QLabel>("lblpayments")->text().isEmpty());
    EXPECT_FALSE(enabled("cmdprint"));
    EXPECT_FALSE(enabled("cmdexport"));
    EXPECT_TRUE(enabled("cmdCalculate"));
    EXPECT_FALSE(control("cmdmess")->isVisible());
}

TEST_F(Calculate, ACalculationThatFailsAfterOneThatWorkedDisablesPrintAndExport)
{
    givenDebts({{"A", 1000, 0.12, 100, kToday}});
    startWindow();
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    ASSERT_TRUE(enabled("cmdprint"));
    account->setExtraMoney(-100); // the minimum no longer pays anything
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(prompter.messages().size(), 1);
    EXPECT_FALSE(enabled("cmdprint"));
    EXPECT_FALSE(enabled("cmdexport"));
}

TEST_F(Calculate, ShowsProgressWhileItRuns)
{
    givenDebts({{"A", 1200, 0.10, 10, kToday}}); // ends in a message box, shown mid-run
    startWindow();
    QString caption;
    bool printEnabled = true;
    prompter.whileShown = [&](const ScriptedPrompter::Shown&) {
        caption = window->findChild<QPushButton*>("cmdmess")->text();
        printEnabled = window->findChild<QPushButton*>("cmdCalculate")->isEnabled();
    };
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_EQ(caption, "Calculating: 0%");
    EXPECT_FALSE(printEnabled) << "Calculate is disabled during the run";
}

TEST_F(Calculate, ClosingTheWindowDuringARunStopsItCleanly)
{
    givenDebts({{"Slow", 60000, 0, 100, kToday}}); // 600 months
    startWindow();
    QTimer::singleShot(0, window.get(), &QWidget::close); // runs at the first yield
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(schedule()->rowCount(), 0) << "the run stopped early";
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Calculate, HeaderRowsAndLeadingColumnsStayInViewWhileTheScheduleScrolls)
{
    std::vector<std::tuple<QString, double, double, double, double>> debts;
    for (int i = 0; i < 8; ++i)
        debts.emplace_back(QString("Card %1").arg(i), 1000 + 500 * i, 0.1, 30, kToday);
    givenDebts(debts);
    startWindow();
    QTest::mouseClick(control<QPushButton>("cmdCalculate"), Qt::LeftButton);
    auto* grid = control<QTableView>("fav");
    grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
    grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
    QCoreApplication::processEvents();

    // What is drawn at the grid's top-left corner, just below the header
    // rows, and just right of the leading columns.
    const auto cellAt = [&](QPoint inGrid) {
        QWidget* child = grid->childAt(inGrid);
        auto* view = qobject_cast<QTableView*>(child ? child->parentWidget() : nullptr);
        if (!view)
            return QString();
        return view->indexAt(view->viewport()->mapFrom(grid, inGrid)).data().toString();
    };
    const QRect viewport = grid->viewport()->geometry();
    QAbstractItemModel* table = schedule();
    EXPECT_EQ(cellAt(QPoint(viewport.left() - 190, viewport.top() - 8)), "Date");
    EXPECT_EQ(cellAt(QPoint(viewport.left() - 40, viewport.top() - 8)), "Extra $");
    EXPECT_EQ(cellAt(QPoint(viewport.right() - 10, viewport.top() - 8)), "Balance");
    EXPECT_EQ(cellAt(QPoint(viewport.right() - 10, viewport.top() - 24)),
              table->index(0, table->columnCount() - 1).data().toString());
    EXPECT_EQ(cellAt(QPoint(viewport.left() - 190, viewport.bottom() - 4)),
              table->index(table->rowCount() - 1, 0).data().toString());
}

} // namespace
