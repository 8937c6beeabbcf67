#include "mainwindowfixture.h"
#include "model/paymenthistory.h"
#include "platform/savejournal.h"
#include "ui/entry/debtentrydialog.h"
#include "ui/progress/progresswindow.h"
#include "ui/record/recordpaymentsdialog.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QTableWidget>

namespace {

using namespace DialogScript;

enum Field { Paid = 2, After = 3 };

// Two debts followed from the tests' day by Smallest Balance, the plan that
// the progress tests work out by hand: A 300 at 0 % and B 600 at 12 %,
// minimums of 100, 100 of extra money.
//   Jan 2047  A pays 200, owes 100   B pays 100 (interest 6.00), owes 506.00
//   Feb 2047  A pays 100, owes 0     B pays 200 (5.06), owes 311.06
//   Mar 2047                         B pays 300, owes 14.17
//   Apr 2047                         B pays 14.31, owes 0
class Tracking : public MainWindowFixture {
protected:
    QString dataFile = folder.filePath("debts.dat");
    QString historyFile = folder.filePath("history.db");

    void startFollowing()
    {
        startWith({{"A", 300, 0, 100, today}, {"B", 600, 0.12, 100, today}}, 100);
        choose("Smallest Balance");
        click("cmdCalculate");
        trigger("menuFollow");
    }
    void restart()
    {
        window.reset();
        start();
    }
    void trigger(const char* action) { control<QAction>(action)->trigger(); }
    void choose(const QString& method)
    {
        auto* methods = control<QComboBox>("cbomethod");
        methods->setCurrentIndex(methods->findText(method));
    }
    QString lastShown() const { return prompter.shown.empty() ? "" : prompter.shown.back().text; }
    // A month recorded, "name before paid after" a debt.
    void recordDirectly(YearMonth month, const QStringList& rows)
    {
        RecordedMonth recorded{month, kToday, true, {}};
        for (const QString& row : rows) {
            const QStringList cells = row.split(' ');
            recorded.payments.push_back({cells[0].toLower(),
                                         cells[0],
                                         cells[1].toDouble(),
                                         {},
                                         cells[2].toDouble(),
                                         cells[3].toDouble()});
        }
        ASSERT_FALSE(account.history().record(recorded));
    }
    // "A 300.00 | B 600.00": the balances debts.dat holds.
    QString savedBalances() const
    {
        QSettings elsewhere(folder.filePath("other.ini"), QSettings::IniFormat);
        Account saved(folder.path(), elsewhere);
        (void)saved.load();
        QStringList balances;
        for (const Debt& debt : saved.debts())
            balances.append(debt.creditor.trimmed() + ' ' + QString::number(debt.balance, 'f', 2));
        return balances.join(" | ");
    }

    // Record Payments, its rows "creditor planned paid after charges".
    static QString rows(RecordPaymentsDialog& dialog)
    {
        const QAbstractItemModel* table = dialog.findChild<QTableView*>("payments")->model();
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells.append(table->index(row, column).data().toString());
            rows.append(cells.join(' '));
        }
        return rows.join(" | ");
    }
    // Types into a field as a user does: onto it, the text, then Tab.
    static void typeField(RecordPaymentsDialog& dialog, int row, Field column, const QString& text)
    {
        auto* table = dialog.findChild<QTableView*>("payments");
        const QModelIndex field = table->model()->index(row, column);
        table->setFocus();
        table->setCurrentIndex(field);
        if (!table->indexWidget(field))
            table->edit(field); // it was current already
        auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(field));
        ASSERT_NE(editor, nullptr);
        editor->selectAll();
        editor->insert(text);
        QTest::keyClick(editor, Qt::Key_Tab);
    }
    static void ok(QDialog& dialog)
    {
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
    void recordPayments(std::function<void(RecordPaymentsDialog&)> script)
    {
        whenShown<RecordPaymentsDialog>(std::move(script));
        trigger("menuRecord");
    }
    // Progress: its headline, figures, debts and missed months, a line each.
    QStringList progress(std::function<void(ProgressWindow&)> also = {})
    {
        QStringList lines;
        whenShown<ProgressWindow>([&](ProgressWindow& shown) {
            lines << shown.findChild<QLabel*>("headline")->text();
            for (const char* name : {"figures", "debts"}) {
                const auto* table = shown.findChild<QTableWidget*>(name);
                for (int row = 0; row < table->rowCount(); ++row) {
                    QStringList cells;
                    for (int column = 0; column < table->columnCount(); ++column)
                        cells << table->item(row, column)->text();
                    lines << cells.join(' ').trimmed();
                }
            }
            lines << shown.findChild<QLabel*>("missed")->text();
            if (also)
                also(shown);
        });
        trigger("menuProgress");
        return lines;
    }
};

TEST_F(Tracking, FollowThisPlanKeepsAFreshScheduleAndItsMethodIsRememberedAtStart)
{
    startWith({{"A", 300, 0, 100, today}, {"B", 600, 0.12, 100, today}}, 100);
    trigger("menuFollow");
    EXPECT_EQ(lastShown(), "There is no schedule to follow: Calculate first, then follow the "
                           "schedule it shows.");
    choose("Smallest Balance");
    click("cmdCalculate");
    choose("Highest Interest Rate");
    trigger("menuFollow");
    EXPECT_EQ(lastShown(), "The schedule on screen was calculated before your latest change: "
                           "Calculate again, then follow it.");
    EXPECT_FALSE(QFile::exists(historyFile)) << "made by the first write, not before";
    choose("Smallest Balance");
    account.history().limitPages(2); // too few for its tables
    trigger("menuFollow");
    EXPECT_EQ(lastShown(), "Nothing was changed in your payment history: the database or the disk "
                           "is full.");
    EXPECT_EQ(account.history().followed(), nullptr);
    account.history().limitPages(0);
    trigger("menuFollow");
    ASSERT_NE(account.history().followed(), nullptr);
    const FollowedPlan& plan = *account.history().followed();
    EXPECT_EQ(plan.method, "smallest-balance");
    ASSERT_EQ(plan.months.size(), 4u);
    EXPECT_EQ(plan.months[1].debts[1].balance, 311.06);
    EXPECT_EQ(label("followingStatus"), "Following Smallest Balance since Jan 2047");

    prompter.yesNoAnswers = {false};
    trigger("menuFollow");
    EXPECT_EQ(lastShown(), "Follow this plan from now on? Your records are kept; progress is "
                           "measured against the new plan.");
    EXPECT_EQ(account.history().followedPlans().size(), 1u);
    trigger("menuFollow");
    EXPECT_EQ(account.history().followedPlans().size(), 2u) << "the old one kept";

    const std::pair<const char*, const char*> kept[] = {
        {nullptr, "Smallest Balance"}, // as chosen
        {"custom-order", "Custom Order"},
        {"no-such-method", "Highest Interest Rate"},
    };
    for (const auto& [setting, shown] : kept) {
        if (setting)
            settings.setValue("Settings/Method", setting);
        restart();
        EXPECT_EQ(control<QComboBox>("cbomethod")->currentText(), shown) << shown;
        EXPECT_EQ(label("followingStatus"), "Following Smallest Balance since Jan 2047");
    }
}

TEST_F(Tracking, RecordPaymentsOffersTheMonthDueFilledAndTheBalancesFollowIt)
{
    startFollowing();
    clock.day = {2047, 1, 10};
    recordPayments([&](RecordPaymentsDialog& dialog) {
        auto* month = dialog.findChild<QDateEdit*>("recordMonth");
        EXPECT_EQ(month->text(), "Jan 2047");
        EXPECT_EQ(rows(dialog), "A 200.00 200.00 100.00 0.00 | B 100.00 100.00 506.00 6.00");
        typeField(dialog, 0, Paid, "350");
        typeField(dialog, 1, After, "526");
        EXPECT_EQ(rows(dialog), "A 200.00 350 0.00 50.00 | B 100.00 100.00 526 26.00")
            << "the balance after follows what is paid until a figure is typed into it";
        EXPECT_FALSE(dialog.findChild<QTableView*>("payments")->hasFocus())
            << "Tab leaves the table after its last field";
        typeField(dialog, 1, Paid, "$120");
        dialog.findChild<QPushButton*>("paidAsPlanned")->click();
        EXPECT_EQ(rows(dialog), "A 200.00 200.00 100.00 0.00 | B 100.00 100.00 526 26.00");

        const std::tuple<int, Field, const char*, const char*> refused[] = {
            {0, Paid, "-5", "The payment to A can not be negative."},
            {0, Paid, "abc", "The payment to A must be an amount"},
            {1, After, "-0.01", "The balance after of B can not be negative."},
            {1, After, "672.01",
             "The balance after is higher than before plus a year's "
             "interest. Keep it?"},
        };
        for (const auto& [row, column, text, said] : refused) {
            typeField(dialog, row, column, text);
            prompter.yesNoAnswers = {false};
            ok(dialog);
            EXPECT_TRUE(lastShown().startsWith(said)) << lastShown().toStdString();
            EXPECT_TRUE(dialog.isVisible());
            typeField(dialog, row, column, column == Paid ? "200" : "526");
        }
        month->setDate({2047, 2, 1});
        EXPECT_EQ(rows(dialog), "A 100.00 100.00 200.00 0.00 | B 200.00 200.00 406.00 6.00");
        ok(dialog);
        EXPECT_EQ(lastShown(), "Feb 2047 has not begun: no month after the current one can be "
                               "recorded.");
        month->setDate({2047, 1, 1});
        typeField(dialog, 1, After, "507");
        ok(dialog);
        EXPECT_FALSE(dialog.isVisible());
    });
    ASSERT_NE(account.history().recorded({2047, 1}), nullptr);
    EXPECT_TRUE(account.history().recorded({2047, 1})->applied);
    EXPECT_EQ(savedBalances(), "A 100.00 | B 507.00");
    EXPECT_EQ(cell(debtGrid(), 1, 1), "$507.00");
    EXPECT_EQ(label("followingStatus"), "Following Smallest Balance since Jan 2047: on plan");

    clock.day = {2047, 2, 10};
    recordPayments([&](RecordPaymentsDialog& dialog) { ok(dialog); });
    clock.day = {2047, 3, 10};
    recordPayments([&](RecordPaymentsDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QDateEdit*>("recordMonth")->text(), "Mar 2047");
        EXPECT_EQ(rows(dialog), "B 300.00 300.00 15.19 3.12") << "a paid-off debt has no row";
        dialog.findChild<QDateEdit*>("recordMonth")->setDate({2047, 1, 1});
        EXPECT_EQ(dialog.findChild<QLabel*>("recordNote")->text(),
                  "Jan 2047 was recorded on 01/10/2047. Change what needs correcting; OK "
                  "replaces it.");
        EXPECT_EQ(rows(dialog), "A 200.00 200.00 100.00 0.00 | B 100.00 100.00 507.00 7.00");
        typeField(dialog, 1, After, "506");
        ok(dialog);
    });
    EXPECT_EQ(account.history().recorded({2047, 1})->payments[1].balanceAfter, 506);
    EXPECT_EQ(savedBalances(), "A 0.00 | B 312.07") << "only the latest month sets them";
}

TEST_F(Tracking, ProgressSaysWhereTheUserStandsAgainstThePlan)
{
    startFollowing();
    clock.day = {2047, 3, 10};
    EXPECT_EQ(
        progress(),
        QStringList({"No month recorded yet: your plan ends in Apr 2047", "Paid $0.00 $0.00 $0.00",
                     "Interest and charges $0.00 $0.00 $0.00", "Share paid off 0.00% 0.00% 0.00%",
                     "A Feb 2047 - $0.00 $0.00", "B Apr 2047 - $0.00 $0.00",
                     "Jan 2047 not recorded; Feb 2047 not recorded; "
                     "Mar 2047 not recorded"}));
    const std::pair<QStringList, const char*> cases[] = {
        {{"A 300 200 100", "B 600 100 506"},
         "Debt-free in Apr 2047 at this pace: on plan (Apr 2047)"},
        {{"A 300 300 0", "B 600 100 506"},
         "Debt-free in Mar 2047 at this pace: 1 month ahead of your plan (Apr 2047)"},
        {{"A 300 0 300", "B 600 0 606"},
         "Debt-free in May 2047 at this pace: 1 month behind your plan (Apr 2047)"},
        {{"A 300 200 100", "B 600 100 50000"},
         "At this pace the debts are never paid off (your plan: Apr 2047)"},
        {{"A 300 300 0", "B 600 606 0"},
         "All paid off in Jan 2047: 3 months ahead of your plan (Apr 2047)"},
    };
    for (const auto& [recorded, headline] : cases) {
        recordDirectly({2047, 1}, recorded);
        EXPECT_EQ(progress().front(), headline);
    }
    recordDirectly({2047, 1}, {"A 300 300 0", "B 600 100 506"});
    account.debts().update(0, 0, 0, 100, today);
    account.debts().update(1, 506, 0.12, 100, today);
    ASSERT_EQ(account.debts().add({"C", 200, 0, 50, today}), DebtList::AddResult::Added);
    const QStringList shown = progress([&](ProgressWindow& window) {
        prompter.textAnswers = {folder.filePath("chart.png")};
        window.findChild<QPushButton*>("saveChart")->click();
        whenShown<RecordPaymentsDialog>([](RecordPaymentsDialog& dialog) {
            EXPECT_EQ(dialog.findChild<QDateEdit*>("recordMonth")->text(), "Feb 2047");
        });
        window.findChild<QPushButton*>("recordMissed")->click();
    });
    EXPECT_EQ(shown,
              QStringList({"Debt-free in Apr 2047 at this pace: on plan (Apr 2047)",
                           "Paid $400.00 $300.00 $100.00", "Interest and charges $6.00 $6.00 $0.00",
                           "Share paid off 43.78% 32.67% 11.11%",
                           "A Feb 2047 Paid off $300.00 $0.00", "B Apr 2047 Apr 2047 $100.00 $6.00",
                           "C - Feb 2047 $0.00 $0.00 Added after your plan",
                           "Feb 2047 not recorded; Mar 2047 not recorded"}));
    EXPECT_TRUE(QFileInfo(folder.filePath("chart.png")).size() > 0);
}

TEST_F(Tracking, AtStartAHistoryItCannotUseIsLeftAsItWasWithItsCommandsOff)
{
    // A history.db of this program's, written and closed.
    const auto made = [&] {
        Account writer(folder.path(), settings);
        (void)writer.load();
        EXPECT_FALSE(writer.history().follow({0, kToday, "highest-rate", 0, "{}", 0, {}, {}}));
        EXPECT_FALSE(writer.history().record({{2047, 1}, kToday, true, {{"a", "A", 1, {}, 1, 0}}}));
        return readFile(historyFile);
    };
    const std::pair<std::function<void()>, QString> cases[] = {
        {[&] { writeFile(historyFile, "Visa 1200.00\n"); }, "history.db is not a database."},
        {[&] { QDir().mkdir(historyFile); }, "history.db is a folder, not a file."},
        {[&] { writeFile(historyFile, made().replace(60, 4, QByteArray("\0\0\0\7", 4))); },
         "a newer version of Varnholt wrote history.db (version 7)."},
        // Its fourth page is an index, which only SQLite's own check reads.
        {[&] { writeFile(historyFile, made().replace(3 * 4096, 512, QByteArray(512, 'Z'))); },
         "history.db is damaged ("},
    };
    for (const auto& [make, reason] : cases) {
        QDir().rmdir(historyFile);
        QFile::remove(historyFile);
        make();
        const QByteArray before = readFile(historyFile);
        startWith({{"A", 300, 0, 100, today}});
        const QString moveAway = " Move history.db away to start a new history.";
        EXPECT_TRUE(lastShown().startsWith("Your payment history is off until the next start, "
                                           "and history.db is left as it is: " +
                                           reason))
            << lastShown().toStdString();
        EXPECT_TRUE(lastShown().endsWith(moveAway));
        for (const char* command :
             {"menuFollow", "menuRecord", "menuProgress", "menuExportHistory", "mnupoprecord"}) {
            EXPECT_FALSE(control<QAction>(command)->isEnabled()) << command;
            const QString tip = control<QAction>(command)->toolTip();
            EXPECT_TRUE(tip.startsWith("Your payment history is off: " + reason) &&
                        tip.endsWith(moveAway))
                << tip.toStdString();
        }
        click("cmdCalculate");
        prompter.textAnswers = {"Alpha"};
        trigger("menuRename");
        EXPECT_TRUE(lastShown().endsWith("The debt keeps its name.")) << lastShown().toStdString();
        EXPECT_EQ(readFile(historyFile), before);
        EXPECT_EQ(cell(debtGrid(), 0, 0).trimmed(), "A");
    }
}

TEST_F(Tracking, BalancesThatDidNotReachTheDataFileAreOfferedAtTheNextStart)
{
    startFollowing();
    clock.day = {2047, 1, 10};
    QFile::remove(dataFile);
    QDir().mkdir(dataFile);
    recordPayments([&](RecordPaymentsDialog& dialog) { ok(dialog); });
    EXPECT_TRUE(lastShown().startsWith("Jan 2047 was recorded, but your debts' balances could not "
                                       "be brought up to it."));
    EXPECT_TRUE(lastShown().endsWith("You will be asked again at the next start."))
        << lastShown().toStdString();
    EXPECT_FALSE(account.history().recorded({2047, 1})->applied);
    EXPECT_EQ(cell(debtGrid(), 1, 1), "$600.00");
    QDir().rmdir(dataFile);
    const QString question = "The balances you recorded for Jan 2047 have not reached your debt "
                             "list. Bring the balances of your debts up to them now?";
    for (const bool yes : {false, true}) {
        writeDebts({{"A", 300, 0, 100, today}, {"B", 600, 0.12, 100, today}}, 100);
        prompter.yesNoAnswers = {yes};
        restart();
        EXPECT_EQ(lastShown(), question);
        EXPECT_EQ(account.history().recorded({2047, 1})->applied, yes);
        EXPECT_EQ(savedBalances(), yes ? "A 100.00 | B 506.00" : "A 300.00 | B 600.00");
    }
    const size_t shown = prompter.shown.size();
    restart();
    EXPECT_EQ(prompter.shown.size(), shown) << "asked no more";
}

TEST_F(Tracking, RenameDebtRenamesEverywhereOrNowhere)
{
    PaymentPlan plan;
    plan.promotions = {{"A", 0, {2047, 6}}};
    plan.customOrder = {"B", "A"};
    {
        Account writer(folder.path(), settings);
        writer.setPlan(plan);
        ASSERT_TRUE(writer.save().allSaved());
    }
    startFollowing();
    const auto rename = [&](QStringList answers) {
        prompter.textAnswers = {answers.begin(), answers.end()};
        trigger("menuRename");
    };
    const auto names = [&] {
        const PaymentPlan& now = account.plan();
        return QStringList({cell(debtGrid(), 0, 0).trimmed(), cell(debtGrid(), 1, 0).trimmed(),
                            now.promotions[0].creditor, now.customOrder.join(','),
                            account.history().followed()->debts[0].name});
    };
    rename({"B", ""});
    EXPECT_EQ(prompter.shown[prompter.shown.size() - 2].text,
              "A debt named \"B\" is already in the list.");
    rename({"a"});
    EXPECT_EQ(names(), QStringList({"a", "B", "a", "B,a", "a"})) << "letter case alone";
    rename({"Alpha"});
    EXPECT_EQ(names(), QStringList({"Alpha", "B", "Alpha", "B,Alpha", "Alpha"}));
    EXPECT_TRUE(readFile(folder.filePath("plan.json")).contains("\"Alpha\""));
    EXPECT_TRUE(readFile(dataFile).contains("Alpha"));

    QFile::remove(dataFile);
    QDir().mkdir(dataFile);
    rename({"Aleph"});
    EXPECT_EQ(names(), QStringList({"Alpha", "B", "Alpha", "B,Alpha", "Alpha"})) << "taken back";
    EXPECT_FALSE(account.history().hasHistory("Aleph"));
    QDir().rmdir(dataFile);
    ASSERT_TRUE(account.save().allSaved());

    // A stop after the history was renamed, with the files' journal written:
    // the next start finishes it, and tells of it once.
    ASSERT_FALSE(account.history().beginRename("Alpha", "Aleph"));
    ASSERT_FALSE(SaveJournal(folder.path(), Account::kJournalName)
                     .write({{"plan.json", readFile(folder.filePath("plan.json"))},
                             {"debts.dat", readFile(dataFile)}}));
    prompter.shown.clear();
    restart();
    EXPECT_EQ(prompter.texts(), QStringList({"Renaming Alpha to Aleph was stopped half-way; it "
                                             "has now been finished."}));
    EXPECT_EQ(names(), QStringList({"Aleph", "B", "Aleph", "B,Aleph", "Aleph"}));
    EXPECT_FALSE(account.history().pendingRename());

    trigger("menuDelete");
    EXPECT_EQ(
        prompter.shown.back().text,
        "Are you sure you want to delete Aleph? Its promotion goes with it. Its place in your "
        "custom order goes with it. Its payment history is kept.");
    rename({"aleph", ""});
    EXPECT_EQ(prompter.shown[prompter.shown.size() - 2].text,
              "A debt of this name has a payment history; choose another name");
    whenShown<DebtEntryDialog>([](DebtEntryDialog& dialog) {
        const char* boxes[] = {"txtCreditor", "txtBalance", "txtMonthly", "txtRate"};
        const char* typed[] = {"ALEPH", "100", "10", "5"};
        for (int i = 0; i < 4; ++i)
            type(dialog, boxes[i], typed[i]);
        press(dialog, "cmdOK");
    });
    trigger("menuAdd");
    EXPECT_EQ(lastShown(), "A debt of this name has a payment history; choose another name");
}

TEST_F(Tracking, TheExportedHistoryIsEveryRecordedPaymentInTheTabFilesForm)
{
    startFollowing();
    const QString path = folder.filePath("history.tab");
    prompter.textAnswers = {path};
    trigger("menuExportHistory");
    EXPECT_EQ(lastShown(), "No month has been recorded yet.");
    clock.day = {2047, 1, 10};
    recordPayments([&](RecordPaymentsDialog& dialog) {
        typeField(dialog, 1, After, "526");
        ok(dialog);
    });
    clock.day = {2047, 2, 10};
    recordPayments([&](RecordPaymentsDialog& dialog) { ok(dialog); });
    prompter.textAnswers = {path};
    trigger("menuExportHistory");
    EXPECT_EQ(readFile(path), "Month\tCreditor\tPlanned\tPaid\tBalance After\tInterest and "
                              "Charges\t\r\n"
                              "Jan 2047\tA\t200.00\t200.00\t100.00\t0.00\t\r\n"
                              "Jan 2047\tB\t100.00\t100.00\t526.00\t26.00\t\r\n"
                              "Feb 2047\tA\t100.00\t100.00\t0.00\t0.00\t\r\n"
                              "Feb 2047\tB\t200.00\t200.00\t331.26\t5.26\t\r\n");
}

} // namespace
