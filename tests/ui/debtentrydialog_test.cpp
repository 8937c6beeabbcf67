#include "dialogscript.h"
#include "mainwindowfixture.h"
#include "platform/daydate.h"
#include "support/scopedlocale.h"
#include "ui/debtentrydialog.h"

namespace {

using namespace DialogScript;

class DebtEntry : public MainWindowFixture {
protected:
    // Shows the dialog for the key and runs the script in it.
    bool display(const QString& key, std::function<void(DebtEntryDialog&)> script)
    {
        DebtEntryDialog dialog(*account, prompter, clock);
        whenShown<DebtEntryDialog>(std::move(script));
        return key.isEmpty() ? dialog.addDebt() : dialog.editDebt(key);
    }
    static void fill(DebtEntryDialog& dialog, const QString& creditor, const QString& balance,
                     const QString& monthly, const QString& rate, const QString& date = {})
    {
        type(dialog, "txtCreditor", creditor);
        type(dialog, "txtBalance", balance);
        type(dialog, "txtMonthly", monthly);
        type(dialog, "txtRate", rate);
        type(dialog, "txtdate", date);
    }
    // Presses OK; the message it showed, or empty text when it showed none.
    QString pressOk(DebtEntryDialog& dialog)
    {
        const qsizetype before = prompter.messages().size();
        press(dialog, "cmdOK");
        const QStringList shown = prompter.messages();
        return shown.size() > before ? shown.constLast() : QString();
    }
};

TEST_F(DebtEntry, BlankEntriesAreReportedOneAtATimeInOrder)
{
    QStringList seen;
    const bool stored = display({}, [&](DebtEntryDialog& dialog) {
        type(dialog, "txtCreditor", "   ");
        seen.append(pressOk(dialog));
        type(dialog, "txtCreditor", "Visa");
        seen.append(pressOk(dialog));
        type(dialog, "txtBalance", "1000");
        seen.append(pressOk(dialog));
        type(dialog, "txtMonthly", "50");
        seen.append(pressOk(dialog));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(box(dialog, "txtBalance")->text(), "1000") << "entries are kept";
    });
    EXPECT_EQ(seen, QStringList({"Creditor must not be blank", "Balance must not be blank",
                                 "Minimum monthly must not be blank",
                                 "Interest Rate must not be blank"}));
    EXPECT_EQ(prompter.shown.size(), 4u) << "one message per OK";
    EXPECT_FALSE(stored);
    EXPECT_EQ(account->debts().count(), 0);
}

TEST_F(DebtEntry, RateUpToAHundredPercent)
{
    display({}, [&](DebtEntryDialog& dialog) {
        fill(dialog, "Loan Shark", "1000", "90", "100.5");
        EXPECT_EQ(pressOk(dialog), "That interest rate can not be over 100%");
        type(dialog, "txtRate", "100");
        type(dialog, "txtMonthly", "100");
        press(dialog, "cmdOK");
        EXPECT_FALSE(dialog.isVisible());
    });
    ASSERT_NE(account->debts().find("Loan Shark"), nullptr);
    EXPECT_EQ(account->debts().find("Loan Shark")->rate, 1.0);
}

TEST_F(DebtEntry, AMinimumBelowTheInterestIsRaisedToIt)
{
    const bool stored = display({}, [&](DebtEntryDialog& dialog) {
        fill(dialog, "Visa", "1000", "10", "18");
        EXPECT_EQ(pressOk(dialog), "The monthly minimum for this debt needs to be increased to at "
                                   "least 15 to keep the balance from increasing.");
        EXPECT_EQ(box(dialog, "txtMonthly")->text(), "15");
        EXPECT_TRUE(dialog.isVisible());
        press(dialog, "cmdOK");
    });
    EXPECT_TRUE(stored);
    const auto visa = account->debts().find("Visa");
    ASSERT_NE(visa, nullptr);
    EXPECT_EQ(visa->monthly, 15);
    EXPECT_EQ(visa->rate, 0.18);
    EXPECT_EQ(visa->balance, 1000);
    EXPECT_EQ(visa->startDate, DayDate::fromDate(clock.today())) << "no date means today";
}

TEST_F(DebtEntry, TheNameMustStartWithALetterButOnlyAfterTheNumbersAreRight)
{
    QStringList seen;
    display({}, [&](DebtEntryDialog& dialog) {
        fill(dialog, "3M Card", "1000", "10", "18");
        seen.append(pressOk(dialog));
        seen.append(pressOk(dialog)); // the minimum is now raised
        type(dialog, "txtCreditor", " Amex");
        seen.append(pressOk(dialog));
        type(dialog, "txtCreditor", "amex");
        press(dialog, "cmdOK");
        EXPECT_FALSE(dialog.isVisible());
    });
    ASSERT_EQ(seen.size(), 3);
    EXPECT_TRUE(seen[0].startsWith("The monthly minimum"));
    EXPECT_EQ(seen[1], "Creditor name must start with a letter");
    EXPECT_EQ(seen[2], "Creditor name must start with a letter");
    EXPECT_NE(account->debts().find("AMEX"), nullptr);
}

TEST_F(DebtEntry, EntriesThatAreNoNumbersOrNegativeAreRefusedByName)
{
    QStringList seen;
    display({}, [&](DebtEntryDialog& dialog) {
        fill(dialog, "Visa", "lots", "10", "18");
        seen.append(pressOk(dialog));
        type(dialog, "txtBalance", "1000");
        type(dialog, "txtMonthly", "-15");
        seen.append(pressOk(dialog));
        type(dialog, "txtMonthly", "15");
        type(dialog, "txtRate", "x");
        seen.append(pressOk(dialog));
        type(dialog, "txtRate", "18");
        type(dialog, "txtdate", "2/30/27");
        seen.append(pressOk(dialog));
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(box(dialog, "txtdate")->text(), "2/30/27");
    });
    ASSERT_EQ(seen.size(), 4);
    EXPECT_TRUE(seen[0].startsWith("Balance must be a number")) << seen[0].toStdString();
    EXPECT_EQ(seen[1], "Minimum payment can not be negative.");
    EXPECT_TRUE(seen[2].startsWith("Interest rate must be a number"));
    EXPECT_TRUE(seen[3].startsWith("Delayed start date must be a date"));
    EXPECT_EQ(account->debts().count(), 0);
}

TEST_F(DebtEntry, AFailedEditChangesNothing)
{
    account->debts().add({"Visa", 500, 0.1, 20, 100});
    const bool stored = display("visa", [&](DebtEntryDialog& dialog) {
        type(dialog, "txtBalance", "900");
        type(dialog, "txtdate", "someday");
        press(dialog, "cmdOK");
    });
    EXPECT_FALSE(stored);
    EXPECT_EQ(account->debts().find("Visa")->balance, 500) << "no half-applied edit";
    EXPECT_EQ(account->debts().find("Visa")->startDate, 100);
}

TEST_F(DebtEntry, ANameAlreadyInUseKeepsTheDialogOpen)
{
    account->debts().add({"Visa", 500, 0.1, 20, 0});
    const bool stored = display({}, [&](DebtEntryDialog& dialog) {
        fill(dialog, " VISA ", "100", "10", "5");
        press(dialog, "cmdOK");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(box(dialog, "txtCreditor")->text(), " VISA ");
        EXPECT_EQ(prompter.messages().size(), 1);
        type(dialog, "txtCreditor", "Visa Gold");
        press(dialog, "cmdOK");
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(stored);
    EXPECT_EQ(account->debts().count(), 2);
    EXPECT_EQ(account->debts().find("Visa")->balance, 500);
}

TEST_F(DebtEntry, TwoDigitYearsBefore30AreThisCentury)
{
    display({}, [&](DebtEntryDialog& dialog) {
        fill(dialog, "Old", "100", "10", "5", "1/1/98");
        press(dialog, "cmdOK");
    });
    EXPECT_EQ(DayDate::toDate(account->debts().find("Old")->startDate), QDate(1998, 1, 1));
}

TEST_F(DebtEntry, EditingShowsTheDebtAndStoresItUnchanged)
{
    account->debts().add({QString("Visa").leftJustified(100), 1234.5, 0.18, 40,
                          DayDate::fromDate(QDate(1999, 1, 15))});
    const bool stored = display("Visa", [&](DebtEntryDialog& dialog) {
        EXPECT_EQ(box(dialog, "txtCreditor")->text(), QString("Visa").leftJustified(100))
            << "text put there by the dialog is not cut to the typing limit";
        EXPECT_FALSE(box(dialog, "txtCreditor")->isEnabled());
        EXPECT_EQ(box(dialog, "txtCreditor")->cursorPosition(), 0) << "the name is in view";
        EXPECT_EQ(dialog.focusWidget(), box(dialog, "txtBalance"));
        EXPECT_EQ(box(dialog, "txtBalance")->text(), "1234.5");
        EXPECT_EQ(box(dialog, "txtRate")->text(), "18");
        EXPECT_EQ(box(dialog, "txtMonthly")->text(), "40");
        EXPECT_EQ(box(dialog, "txtdate")->text(), "01/15/1999");
        press(dialog, "cmdOK");
    });
    EXPECT_TRUE(stored);
    const auto visa = account->debts().find("Visa");
    EXPECT_EQ(visa->rate, 0.18);
    EXPECT_EQ(visa->balance, 1234.5);
    EXPECT_EQ(DayDate::toDate(visa->startDate), QDate(1999, 1, 15));
}

TEST_F(DebtEntry, CancelAndEscapeStoreNothing)
{
    EXPECT_FALSE(display({}, [&](DebtEntryDialog& dialog) {
        fill(dialog, "Visa", "100", "10", "5");
        press(dialog, "cmdCancel");
    }));
    EXPECT_FALSE(display({}, [&](DebtEntryDialog& dialog) {
        fill(dialog, "Visa", "100", "10", "5");
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
    }));
    EXPECT_EQ(account->debts().count(), 0);
}

TEST_F(DebtEntry, EnterPressesOkAndTypingStopsAtEachBoxsLimit)
{
    const bool stored = display({}, [&](DebtEntryDialog& dialog) {
        EXPECT_EQ(dialog.focusWidget(), box(dialog, "txtCreditor"));
        fill(dialog, "A Very Long Creditor Name", "12345678901234", "10", "123456");
        EXPECT_EQ(box(dialog, "txtCreditor")->text(), "A Very Long Credit");
        EXPECT_EQ(box(dialog, "txtBalance")->text(), "1234567890");
        EXPECT_EQ(box(dialog, "txtRate")->text(), "12345");
        type(dialog, "txtRate", "5");
        type(dialog, "txtMonthly", "9999999");
        QTest::keyClick(box(dialog, "txtMonthly"), Qt::Key_Return);
    });
    EXPECT_TRUE(stored);
    EXPECT_NE(account->debts().find("A Very Long Credit"), nullptr);
}

TEST_F(DebtEntry, ANameTheDataFileCannotHoldIsRefusedByItsCharacter)
{
    const bool stored = display({}, [&](DebtEntryDialog& dialog) {
        fill(dialog, "", "100", "10", "5");
        box(dialog, "txtCreditor")->setText(QString::fromUtf8("A\u2603")); // QTest types ASCII only
        EXPECT_TRUE(pressOk(dialog).contains(QString::fromUtf8("\u2603")));
        EXPECT_TRUE(dialog.isVisible());
    });
    EXPECT_FALSE(stored);
    EXPECT_EQ(account->debts().count(), 0);
}

TEST_F(DebtEntry, AnUnchangedEditKeepsTheStartDateInEveryLocale)
{
    const double march5 = DayDate::fromDate(QDate(2027, 3, 5));
    const struct {
        QLocale locale;
        const char* shown;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), "03/05/2027"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "05/03/2027"},
        {QLocale(QLocale::German, QLocale::Germany), "05.03.2027"},
    };
    account->debts().add({"Visa", 100, 0.1, 10, march5});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        const ScopedLocale locale(c.locale);
        QString shown;
        EXPECT_TRUE(display("Visa", [&](DebtEntryDialog& dialog) {
            shown = box(dialog, "txtdate")->text();
            press(dialog, "cmdOK");
        }));
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(account->debts().find("Visa")->startDate, march5);
    }
}

TEST_F(DebtEntry, TypingLimitsHoldAfterTheProgramFillsABoxAndCutPastedText)
{
    account->debts().add({"Visa", 1234567.891, 0.18, 40, 0});
    display("Visa", [&](DebtEntryDialog& dialog) {
        QLineEdit* balance = box(dialog, "txtBalance");
        ASSERT_EQ(balance->text(), "1234567.891") << "the program may fill past the limit";
        balance->end(false);
        QTest::keyClicks(balance, "5");
        EXPECT_EQ(balance->text(), "1234567.891") << "a full box takes no more typing";
        QTest::keyClick(balance, Qt::Key_Backspace);
        EXPECT_EQ(balance->text(), "1234567.89") << "but can be shortened";
        QLineEdit* rate = box(dialog, "txtRate");
        rate->clear();
        rate->insert("12345678"); // as a paste does
        EXPECT_EQ(rate->text(), "12345") << "a paste keeps what fits";
        rate->setCursorPosition(2);
        rate->insert("9");
        EXPECT_EQ(rate->text(), "12345");
    });
}

TEST_F(DebtEntry, TheCreditorsAccessKeyLeadsToTheBalanceWhenTheNameIsFixed)
{
    account->debts().add({"Visa", 100, 0.1, 10, 0});
    QWidget* focused = nullptr;
    display("Visa", [&](DebtEntryDialog& dialog) {
        dialog.activateWindow(); // access keys work in the active window
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        box(dialog, "txtRate")->setFocus();
        QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
        focused = dialog.focusWidget();
        EXPECT_EQ(focused, box(dialog, "txtBalance"));
    });
    EXPECT_NE(focused, nullptr);
}

} // namespace
