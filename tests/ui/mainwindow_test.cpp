#include "mainwindowfixture.h"
#include "model/debtrecord.h"
#include "ui/common/celldelegate.h"
#include "ui/common/twips.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMenu>
#include <QTimer>
#include <QToolTip>

namespace {

class MainWindowTest : public MainWindowFixture {
protected:
    void calculated()
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

// A figure wider than its cell ends in "…" and shows whole in its tip; the
// current cell shows while its grid has the focus; a debt added below the
// rows in view is scrolled to and selected.
TEST_F(MainWindowTest, NoFigureIsCutUnseenAndANewDebtComesIntoView)
{
    std::vector<Debt> debts;
    for (int i = 0; i < 12; ++i)
        debts.push_back({QString("Card %1").arg(i), 150000, 0.1, 2000, today});
    startWith(debts, 10); // the extra money is largest two months on
    PaymentPlan plan;     // a payment far larger than any balance, two months on
    plan.extraMoneyChanges = {{{2047, 3}, 150000000, true}};
    account.setPlan(plan);
    auto* grid = control<QTableView>("fa");
    QStyleOptionViewItem option;
    option.fontMetrics = grid->fontMetrics();
    const auto tipOf = [&](int column) {
        option.rect = grid->visualRect(debtGrid()->index(0, column));
        QHelpEvent help(QEvent::ToolTip, option.rect.center(),
                        grid->viewport()->mapToGlobal(option.rect.center()));
        QApplication::sendEvent(grid->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipOf(0), "") << "a creditor that fits needs no tip";
    EXPECT_EQ(tipOf(1), "$150,000.00");
    EXPECT_TRUE(CellDelegate::shownText(option, "$150,000.00").endsWith(QChar(0x2026)));
    EXPECT_EQ(CellDelegate::shownText(option, "Card 0"), "Card 0");

    click("cmdCalculate"); // every schedule column fits its largest figure, the panes' too
    auto* scheduleGrid = control<QTableView>("fav");
    QList<QTableView*> views = scheduleGrid->findChildren<QTableView*>();
    views.append(scheduleGrid);
    for (QTableView* view : views) {
        for (int column = 0; column < view->model()->columnCount(); ++column) {
            option.rect = QRect(0, 0, view->columnWidth(column), 20);
            for (int row = 2; row < view->model()->rowCount(); ++row) {
                const QString figure = cell(view->model(), row, column);
                if (!view->isColumnHidden(column) && !view->isRowHidden(row)) {
                    EXPECT_EQ(CellDelegate::shownText(option, figure), figure) << column;
                }
            }
        }
    }
    EXPECT_GT(scheduleGrid->verticalHeader()->width(), 3 * Twips::toPixels(975))
        << "a total of $1.8m widens its column";

    control("cmdCalculate")->setFocus();
    const QImage unfocused = grid->grab().toImage();
    grid->setFocus();
    EXPECT_NE(grid->grab().toImage(), unfocused) << "the current cell is drawn as focused";

    ASSERT_EQ(account.debts().add({"Latest", 100, 0, 10, today}), DebtList::AddResult::Added);
    EXPECT_EQ(grid->currentIndex().row(), 12);
    EXPECT_TRUE(grid->viewport()->rect().contains(grid->visualRect(grid->currentIndex())));
}

TEST_F(MainWindowTest, ADamagedFileIsToldOnceAndKeptBeforeTheFirstSaveAndItsFlawedDebtsRefused)
{
    const auto record = [](const char* name, double balance, double startDate = 0) {
        return DebtRecord::fromDebt({name, balance, 0.1, 1e9, startDate}).toBytes();
    };
    writeFile(folder.filePath("debts.dat"), record("Visa", 1e12) + record("VISA", 1) +
                                                record("visa", 1) + record("Far", 1000, 3e6) +
                                                "tail");
    start();
    const QString cannot = "These debts cannot be calculated until they are edited or deleted: "
                           "Far (a start date past the year 9999).";
    EXPECT_EQ(prompter.texts(),
              QStringList({"Not all of debts.dat could be used:\n- more than one debt is named "
                           "Visa; only the first of each was loaded;\n- 4 bytes at its end are "
                           "not a whole record.\nBefore the first change is saved, the file is "
                           "kept as it is beside it.",
                           cannot}));
    EXPECT_EQ(control<QLabel>("lbltotal")->toolTip(), "$1,000,000,001,000.00");
    EXPECT_TRUE(label("lbltotal").endsWith(QChar(0x2026))) << "cut where it shows, not in front";
    prompter.shown.clear();
    click("cmdCalculate");
    EXPECT_EQ(prompter.texts(), QStringList({cannot}));
    EXPECT_EQ(schedule()->rowCount(), 0);
    prompter.textAnswers = {"25"};
    control<QMenu>("mnupopup")->findChild<QAction*>("mnutoolsexcessfunds")->trigger();
    EXPECT_EQ(prompter.texts().last(), "debts.dat could not be taken whole when it was read, so "
                                       "it was kept as it was in " +
                                           folder.filePath("debts.dat.bak") +
                                           " before the debts were saved.");
}

TEST_F(MainWindowTest, ADataFileThatCannotBeReadIsToldAndLeftAsItIs)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("debts.dat"));
    start();
    EXPECT_EQ(
        prompter.texts(),
        QStringList({"debts.dat could not be read, and is left as it is: no change will be "
                     "saved over it. " +
                     folder.filePath("debts.dat") + " is a folder, not a file: move it away."}));
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
        {500, 400, 0, 7500 + 120 - 150, 6000 + 405 - 2620}, // narrower than the reference
        {700, 529, 510, 10620 - 150, 7935 + 405 - 2620},    // wider
        {700, 100, 510, 10620 - 150, 7935 + 405 - 2620},
    };
    // The menu bar and the status bar lie around the client area.
    const int bars = window->height() - window->centralWidget()->height();
    for (const auto& [width, height, offset, gridWidth, gridHeight] : cases) {
        window->resize(width, height + bars);
        QList<int> moved;
        for (const int left : designed)
            moved.append(Twips::toPixels(Twips::fromPixels(left) + offset));
        EXPECT_EQ(lefts(), moved) << width;
        EXPECT_EQ(control("fav")->size(), Twips::rect(0, 0, gridWidth, gridHeight).size()) << width;
        EXPECT_EQ(control("fa")->size(), Twips::rect(0, 0, 5295, 1725).size());
    }
}

TEST_F(MainWindowTest, OrdersListsAndSchedulesTheDebtsWithTheirTotals)
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
    EXPECT_TRUE(control("cmdCalculate")->hasFocus()) << "where a Space calculates, not quits";
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(MainWindowTest, APlanThatNeverEndsSaysWhyAndLeavesNoScheduleAndNothingToPrint)
{
    const struct {
        Debt debt;
        double extra;
        const char* box;
        const char* status;
    } cases[] = {
        {{"Visa", 1000, 0.12, 100, today},
         -150, // the minimums no longer lower the balance
         "The balance will never decrease unless you add extra mony towards paying off your "
         "debts.",
         "Never debt-free: the balance does not fall"},
        {{"Slow", 1200, 0.001, 0.11, today},
         0, // it falls, by a cent or so a month
         "These debts would not be paid off within 100 years.",
         "Never debt-free: it would take more than 100 years"},
    };
    startWith({{"Visa", 1000, 0.12, 100, today}});
    for (const auto& c : cases) {
        click("cmdCalculate"); // a schedule to print, which goes
        ASSERT_TRUE(enabled("cmdprint"));
        account.restore({{c.debt}, c.extra, {}});
        prompter.shown.clear();
        click("cmdCalculate");
        EXPECT_EQ(prompter.texts(), QStringList({c.box}));
        EXPECT_EQ(label("scheduleStatus"), c.status);
        EXPECT_EQ(schedule()->rowCount(), 0);
        EXPECT_EQ(label("lblinterest") + label("lblpayments"), "");
        EXPECT_FALSE(enabled("cmdprint") || enabled("cmdexport") ||
                     control("cmdmess")->isVisible());
        EXPECT_TRUE(enabled("cmdCalculate"));
        account.restore({{{"Visa", 1000, 0.12, 100, today}}, 0, {}});
    }
}

TEST_F(MainWindowTest, ARunRefusesTheOtherCommandsAndClosingTheWindowStopsIt)
{
    startWith({{"Slow", 60000, 0, 100, today}}); // 600 months
    click("cmdCalculate");
    QString during;
    QTimer::singleShot(0, window.get(), [&] { // runs at the first yield
        during = control<QPushButton>("cmdmess")->text();
        for (const char* command : {"cmdCalculate", "cmdprint", "cmdexport"})
            during += enabled(command) ? QString(" ") + command : "";
        window->close();
    });
    click("cmdCalculate");
    EXPECT_EQ(during, "Calculating: 0%");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(schedule()->rowCount(), 0) << "the run stopped early";
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(MainWindowTest, ExportWritesTheScheduleBesideTheDataAndSaysWhere)
{
    calculated();
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

TEST_F(MainWindowTest, AFailedExportSaysWhyWithoutBeepOrSuccess)
{
    calculated();
    ASSERT_TRUE(QDir(folder.path()).mkdir("debts.tab"));
    click("cmdexport");
    EXPECT_EQ(prompter.texts(),
              QStringList({exportPath() + " is a folder, not a file: move it away."}));
    EXPECT_EQ(prompter.beeps, 0);
    EXPECT_TRUE(commandsEnabled());
}

} // namespace
