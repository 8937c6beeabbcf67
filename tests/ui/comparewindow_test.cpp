#include "mainwindowfixture.h"
#include "model/extramoney.h"
#include "platform/formats.h"
#include "ui/compare/comparewindow.h"
#include "ui/main/debtmenu.h"

#include <QAbstractAxis>
#include <QChartView>
#include <QClipboard>
#include <QDateEdit>
#include <QDir>
#include <QFileInfo>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QTimer>
#include <utility>

namespace {

class ComparePlans : public MainWindowFixture {
protected:
    // Works in the test's thread: every result is in before the call returns.
    std::unique_ptr<ComparisonRunner> runner()
    {
        return std::make_unique<ImmediateRunner>(account, kToday);
    }
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

// The figures were worked out by hand from the month rules, apart from the
// program: the two debts are those of the worked schedule of the simulation.
TEST_F(ComparePlans, ShowsEveryPlanAndRecomputesAsTheExtraMoneyChanges)
{
    startWith({{"B", 2000, 0.12, 60, today}, {"A", 500, 0.18, 25, today}}, 50);
    const QByteArray saved = readFile(folder.filePath("debts.dat"));
    CompareWindow compare(account, prompter, clock, payoffMethod(u"smallest-balance"), window.get(),
                          runner());
    compare.show();
    EXPECT_EQ(row(compare, "plans", 0).section('|', 0, 5),
              "Highest Interest Rate|Sep 2048|21|$290.96|$2,790.96|$252.95")
        << "the interest saved against the 41 months of minimums only, $543.90";
    EXPECT_EQ(row(compare, "plans", 3).section('|', 0, 4),
              "Custom Order|Sep 2048|21|$315.24|$2,815.24")
        << "an empty order pays B, the first of the list, first";
    EXPECT_TRUE(row(compare, "plans", 1).endsWith("|Your method; Least interest"));
    EXPECT_EQ(row(compare, "plans", 4).section('|', 0, 5),
              "Least Interest|Sep 2048|21|$290.96|$2,790.96|$252.95")
        << "the highest rate first is already the least";
    EXPECT_TRUE(row(compare, "plans", 4).endsWith("|Least interest"));
    EXPECT_EQ(row(compare, "plans", 5).section('|', 0, 3), "Minimums only|May 2050|41|$543.90");
    table(compare, "plans")->selectRow(1);
    EXPECT_EQ(compare.findChild<QLabel*>("debtsTitle")->text(),
              "Each debt under Smallest Balance:");
    EXPECT_EQ(row(compare, "debts", 0) + " " + row(compare, "debts", 1),
              "A|Aug 2047|$30.78 B|Sep 2048|$260.17");
    compare.findChild<QDateEdit*>("debtFreeBy")->setDate({2048, 3, 1});
    EXPECT_EQ(row(compare, "plans", 0).section('|', 6, 6), "$95.79") << "15 months";
    EXPECT_EQ(row(compare, "plans", 5).section('|', 6, 6), "No amount (minimums only)");
    EXPECT_EQ(row(compare, "plans", 4).section('|', 6, 6), "\u2014");
    EXPECT_EQ(table(compare, "plans")->model()->index(4, 6).data(Qt::ToolTipRole),
              "The least extra money for a month is worked out for the other methods only: "
              "Least Interest finds its order anew for every amount.");
    EXPECT_EQ(table(compare, "plans")->model()->headerData(6, Qt::Horizontal),
              "Extra for Mar 2048");

    auto* extra = compare.findChild<QLineEdit*>("extraMoney");
    auto* useAmount = compare.findChild<QPushButton*>("useAmount");
    const QString figuresFor = " The figures are for $1,150.00 a month.";
    const struct {
        const char* typed;
        const char* summary; // "" when the amount is used
    } typings[] = {
        {"1,150", ""},
        {"abc", "Enter the extra money as an amount of 0 or more, such as 1,250.75; you typed "
                "\"abc\"."},
        {"", "Enter the extra money as an amount of 0 or more, such as 1,250.75."},
        {"-20", "Enter the extra money as an amount of 0 or more, such as 1,250.75; you typed "
                "\"-20\"."},
        {"2,500", ""}, // read whole, not as 2
        {"150", ""},
    };
    for (const auto& t : typings) { // what is no amount changes nothing
        extra->selectAll();
        extra->insert(t.typed);
        const bool used = QString(t.summary).isEmpty();
        EXPECT_EQ(compare.findChild<QLabel*>("summary")->text(),
                  used ? "Each plan with " + Format::currency(*ExtraMoney::fromTyped(t.typed)) +
                             " of extra money a month, against paying only the minimums."
                       : t.summary + figuresFor)
            << t.typed;
        EXPECT_EQ(useAmount->isEnabled(), used) << t.typed;
    }
    EXPECT_EQ(row(compare, "plans", 0).section('|', 2, 2), "12");
    compare.copyTable();
    const QStringList copied = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(copied.size(), 7) << "a header line and a line per plan";
    auto* done = compare.findChild<QLabel*>("done");
    EXPECT_EQ(done->text(), "Copied 6 plans");
    EXPECT_EQ(copied[0].left(22) + copied[1],
              "Plan\tDebt-Free\tMonths\t" + row(compare, "plans", 0).replace('|', '\t'));

    prompter.textAnswers = {folder.filePath("chart")}; // a PNG, named so
    QTest::mouseClick(compare.findChild<QPushButton*>("saveChart"), Qt::LeftButton);
    EXPECT_GT(QFileInfo(folder.filePath("chart.png")).size(), 0);
    EXPECT_EQ(prompter.texts().last(), "PNG images (*.png)");
    EXPECT_EQ(done->text(), "Saved chart.png");
    EXPECT_EQ(account.extraMoney(), 50) << "nothing changes until asked";
    QTest::mouseClick(compare.findChild<QPushButton*>("useAmount"), Qt::LeftButton);
    EXPECT_EQ(account.extraMoney(), 150);
    EXPECT_EQ(done->text(), "Extra money is now $150.00 a month");
    EXPECT_EQ(settings.value("Settings/Excees Funds").toString(), "150");
    // A button's access key presses it a moment later: its text tells it.
    EXPECT_EQ(useAmount->text(), "&Use This Amount");
    const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_E, "extraMoney"},
                                                    {Qt::Key_D, "debtFreeBy"}};
    QApplication::setActiveWindow(&compare);
    for (const auto& [key, reached] : keys) {
        QTest::keyClick(&compare, key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), reached);
    }
    table(compare, "plans")->setFocus();
    QTest::keyClick(table(compare, "plans"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "debts") << "Tab leaves the table";

    PaymentPlan changes;
    changes.extraMoneyChanges = {{{2047, 3}, 100, false}};
    account.setPlan(changes);
    CompareWindow changed(account, prompter, clock, nullptr, window.get(), runner());
    EXPECT_EQ(changed.findChild<QLabel*>("summary")->text(),
              "Each plan with $150.00 of extra money a month and your payment plan's changes, "
              "against paying only the minimums.");
    EXPECT_EQ(readFile(folder.filePath("debts.dat")), saved);

    prompter.shown.clear(); // an amount or a chart that cannot be saved is told
    QFile::remove(settings.fileName());
    QDir().mkdir(settings.fileName());
    extra->selectAll();
    extra->insert("75");
    prompter.textAnswers = {folder.filePath("no/such/chart.png")};
    for (const char* button : {"useAmount", "saveChart"})
        QTest::mouseClick(compare.findChild<QPushButton*>(button), Qt::LeftButton);
    EXPECT_EQ(account.extraMoney(), 150) << "taken back";
    EXPECT_EQ(prompter.texts().at(0), "The extra money could not be saved in the settings. " +
                                          settings.fileName() +
                                          " is a folder, not a file: move it away. Your change "
                                          "was taken back.");
    EXPECT_EQ(prompter.texts().at(2),
              "The chart could not be saved as " + folder.filePath("no/such/chart.png") + ".");
}

TEST_F(ComparePlans, APlanThatNeverEndsSaysWhy)
{
    startWith({{"Visa", 1200, 0.10, 10, today}}); // the minimum is only the interest
    CompareWindow compare(account, prompter, clock, payoffMethod(u"highest-rate"), window.get(),
                          runner());
    EXPECT_EQ(row(compare, "plans", 5).section('|', 1, 6),
              "Never|-|-|-|-|No amount (minimums only)");
    EXPECT_TRUE(row(compare, "plans", 5)
                    .endsWith("|Visa's minimum of $10.00 does not cover its interest of $10.00 a "
                              "month; a minimum of "
                              "$10.01 would."));
    account.restore({{{"Slow", 1200, 0.001, 0.11, today}}, 0, {}}); // it falls, but slowly
    CompareWindow slow(account, prompter, clock, payoffMethod(u"highest-rate"), window.get(),
                       runner());
    EXPECT_EQ(row(slow, "plans", 0).section('|', 1, 5), "More than 100 years|-|-|-|-");
    EXPECT_EQ(row(slow, "plans", 0).section('|', 7, 7), "Your method") << "nothing more to say";
}

// A month is typed by its name, the start of it or its number, with or
// without its year; the arrows step it as before.
TEST_F(ComparePlans, AMonthIsTypedAsItIsSaid)
{
    startWith({{"Visa", 1000, 0.12, 100, today}});
    CompareWindow compare(account, prompter, clock, nullptr, window.get(), runner());
    auto* month = compare.findChild<QDateEdit*>("debtFreeBy");
    const std::pair<const char*, QDate> typings[] = {
        {"Apr", {2049, 4, 1}},     {"august", {2049, 8, 1}},   {"04", {2049, 4, 1}},
        {"12", {2049, 12, 1}},     {"Ma", {2049, 3, 1}},       {"April 2051", {2051, 4, 1}},
        {"04/2052", {2052, 4, 1}}, {"Sep 2061", {2061, 9, 1}}, {"xyz", {2049, 6, 1}},
    };
    for (const auto& [typed, shown] : typings) {
        month->setDate({2049, 6, 1});
        month->setFocus();
        QTest::keyClicks(month, typed);
        EXPECT_EQ(month->date(), shown) << typed;
    }
    QTest::keyClick(month, Qt::Key_Up);
    EXPECT_NE(month->date(), QDate(2049, 6, 1)) << "the arrows still step it";
}

TEST_F(ComparePlans, WithNothingToCompareItSaysWhyAndTheChartShowsNoAxes)
{
    const std::pair<std::vector<Debt>, QString> cases[] = {
        {{}, "There are no debts to compare. Add them with the debt grid's menu first."},
        {{{"Far", 100, 0, 10, 3e6}},
         "These debts cannot be calculated until they are edited or "
         "deleted: Far (a start date past the year 9999)."},
    };
    start();
    for (const auto& [debts, why] : cases) {
        account.restore({debts, 0, {}});
        CompareWindow compare(account, prompter, clock, payoffMethod(u"highest-rate"), window.get(),
                              runner());
        EXPECT_EQ(compare.findChild<QLabel*>("summary")->text(), why);
        EXPECT_EQ(table(compare, "plans")->model()->rowCount(), 0);
        for (QAbstractAxis* axis : compare.findChild<QChartView*>("chart")->chart()->axes())
            EXPECT_FALSE(axis->isVisible());
    }
}

// Keeps the work it is given, and the reports of the work, until the test
// runs them, in any order.
class DeferredRunner : public ComparisonRunner {
public:
    using ComparisonRunner::ComparisonRunner;
    std::vector<std::function<void()>> work;
    std::vector<std::function<void()>> reports;

    void deliverAll()
    {
        for (const auto& report : std::exchange(reports, {}))
            report();
    }
    void deliverNext()
    {
        const auto report = reports.front();
        reports.erase(reports.begin());
        report();
    }

protected:
    void launch(std::function<void()> job) override { work.push_back(std::move(job)); }
    void deliver(std::function<void()> report) override { reports.push_back(std::move(report)); }
};

TEST_F(ComparePlans, FiguresOfOlderWorkAreNeverShownBesideNewer)
{
    startWith({{"Loan", 1200, 0, 100, today}, {"Gone", 0, 0.1, 10, today}});
    auto deferred = std::make_unique<DeferredRunner>(account, kToday);
    DeferredRunner& runner = *deferred;
    CompareWindow compare(account, prompter, clock, payoffMethod(u"highest-rate"), window.get(),
                          std::move(deferred));
    auto* extra = compare.findChild<QLineEdit*>("extraMoney");
    runner.work[0](); // done, its reports on their way when a newer amount is typed
    extra->selectAll();
    extra->insert("1100");
    ASSERT_EQ(runner.work.size(), 2u);
    EXPECT_EQ(table(compare, "plans")->model()->rowCount(), 0) << "the window opens at once";
    runner.deliverAll(); // the older work's reports arrive: they are not shown
    EXPECT_EQ(table(compare, "plans")->model()->rowCount(), 0);
    runner.work[1]();
    const auto plansShown = [&] {
        QStringList names;
        for (int plan = 0; plan < table(compare, "plans")->model()->rowCount(); ++plan)
            names.append(cell(table(compare, "plans")->model(), plan, 0));
        return names.join(", ");
    };
    for (int plan = 0; plan < 5; ++plan)
        runner.deliverNext();
    EXPECT_EQ(plansShown(), "Highest Interest Rate, Smallest Balance, Smallest (Balance/Monthly), "
                            "Custom Order, Minimums only")
        << "the searched plan comes last";
    runner.deliverNext();
    EXPECT_EQ(plansShown(), "Highest Interest Rate, Smallest Balance, Smallest (Balance/Monthly), "
                            "Custom Order, Least Interest, Minimums only")
        << "in its place";
    runner.deliverAll();
    EXPECT_EQ(row(compare, "plans", 0).section('|', 1, 2), "Jan 2047|1");
    table(compare, "plans")->selectRow(2);
    EXPECT_EQ(row(compare, "debts", 0), "Gone|Paid off|$0.00") << "owed nothing from the start";
    QChart* chart = compare.findChild<QChartView*>("chart")->chart();
    auto lines = chart->series();
    const auto* onTop = static_cast<QLineSeries*>(lines.takeLast());
    EXPECT_EQ(onTop->points(), static_cast<QLineSeries*>(lines[2])->points())
        << "the selected plan is drawn again over the lines it lies on";
    compare.show();
    QCoreApplication::processEvents();
    QStringList names;
    for (QLegendMarker* marker : chart->legend()->markers()) {
        if (!marker->isVisible())
            continue;
        names.append(marker->label());
        EXPECT_LT(QFontMetrics(chart->legend()->font()).horizontalAdvance(marker->label()),
                  chart->legend()->geometry().width())
            << "every name whole: " << marker->label().toStdString();
    }
    EXPECT_EQ(names.size(), lines.size());
    EXPECT_GE(chart->legend()->geometry().height(),
              names.size() * QFontMetrics(chart->legend()->font()).height())
        << "a name a row, each with the room it needs";
    QSet<int> styles;
    for (QAbstractSeries* line : lines) {
        const QPen pen = static_cast<QLineSeries*>(line)->pen();
        styles.insert(pen.style());
        EXPECT_EQ(pen.widthF(), line == lines[2] ? 4 : 2) << "the selected plan stands out";
    }
    EXPECT_EQ(styles.size(), lines.size()) << "lines that coincide all show";
}

} // namespace
