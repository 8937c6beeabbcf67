#include "mainwindowfixture.h"
#include "ui/entry/debtentrydialog.h"

namespace {

using namespace DialogScript;

class DebtEntry : public MainWindowFixture {
protected:
    // Shows the dialog for the key (empty: a new debt) and runs the script in it.
    bool show(const QString& key, std::function<void(DebtEntryDialog&)> script)
    {
        DebtEntryDialog dialog(account, prompter, clock);
        whenShown<DebtEntryDialog>(std::move(script));
        return key.isEmpty() ? dialog.addDebt() : dialog.editDebt(key);
    }
    // Types the entries: "creditor|balance|minimum|rate|date".
    static void fill(DebtEntryDialog& dialog, const QString& entries)
    {
        const char* boxes[] = {"txtCreditor", "txtBalance", "txtMonthly", "txtRate", "txtdate"};
        for (int i = 0; i < entries.count('|') + 1; ++i)
            type(dialog, boxes[i], entries.section('|', i, i));
    }
    // Fills a new debt's dialog and presses OK: the message shown, or "stored".
    QString enter(const QString& entries)
    {
        const size_t shown = prompter.shown.size();
        const bool stored = show({}, [&](DebtEntryDialog& dialog) {
            fill(dialog, entries);
            press(dialog, "cmdOK");
            EXPECT_EQ(box(dialog, "txtBalance")->text(), entries.section('|', 1, 1)) << "kept";
        });
        return stored ? "stored" : prompter.shown.size() > shown ? prompter.shown.back().text : "";
    }
};

TEST_F(DebtEntry, ChecksTheEntriesInOrderAndKeepsThemUntilTheyPass)
{
    const std::pair<const char*, const char*> cases[] = {
        {"|", "Creditor must not be blank"},
        {"   |100", "Creditor must not be blank"},
        {"Visa|", "Balance must not be blank"},
        {"Visa|1000|", "Minimum monthly must not be blank"},
        {"Visa|1000|15|", "Interest Rate must not be blank"},
        {"Visa|lots|15|18", "Balance must be a number, such as 1,250.75; you typed \"lots\"."},
        {"Visa|12abc|15|18", "Balance must be a number, such as 1,250.75; you typed \"12abc\"."},
        {"Visa|1000|-15|18", "Minimum payment can not be negative."},
        {"Visa|1000|15|x", "Interest rate must be a number, such as 1,250.75; you typed \"x\"."},
        {"Shark|1000|90|100.5", "That interest rate can not be over 100%"},
        {"3M Card|1000|10|18", "The monthly minimum for this debt needs to be increased to at "
                               "least 15 to keep the balance from increasing."},
        {"3M Card|1000|15|18", "Creditor name must start with a letter"},
        {" Amex|1000|15|18", "Creditor name must start with a letter"},
        {"Visa|1000|15|18|2/30/27", "Delayed start date must be a date, such as 12/28/2046."},
        {"Shark|1000|100|100", "stored"},
        {"amex|1000|15|18|1/1/98", "stored"},
        {"Card|$4,200|100|22.9%", "stored"},
        {"AMEX|1|1|1", "A debt named \"AMEX\" is already in the list."},
        {"A\u2603|1|1|1", "Creditor name can not contain \"\u2603\":"},
    };
    for (const auto& [entries, message] : cases)
        EXPECT_EQ(enter(QString::fromUtf8(entries)).left(QString::fromUtf8(message).size()),
                  QString::fromUtf8(message))
            << entries;
    EXPECT_EQ(account.debts().count(), 3);
    EXPECT_EQ(account.debts().find("shark")->rate, 1.0);
    EXPECT_EQ(std::tie(account.debts().find("card")->balance, account.debts().find("card")->rate),
              std::make_tuple(4200.0, 22.9 / 100)); // the percent typed, as a fraction
    EXPECT_EQ(account.debts().find("shark")->startDate, today) << "no date is today";
    EXPECT_EQ(account.debts().find("amex")->startDate, dayNumber(1998, 1, 1));
}

TEST_F(DebtEntry, EditingShowsTheDebtAndStoresWhatChanged)
{
    const QString padded = QString("Visa").leftJustified(100);
    addDebts(account.debts(), {{padded, 1234.5, 0.18, 40, dayNumber(1999, 1, 15)}});
    EXPECT_TRUE(show("visa", [&](DebtEntryDialog& dialog) {
        EXPECT_EQ(box(dialog, "txtCreditor")->text(), padded);
        EXPECT_FALSE(box(dialog, "txtCreditor")->isEnabled());
        EXPECT_EQ(dialog.focusWidget(), box(dialog, "txtBalance"));
        QStringList shown;
        for (const char* name : {"txtBalance", "txtRate", "txtMonthly", "txtdate"})
            shown.append(box(dialog, name)->text());
        EXPECT_EQ(shown.join('|'), "1234.5|18|40|01/15/1999");
        type(dialog, "txtdate", "3/5/2047");
        QTest::keyClick(box(dialog, "txtdate"), Qt::Key_Return); // Enter presses OK
    }));
    const auto visa = account.debts().find("Visa");
    EXPECT_EQ(std::tie(visa->balance, visa->rate, visa->startDate),
              std::make_tuple(1234.5, 0.18, dayNumber(2047, 3, 5)));
    // A failed check or Cancel leaves the debt as it was.
    for (const char* button : {"cmdOK", "cmdCancel"}) {
        EXPECT_FALSE(show("Visa", [&](DebtEntryDialog& dialog) {
            type(dialog, "txtBalance", "900");
            type(dialog, "txtdate", "someday");
            press(dialog, button);
        }));
        EXPECT_EQ(visa->balance, 1234.5) << button;
    }
}

TEST_F(DebtEntry, AnUnchangedEditStoresNothingNewInEveryLocale)
{
    const double march5 = dayNumber(2047, 3, 5) + 0.75; // with a time of day
    addDebts(account.debts(), {{"Visa", 100, 0.1899, 10, march5}});
    const std::pair<QLocale, const char*> cases[] = {
        {kUs, "03/05/2047"},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), "05/03/2047"},
        {QLocale(QLocale::German, QLocale::Germany), "05.03.2047"},
    };
    for (const auto& [locale, shown] : cases) {
        const ScopedLocale inLocale(locale);
        EXPECT_TRUE(show("Visa", [&, shown = shown](DebtEntryDialog& dialog) {
            EXPECT_EQ(box(dialog, "txtdate")->text(), shown);
            press(dialog, "cmdOK");
        }));
        const Debt* visa = account.debts().find("Visa");
        EXPECT_EQ(std::tie(visa->startDate, visa->rate), std::make_tuple(march5, 0.1899)) << shown;
    }
}

TEST_F(DebtEntry, TypingLimitsHoldAfterTheProgramFillsABoxAndCutPastedText)
{
    addDebts(account.debts(), {{"Visa", 1234567.891, 0.18, 40, 0}});
    show("Visa", [&](DebtEntryDialog& dialog) {
        QLineEdit* balance = box(dialog, "txtBalance");
        ASSERT_EQ(balance->text(), "1234567.891") << "the program may fill past the limit";
        balance->end(false);
        QTest::keyClicks(balance, "5");
        EXPECT_EQ(balance->text(), "1234567.891") << "a full box takes no more typing";
        QTest::keyClick(balance, Qt::Key_Backspace);
        EXPECT_EQ(balance->text(), "1234567.89") << "but can be shortened";
        box(dialog, "txtRate")->clear();
        box(dialog, "txtRate")->insert("12345678"); // as a paste does
        EXPECT_EQ(box(dialog, "txtRate")->text(), "12345") << "a paste keeps what fits";
    });
}

TEST_F(DebtEntry, TheCreditorsAccessKeyLeadsToTheBalanceWhenTheNameIsFixed)
{
    addDebts(account.debts(), {{"Visa", 100, 0.1, 10, 0}});
    QString focused; // the dialog is gone once it closes
    show("Visa", [&](DebtEntryDialog& dialog) {
        QApplication::setActiveWindow(&dialog); // access keys work in the active window
        box(dialog, "txtRate")->setFocus();
        QTest::keyClick(&dialog, Qt::Key_C, Qt::AltModifier);
        focused = dialog.focusWidget()->objectName();
    });
    EXPECT_EQ(focused, "txtBalance");
}

} // namespace
