#include "mainwindowfixture.h"
#include "ui/compare/comparewindow.h"
#include "ui/entry/debtentrydialog.h"
#include "ui/help/helpwindow.h"
#include "ui/main/debtmenu.h"
#include "ui/plan/paymentplandialog.h"

#include <QComboBox>
#include <QMenuBar>
#include <QPrintDialog>
#include <QProcess>
#include <QStatusBar>
#include <QTextBrowser>

namespace {

using namespace DialogScript;

class MainMenu : public MainWindowFixture {
protected:
    QAction* action(const char* name) const { return control<QAction>(name); }
    QString status(const char* name) const { return label(name); }
    // Tabs (or Shift+Tabs) on until the named control has the focus, then
    // presses a key there: as a user reaches a button without the mouse (an
    // access key presses a button only after a moment, which a test would
    // have to sleep through).
    void tabTo(const char* name, Qt::KeyboardModifiers direction, Qt::Key key = Qt::Key_Space)
    {
        for (int i = 0; i < 12 && QApplication::focusWidget()->objectName() != name; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, direction);
        ASSERT_EQ(QApplication::focusWidget()->objectName(), name);
        QTest::keyClick(QApplication::focusWidget(), key);
    }
};

TEST_F(MainMenu, EveryCommandIsInAMenuWithItsShortcutAndNoneRunsWhileBusy)
{
    startWith({{"Visa", 1000, 0.12, 100, today}});
    QStringList titles;
    for (QAction* menu : window->menuBar()->actions())
        titles.append(menu->text());
    EXPECT_EQ(titles, QStringList({"&File", "&Debts", "P&lan", "&Help"})) << "no C, P, E or X";
    const std::pair<const char*, QKeySequence> shortcuts[] = {
        {"menuPrint", QKeySequence::Print},
        {"menuQuit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"menuCompare", QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"menuPaymentPlan", QKeySequence(Qt::CTRL | Qt::Key_L)}};
    for (const auto& [name, shortcut] : shortcuts)
        EXPECT_EQ(action(name)->shortcut(), shortcut) << name;

    control("cmdmess")->show(); // busy: nothing starts and no window opens
    {
        const ModalWatch watch;
        for (const char* name : {"menuAdd", "menuEdit", "menuDelete", "menuExtraMoney",
                                 "menuPaymentPlan", "menuCalculate", "menuCompare"})
            action(name)->trigger();
        QCoreApplication::processEvents();
        EXPECT_EQ(watch.opened, QStringList());
    }
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(account.debts().count(), 1);
    EXPECT_EQ(schedule()->rowCount(), 0);
    control("cmdmess")->hide();

    action("menuCalculate")->trigger();
    EXPECT_EQ(schedule()->rowCount(), 2 + 11);
    bool printDialog = false;
    whenShown<QPrintDialog>([&](QPrintDialog&) { printDialog = true; });
    action("menuPrint")->trigger();
    EXPECT_TRUE(printDialog) << "Ctrl+P asks which printer";
    action("menuExport")->trigger();
    EXPECT_TRUE(prompter.texts().last().startsWith("Debt payoff information was exported to:"));
}

// The text of a PDF, its pages' columns kept.
QString pdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start("pdftotext", {"-layout", path, "-"});
    return pdftotext.waitForFinished() ? QString::fromUtf8(pdftotext.readAllStandardOutput())
                                       : QString();
}

TEST_F(MainMenu, ExportPdfWritesASummaryAndTheReportAddsTheSuffixAndAsksBeforeReplacing)
{
    startWith({{"Visa", 1000, 0.12, 100, today}, {"Store", 200, 0.2, 20, today + 31}}, 25);
    PaymentPlan plan;
    plan.extraMoneyChanges = {{{2047, 3}, 500, true}};
    plan.promotions = {{"Visa", 0, {2047, 2}}};
    account.setPlan(plan);
    click("cmdCalculate");
    const QString pdf = folder.filePath("report.pdf");
    prompter.textAnswers = {folder.filePath("report")};
    action("menuExportPdf")->trigger();
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF"));
    EXPECT_EQ(prompter.texts().last(), "The report was saved as " + pdf + ".");
    const QString text = pdfText(pdf);
    for (const char* said :
         {"Debt Payoff Summary", "Made 12/06/2046", "Method: Highest Interest Rate",
          "Extra money: $25.00 a month", "Mar 2047 only: +$500.00",
          "Visa                            $1,000.00   12.00%    $100.00   12/06/2046   "
          "0.00% through Feb 2047",
          "Store                             $200.00   20.00%     $20.00   01/06/2047\n",
          "Debt-free: May 2047, after 5 months", "Total interest: $20.10",
          "Total payments: $1,220.10", "Interest saved against paying only the minimums: $38.60"})
        EXPECT_TRUE(text.contains(said)) << said;
    EXPECT_LT(text.indexOf("Debt Payoff Summary"), text.indexOf("Varnholt Report"))
        << "the summary opens the report";
    writeFile(pdf, "kept");
    prompter.textAnswers = {folder.filePath("report")};
    prompter.yesNoAnswers = {false};
    action("menuExportPdf")->trigger();
    EXPECT_EQ(prompter.texts().last(), pdf + " already exists. Do you want to replace it?");
    EXPECT_EQ(readFile(pdf), "kept");
}

TEST_F(MainMenu, TheStatusBarSaysWhenTheDebtsArePaidOffAndWhenThatIsOutOfDate)
{
    startWith({{"Visa", 1000, 0.12, 100, today}}, 50);
    EXPECT_EQ(status("extraMoneyStatus"), "Extra money: $50.00 a month");
    EXPECT_EQ(status("scheduleStatus"), "");
    const std::pair<double, const char*> runs[] = {
        {50, "Debt-free in Jul 2047, 7 months"},
        {2000, "Debt-free in Jan 2047, 1 month"}}; // never: see MainWindowTest
    for (const auto& [extra, said] : runs) {
        account.setExtraMoney(extra);
        click("cmdCalculate");
        EXPECT_EQ(status("scheduleStatus"), said);
    }
    account.setExtraMoney(50);
    click("cmdCalculate");
    prompter.textAnswers = {"75"};
    control<QMenuBar>("menuBar")->findChild<QAction*>("menuExtraMoney")->trigger();
    EXPECT_EQ(status("scheduleStatus"),
              "Debt-free in Jul 2047, 7 months (calculated before the latest change: Calculate "
              "again)");
    PaymentPlan plan;
    plan.extraMoneyChanges = {{{2047, 1}, 300, true}};
    account.setPlan(plan);
    control<QComboBox>("cbomethod")->setCurrentIndex(1); // any change brings the status up to date
    EXPECT_EQ(status("extraMoneyStatus"), "Extra money: $75.00 a month, $375.00 next month");

    control<QComboBox>("cbomethod")->setCurrentText("Custom Order");
    click("cmdCalculate");
    EXPECT_EQ(status("methodStatus"), "No custom order set: debts in list order; set one with "
                                      "Payment Plan (Ctrl+L)");
    // The user's own order matters only to the method that follows it.
    for (const char* method : {"Highest Interest Rate", "Custom Order"}) {
        control<QComboBox>("cbomethod")->setCurrentText(method);
        click("cmdCalculate");
        EXPECT_FALSE(control("methodStatus")->isVisible()) << method;
        plan.customOrder = QStringList({plan.customOrder.isEmpty() ? "Visa" : "Other", "Visa"});
        account.setPlan(plan);
        prompter.textAnswers = {"75"}; // as it was: nothing changes but the status
        control<QMenuBar>("menuBar")->findChild<QAction*>("menuExtraMoney")->trigger();
        EXPECT_EQ(status("scheduleStatus").endsWith("Calculate again)"),
                  method == QString("Custom Order"))
            << method;
    }
}

// Within each menu an access key is one item's alone; Alt+M reaches the
// method list.
TEST_F(MainMenu, EachAccessKeyOfAMenuIsItsOwn)
{
    start();
    std::vector<QMenu*> menus = {window->findChild<DebtMenu*>()};
    for (QAction* title : window->menuBar()->actions())
        menus.push_back(title->menu());
    for (QMenu* menu : menus) {
        QString keys;
        for (QAction* item : menu->actions()) {
            const int at = item->text().indexOf('&');
            if (at < 0)
                continue;
            const QChar key = item->text().at(at + 1).toLower();
            EXPECT_FALSE(keys.contains(key))
                << menu->title().toStdString() << ": " << item->text().toStdString();
            keys += key;
        }
    }
    QTest::keyClick(window.get(), Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), control("cbomethod"));
}

// F1 opens the README's user part over the window in use, at its section.
TEST_F(MainMenu, F1OpensTheHelpAtTheSectionOfTheWindowInUse)
{
    startWith({{"Visa", 1000, 0.12, 100, today}});
    QStringList opened;
    const auto readHelp = [&opened](QWidget* over) {
        whenShown<HelpWindow>([&opened, over](HelpWindow& help) {
            const QString text = help.findChild<QTextBrowser*>()->toPlainText();
            opened.append(help.shownSection() + (help.parentWidget() == over ? "" : " elsewhere") +
                          (text.contains("Least Interest") && !text.contains("history.db")
                               ? ""
                               : " not the user's part"));
        });
    };
    readHelp(window.get());
    QTest::keyClick(control("fa"), Qt::Key_F1);
    for (const char* name : {"menuCompare", "menuPaymentPlan", "menuAdd", "menuRecord"}) {
        whenShown<QDialog>([&](QDialog& dialog) {
            readHelp(&dialog);
            QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_F1);
        });
        action(name)->trigger();
    }
    readHelp(window.get());
    action("menuHelp")->trigger();
    EXPECT_EQ(opened, QStringList({"Varnholt", "Compare plans", "A payment plan", "Typing amounts",
                                   "Following your plan", "Varnholt"}));
    EXPECT_EQ(action("menuHelp")->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(MainMenu, AKeyboardAloneAddsADebtCalculatesByEachMethodComparesAndExports)
{
    start();
    QApplication::setActiveWindow(window.get());
    QWidget* grid = control("fa");
    whenShown<DebtEntryDialog>([](DebtEntryDialog& dialog) {
        for (const char* typed : {"Visa", "1000", "100", "12"}) {
            QTest::keyClicks(dialog.focusWidget(), typed);
            QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        }
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(grid, Qt::Key_Insert);
    ASSERT_EQ(account.debts().count(), 1);
    QApplication::setActiveWindow(window.get()); // back from the dialog
    control("cmdexit")->setFocus();
    for (const char* next : {"cbomethod", "fa", "fav", "cmdCalculate"}) { // Tab leaves each grid
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), next);
    }
    auto* methods = control<QComboBox>("cbomethod");
    for (int method = 0; method < methods->count(); ++method) {
        tabTo("cbomethod", Qt::NoModifier, method == 0 ? Qt::Key_Home : Qt::Key_Down);
        tabTo("cmdCalculate", Qt::ShiftModifier);
        EXPECT_EQ(methods->currentIndex(), method);
        EXPECT_EQ(schedule()->rowCount(), 2 + 11) << method;
    }
    QString compared;
    whenShown<CompareWindow>([&](CompareWindow& compare) {
        compared = compare.windowTitle();
        QTest::keyClick(&compare, Qt::Key_Escape);
    });
    QTest::keyClick(window.get(), Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(compared, "Compare Plans");
    QApplication::setActiveWindow(window.get());
    tabTo("cmdexport", Qt::NoModifier);
    EXPECT_TRUE(prompter.texts().last().startsWith("Debt payoff information was exported to:"));
}

TEST_F(MainMenu, TheDebtGridsOwnKeysAddEditAndDelete)
{
    startWith({{"Visa", 1000, 0.12, 100, today}, {"Amex", 500, 0, 50, today}});
    QWidget* grid = control("fa");
    grid->setFocus();
    QStringList opened;
    for (const Qt::Key key : {Qt::Key_Insert, Qt::Key_Return, Qt::Key_F2}) {
        whenShown<DebtEntryDialog>([&](DebtEntryDialog& dialog) {
            opened.append(dialog.findChild<QLineEdit*>("txtCreditor")->text().trimmed());
        });
        QTest::keyClick(grid, key);
    }
    EXPECT_EQ(opened, QStringList({"", "Visa", "Visa"}));
    prompter.yesNoAnswers = {true};
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(prompter.texts().last(), "Are you sure you want to delete Visa?");
    EXPECT_EQ(account.debts().count(), 1);
}

} // namespace
