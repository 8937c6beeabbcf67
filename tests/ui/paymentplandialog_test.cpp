#include "mainwindowfixture.h"
#include "ui/main/debtmenu.h"
#include "ui/plan/paymentplandialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QListWidget>
#include <QTableWidget>

namespace {

using namespace DialogScript;

class PaymentPlanWindow : public MainWindowFixture {
protected:
    void SetUp() override
    {
        startWith({{"Visa", 2000, 0.18, 60, today},
                   {"Amex", 500, 0.15, 25, today},
                   {"Car", 9000, 0.07, 250, today}},
                  50);
    }
    // Opens the window from the debt menu, runs the script in it, presses OK.
    void edit(std::function<void(PaymentPlanDialog&)> script)
    {
        whenShown<PaymentPlanDialog>([script](PaymentPlanDialog& dialog) {
            script(dialog);
            dialog.accept();
        });
        control<DebtMenu>("mnupopup")->planItem->trigger();
    }
    static QStringList rows(const QTableWidget* table)
    {
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells.append(table->item(row, column)->text());
            rows.append(cells.join('|'));
        }
        return rows;
    }
};

TEST_F(PaymentPlanWindow, ChangesOfTheExtraMoneyShowWhatTheyGiveAndAreSaved)
{
    edit([&](PaymentPlanDialog& dialog) {
        auto* amount = box(dialog, "changeAmount");
        amount->setText("a lot");
        press(dialog, "addChange");
        EXPECT_EQ(prompter.texts().last(), "The change must be an amount, such as 200 for a raise "
                                           "or -150 for a pause; you typed \"a lot\".");
        amount->setText("-20");
        press(dialog, "addChange");
        press(dialog, "removeChange"); // a cut is an amount here
        amount->setText("300");
        dialog.findChild<QCheckBox*>("changeOnce")->setChecked(true);
        press(dialog, "addChange");
        press(dialog, "addChange"); // the same again
        EXPECT_EQ(prompter.texts().last(), "This change is already in your plan.");
        dialog.findChild<QDateEdit*>("changeMonth")->setDate({2046, 11, 1});
        press(dialog, "addChange");
        EXPECT_EQ(rows(dialog.findChild<QTableWidget*>("changes")),
                  QStringList({"Jan 2047|$300.00|That month only|",
                               "Nov 2046|$300.00|That month only|Before the schedule: no effect"}));
        auto* preview = dialog.findChild<QListWidget*>("preview");
        EXPECT_EQ(preview->item(0)->text() + " " + preview->item(1)->text(),
                  "Jan 2047: $350.00 Feb 2047: $50.00");
    });
    ASSERT_EQ(account.plan().extraMoneyChanges.size(), 2u);
    EXPECT_TRUE(readFile(folder.filePath("plan.json")).contains("\"amount\": 300"));
}

TEST_F(PaymentPlanWindow, APromotionIsSetPerDebtWithARateFromNoughtToAHundred)
{
    edit([&](PaymentPlanDialog& dialog) {
        dialog.findChild<QComboBox*>("promotionDebt")->setCurrentText("Amex");
        for (const char* rate : {"150", "0"}) {
            box(dialog, "promotionRate")->setText(rate);
            press(dialog, "setPromotion");
        }
        EXPECT_EQ(prompter.texts(), QStringList({"The promotional rate must be a rate from 0 to "
                                                 "100, such as 2.9; you typed \"150\"."}));
        EXPECT_EQ(rows(dialog.findChild<QTableWidget*>("promotions")),
                  QStringList({"Amex|0%|Jan 2047"}));
    });
    ASSERT_NE(account.plan().promotionOf("amex"), nullptr);

    PaymentPlanDialog empty({}, DebtList(), 0, kToday, prompter);
    auto* set = empty.findChild<QPushButton*>("setPromotion");
    EXPECT_FALSE(set->isEnabled());
    EXPECT_EQ(set->toolTip(), "Add a debt first.");
}

TEST_F(PaymentPlanWindow, TheCustomOrderIsMovedByKeyAndCalculatedAndCancelKeepsThePlan)
{
    edit([](PaymentPlanDialog&) {}); // OK with nothing changed writes nothing
    EXPECT_EQ(account.plan().customOrder, QStringList());
    EXPECT_FALSE(QFile::exists(folder.filePath("plan.json")));
    edit([&](PaymentPlanDialog& dialog) {
        auto* order = dialog.findChild<QListWidget*>("order");
        order->setCurrentRow(2);
        QApplication::setActiveWindow(&dialog);               // shortcuts work in the active window
        QTest::keyClick(&dialog, Qt::Key_M, Qt::AltModifier); // the order's tab
        order->setFocus();
        for (int i = 0; i < 2; ++i)
            QTest::keyClick(order, Qt::Key_Up, Qt::ControlModifier);
        EXPECT_EQ(order->currentItem()->text(), "Car");
    });
    EXPECT_EQ(account.plan().customOrder, QStringList({"Car", "Visa", "Amex"}));
    whenShown<PaymentPlanDialog>([](PaymentPlanDialog& dialog) {
        dialog.findChild<QListWidget*>("order")->setCurrentRow(2);
        press(dialog, "moveUp");
    }); // closed with Cancel
    control<DebtMenu>("mnupopup")->planItem->trigger();
    EXPECT_EQ(account.plan().customOrder, QStringList({"Car", "Visa", "Amex"}));
    control<QComboBox>("cbomethod")->setCurrentText("Custom Order");
    click("cmdCalculate");
    EXPECT_EQ(cell(debtGrid(), 0, 0).trimmed(), "Car");
    control("cmdmess")->show(); // busy: the window is refused
    QApplication::setActiveWindow(window.get());
    const ModalWatch watch;
    QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier);
    QCoreApplication::processEvents();
    EXPECT_EQ(watch.opened, QStringList());
}

// A save names only what it could not save: the debts unchanged are not
// written, so a debts.dat that cannot be replaced stops neither the plan
// nor the extra money; a plan.json that cannot is taken back and said.
TEST_F(PaymentPlanWindow, ASaveNamesOnlyWhatItCouldNotSave)
{
    const auto promote = [&](const QString& debt) {
        edit([&](PaymentPlanDialog& dialog) {
            dialog.findChild<QComboBox*>("promotionDebt")->setCurrentText(debt);
            box(dialog, "promotionRate")->setText("0");
            press(dialog, "setPromotion");
        });
    };
    const QString dataPath = folder.filePath("debts.dat");
    QFile::remove(dataPath);
    QDir().mkdir(dataPath);
    promote("Amex");
    prompter.textAnswers = {"75"};
    control<QMenu>("mnupopup")->findChild<QAction*>("mnutoolsexcessfunds")->trigger();
    EXPECT_EQ(prompter.texts(), QStringList({"Enter the amount of extra money you have each month "
                                             "to pay off your debts:"}))
        << "the question alone: nothing failed";
    EXPECT_EQ(account.extraMoney(), 75);
    EXPECT_TRUE(readFile(folder.filePath("plan.json")).contains("Amex"));

    const QString planPath = folder.filePath("plan.json");
    QFile::remove(planPath);
    QDir().mkdir(planPath);
    prompter.shown.clear();
    promote("Visa");
    EXPECT_EQ(account.plan().promotions.size(), 1U);
    EXPECT_EQ(prompter.texts(), QStringList({"The plan could not be saved. " + planPath +
                                             " is a folder, not a file: move it away. Your "
                                             "change was taken back."}));
}

// A plan written by hand in plan.json gives the schedule its rules give.
TEST(PaymentPlanFile, AHandWrittenPlanGivesTheScheduleOfItsRules)
{
    QTemporaryDir folder;
    writeFile(folder.filePath("plan.json"), R"({"version": 1,
        "extraMoneyChanges": [{"month": "2047-02", "amount": 300, "once": true}],
        "promotions": [{"creditor": "card", "ratePercent": 0, "through": "2047-01"}],
        "customOrder": ["Card", "Loan"]})");
    QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
    Account account(folder.path(), settings);
    addDebts(account.debts(), {{"Loan", 1000, 0, 100, 0}, {"Card", 500, 0.12, 50, 0}});
    ASSERT_TRUE(account.save().allSaved());
    ScriptedPrompter prompter;
    const FixedClock clock(kToday);
    MainWindow window(account, prompter, clock);
    window.load();
    window.findChild<QComboBox*>("cbomethod")->setCurrentText("Custom Order");
    window.findChild<QPushButton*>("cmdCalculate")->click();
    const QAbstractItemModel* schedule = window.findChild<QTableView*>("fav")->model();
    QStringList months;
    for (int row = 2; row < 5; ++row) {
        QStringList cells;
        for (int column = 0; column < schedule->columnCount(); ++column)
            cells.append(schedule->index(row, column).data().toString());
        months.append(cells.join('|'));
    }
    EXPECT_EQ(months, QStringList({"Jan 2047| 1350.00| 0.00| 50.00| 450.00| 100.00| 900.00",
                                   "Feb 2047| 904.50| 300.00| 350.00| 104.50| 100.00| 800.00",
                                   "Mar 2047| 755.54| 0.00| 50.00| 55.55| 100.00| 700.00"}));
}

} // namespace
