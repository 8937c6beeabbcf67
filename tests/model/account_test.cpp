#include "accountfixture.h"
#include "support/filesizelimit.h"

#include <QDir>
#include <limits>

namespace {

class AccountTest : public AccountFixture {
protected:
    // Loads a data file into a fresh account: the names loaded, and the
    // messages shown, joined by blanks.
    QString load(const QByteArray& file)
    {
        writeData(file);
        prompter.shown.clear();
        account = newAccount();
        EXPECT_TRUE(account->load());
        QStringList names;
        for (const auto& debt : account->debts())
            names.append(debt->creditor.trimmed());
        return (names + prompter.texts()).join(' ');
    }
};

TEST_F(AccountTest, SavesEveryRecordByteForByteAndReadsItBack)
{
    EXPECT_EQ(load({}), "");
    account->debts().add({QString::fromUtf8("Café Card"), 1000, 0.18, 25, 36175});
    account->debts().add({"  Visa", 2500.5, 0.075, 60.25, 46402.5});
    ASSERT_TRUE(account->save());
    const QByteArray expected = record("Caf\xe9 Card", 1000, 0.18, 25, 36175) +
                                record("  Visa", 2500.5, 0.075, 60.25, 46402.5);
    EXPECT_EQ(readData(), expected);
    EXPECT_EQ(load(expected), QString::fromUtf8("Café Card Visa"));
    const auto cafe = account->debts().find(QString::fromUtf8("café card"));
    EXPECT_EQ(cafe->creditor, QString::fromUtf8("Café Card").leftJustified(100));
    EXPECT_EQ(std::tie(cafe->balance, cafe->rate, cafe->monthly, cafe->startDate),
              std::make_tuple(1000.0, 0.18, 25.0, 36175.0));
    ASSERT_TRUE(account->save());
    EXPECT_EQ(readData(), expected) << "a loaded file is saved unchanged";
}

TEST_F(AccountTest, LoadsWhatTheFileHoldsAndReportsWhatItCannotUse)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    QByteArray emptied = record("Gap", 5);
    emptied[0] = '\0';
    EXPECT_EQ(load(record("First", 1) + emptied + record("Third", 3)), "First Third");
    EXPECT_EQ(load(record("One", 1) + record("Two", 2).left(70)), "One") << "a part-record";
    EXPECT_EQ(load(record("Visa", 1) + record(" VISA", 2) + record("Amex", 3)),
              "Visa Amex A debt named \"VISA\" is already in the list.");
    EXPECT_TRUE(load(record("Sound", 1) + record("Broken", nan) + record("Far", 1, 0, 1, infinity))
                    .startsWith("Sound Broken Far debts.dat holds numbers that are not amounts, "
                                "rates or dates for these debts: Broken, Far."));
}

TEST_F(AccountTest, ExtraMoneyIsTheNumberAtTheStartOfTheSetting)
{
    const std::pair<const char*, double> cases[] = {{"150.5", 150.5}, {"150,5", 150}, {"abc", 0}};
    for (const auto& [stored, read] : cases) {
        settings.setValue("Settings/Excees Funds", stored);
        load({});
        EXPECT_EQ(account->extraMoney(), read) << stored;
    }
    settings.remove("Settings/Excees Funds");
    load({});
    EXPECT_EQ(account->extraMoney(), 0);
    account->setExtraMoney(12.5);
    ASSERT_TRUE(account->save());
    EXPECT_EQ(settings.value("Settings/Excees Funds").toString(), "12.5");
}

TEST_F(AccountTest, SavingAfterDeletingLeavesOnlyTheRemainingRecords)
{
    for (const char* name : {"A", "B", "C", "D", "E"})
        account->debts().add({name, 1, 0, 1, 0});
    account->debts().remove("B");
    account->debts().remove("D");
    ASSERT_TRUE(account->save());
    EXPECT_EQ(readData(), record("A", 1) + record("C", 1) + record("E", 1));
}

TEST_F(AccountTest, ASaveThatCannotCompleteLeavesThePreviousFileWhole)
{
    account->debts().add({"A", 1, 0, 1, 0});
    ASSERT_TRUE(account->save());
    for (int i = 0; i < 40; ++i)
        account->debts().add({QString("Card %1").arg(i), 1, 0, 1, 0});
    {
        const FileSizeLimit limit(2000);
        EXPECT_FALSE(account->save());
    }
    EXPECT_EQ(readData(), record("A", 1));
    EXPECT_TRUE(prompter.texts().at(0).contains(dataPath()));
    EXPECT_EQ(QDir(folder.path()).entryList({"debts.dat*"}, QDir::Files).size(), 1)
        << "no temporary file is left behind";
}

TEST_F(AccountTest, AFileThatCouldNotBeReadInFullIsNeverReplaced)
{
    QByteArray many;
    for (int i = 0; i <= DebtList::kMaxCount; ++i)
        many.append(record(QByteArray::number(i), 1));
    writeData(many);
    EXPECT_FALSE(account->load());
    EXPECT_EQ(account->debts().count(), DebtList::kMaxCount);
    EXPECT_FALSE(account->save());
    EXPECT_EQ(prompter.texts().size(), 2) << "the load and the refused save are both reported";
    EXPECT_EQ(readData(), many);
}

} // namespace
