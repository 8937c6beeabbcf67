#include "mainwindowfixture.h"
#include "model/planfile.h"
#include "ui/main/ordersearch.h"

#include <QAction>
#include <QComboBox>

namespace {

class LeastInterestWindow : public MainWindowFixture {
protected:
    // The debts and their plan, with Least Interest chosen.
    void startSearching(const std::vector<Debt>& debts, double extra,
                        std::vector<PaymentPlan::Promotion> promotions = {})
    {
        if (!window || !window->isVisible())
            start();
        PaymentPlan plan;
        plan.promotions = std::move(promotions);
        account.restore({debts, extra, plan});
        control<QComboBox>("cbomethod")->setCurrentText("Least Interest");
    }
    QString paymentOrder() const
    {
        QStringList creditors;
        for (int row = 0; row < debtGrid()->rowCount(); ++row)
            creditors.append(cell(debtGrid(), row, 0).trimmed());
        return creditors.join(", ");
    }
    QAction* useOrder() const { return window->findChild<QAction*>("menuUseOrder"); }
};

const std::vector<Debt> kCards = {{"Transfer Card", 5000, 0.2999, 150, 0},
                                  {"Bank Loan", 5000, 0.15, 120, 0},
                                  {"Store Card", 1200, 0.2499, 40, 0}};
const std::vector<PaymentPlan::Promotion> kZeroThrough2047 = {{"Transfer Card", 0, {2047, 12}}};

// The worked examples, and a case no rule of thumb finds, each against a
// dearer order.
TEST_F(LeastInterestWindow, CalculateShowsTheOrderFoundAndWhatItSaves)
{
    const struct {
        std::vector<Debt> debts;
        PaymentPlan plan;
        double extra;
        const char* shown; // the payment order, total interest and status
        const char* saving;
        const char* dearer; // a method and its total interest, by the plan's custom order
    } cases[] = {
        {kCards,
         {{}, kZeroThrough2047, {}},
         430,
         "Store Card, Bank Loan, Transfer Card|$692.63|Debt-free in May 2048, 17 months",
         "Least Interest: the same as Smallest Balance (every order tried)",
         "Highest Interest Rate|$1,045.63"},
        {{{"Transfer Card", 10000, 0.2999, 200, 0}, {"Bank Loan", 5000, 0.15, 100, 0}},
         {{}, {{"Transfer Card", 0, {2047, 6}}}, {"Bank Loan"}},
         250,
         "Transfer Card, Bank Loan|$3,885.30|Debt-free in Nov 2049, 35 months",
         "Least Interest: the same as Highest Interest Rate (every order tried)",
         "Custom Order|$5,459.38"},
        {{{"Bank Loan", 5000, 0.15, 120, 0},
          {"Transfer Card", 5000, 0.2999, 150, 0},
          {"Store Card", 5500, 0.2499, 100, 0}},
         {{}, kZeroThrough2047, {}},
         430,
         "Store Card, Transfer Card, Bank Loan|$2,099.12|Debt-free in Oct 2048, 22 months",
         "Least Interest: $625.23 less interest than Smallest Balance (every order tried)",
         "Smallest Balance|$2,724.35"},
    };
    for (const auto& c : cases) {
        startSearching(c.debts, c.extra);
        account.setPlan(c.plan);
        click("cmdCalculate");
        EXPECT_EQ(paymentOrder() + "|" + label("lblinterest") + "|" + label("scheduleStatus"),
                  c.shown);
        EXPECT_EQ(label("methodStatus"), c.saving);
        EXPECT_TRUE(control("methodStatus")->isVisible());
        control<QComboBox>("cbomethod")->setCurrentText(QString(c.dearer).section('|', 0, 0));
        click("cmdCalculate");
        EXPECT_EQ(QString(c.dearer).section('|', 1), label("lblinterest"));
        EXPECT_FALSE(control("methodStatus")->isVisible()) << "another method saves nothing";
        EXPECT_TRUE(prompter.shown.empty());
    }

    // At the designed width every part of the status bar shows whole, on two
    // lines; narrower, the less important parts give way first.
    startSearching(kCards, 430, kZeroThrough2047);
    click("cmdCalculate");
    const char* const parts[] = {"scheduleStatus", "methodStatus", "extraMoneyStatus"};
    for (const char* part : parts)
        EXPECT_EQ(control(part)->toolTip(), "") << part;
    window->resize(250, window->height());
    for (const char* part : parts)
        EXPECT_EQ(control(part)->toolTip(), part == parts[0] ? "" : label(part))
            << part << ": cut, and whole in its tip";

    std::vector<Debt> nine; // too many to try every order, and alike: every method ties
    for (int i = 0; i < 9; ++i)
        nine.push_back({QString("Card %1").arg(i), 1000, 0.1, 50, 0});
    startSearching(nine, 100);
    click("cmdCalculate");
    EXPECT_EQ(label("methodStatus"), "Least Interest: the same as Highest Interest Rate (searched)")
        << "the first method of a tie";
}

// Esc, the busy button and closing the window each stop the search at once:
// the schedule already shown stays as it was.
TEST_F(LeastInterestWindow, ACancelledSearchLeavesTheScheduleAsItWas)
{
    const std::function<void()> cancels[] = {
        [this] { QTest::keyClick(window.get(), Qt::Key_Escape); },
        [this] { click("cmdmess"); },
        [this] { window->close(); },
    };
    for (const auto& cancel : cancels) {
        startSearching(kCards, 430, kZeroThrough2047);
        click("cmdCalculate");
        const int months = schedule()->rowCount();
        account.restore({kCards, 500, account.plan()}); // what a finished search would show
        auto* search = window->findChild<OrderSearch*>();
        ASSERT_NE(search, nullptr);
        QString caption;
        const auto connection = QObject::connect(search, &OrderSearch::searched, [&](long orders) {
            if (orders != 0)
                return;
            caption = control<QPushButton>("cmdmess")->text();
            cancel();
        });
        click("cmdCalculate");
        QObject::disconnect(connection);
        EXPECT_EQ(caption, "Searching: 0 orders");
        EXPECT_EQ(schedule()->rowCount(), months);
        EXPECT_EQ(label("lblinterest"), "$692.63");
        EXPECT_EQ(label("methodStatus"),
                  "Least Interest: the same as Smallest Balance (every order tried)");
        EXPECT_FALSE(control("cmdmess")->isVisible());
        EXPECT_TRUE(prompter.shown.empty());
    }
    EXPECT_FALSE(window->isVisible());
}

TEST_F(LeastInterestWindow, UseAsCustomOrderWritesTheOrderFoundIntoThePlan)
{
    startSearching(kCards, 430, kZeroThrough2047);
    EXPECT_FALSE(useOrder()->isEnabled()) << "nothing found yet";
    click("cmdCalculate");
    ASSERT_TRUE(useOrder()->isEnabled());
    useOrder()->trigger();
    const QStringList found = {"Store Card", "Bank Loan", "Transfer Card"};
    EXPECT_EQ(account.plan().customOrder, found);
    EXPECT_TRUE(prompter.shown.empty()) << "no order was set: nothing to ask";
    EXPECT_TRUE(readFile(folder.filePath(PlanFile::kFileName)).contains("Store Card"));
    EXPECT_TRUE(useOrder()->isEnabled()) << "the custom order is no part of this schedule";

    PaymentPlan plan = account.plan();
    plan.customOrder = QStringList({"Bank Loan", "Gone"});
    account.setPlan(plan);
    for (const bool replace : {false, true}) {
        prompter.shown.clear();
        prompter.yesNoAnswers = {replace};
        useOrder()->trigger();
        EXPECT_EQ(prompter.texts(),
                  QStringList({"Replace your custom order with the order Least Interest found?"}));
        EXPECT_EQ(account.plan().customOrder,
                  replace ? found + QStringList({"Gone"}) : QStringList({"Bank Loan", "Gone"}));
    }

    const std::function<void()> makeItOld[] = {
        [&] { // a change since
            prompter.textAnswers = {"100"};
            window->findChild<QAction*>("menuExtraMoney")->trigger();
        },
        [&] { // another method's schedule
            control<QComboBox>("cbomethod")->setCurrentText("Custom Order");
            click("cmdCalculate");
        },
    };
    for (const auto& change : makeItOld) {
        startSearching(kCards, 430, kZeroThrough2047);
        click("cmdCalculate");
        ASSERT_TRUE(useOrder()->isEnabled());
        change();
        EXPECT_FALSE(useOrder()->isEnabled());
    }
}

} // namespace
