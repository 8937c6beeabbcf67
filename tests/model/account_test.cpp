#include "accountfixture.h"
#include "support/filesizelimit.h"
#include "support/nthdebt.h"

#include <QFileInfo>
#include <csignal>
#include <limits>
#include <sys/resource.h>

namespace {

using Account = AccountFixture;

TEST_F(Account, NoDataFileLoadsEmptyAndCreatesTheFile)
{
    EXPECT_TRUE(account->load());
    EXPECT_EQ(account->debts().count(), 0);
    EXPECT_EQ(account->extraMoney(), 0);
    EXPECT_TRUE(QFileInfo::exists(dataPath()));
    EXPECT_EQ(QFileInfo(dataPath()).size(), 0);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Account, SavesEveryRecordByteForByteAndReadsItBack)
{
    account->debts().add({QString::fromUtf8("Café Card"), 1000, 0.18, 25, 36175});
    account->debts().add({"  Visa", 2500.5, 0.075, 60.25, 46402.5});
    ASSERT_TRUE(account->save());
    EXPECT_TRUE(prompter.shown.empty()) << "the first save reports no missing file";

    const QByteArray expected = record("Caf\xe9 Card", 1000, 0.18, 25, 36175) +
                                record("  Visa", 2500.5, 0.075, 60.25, 46402.5);
    EXPECT_EQ(readData(), expected);

    auto reloaded = newAccount();
    ASSERT_TRUE(reloaded->load());
    ASSERT_EQ(reloaded->debts().count(), 2);
    const auto cafe = reloaded->debts().find(QString::fromUtf8("café card"));
    ASSERT_NE(cafe, nullptr);
    EXPECT_EQ(cafe->creditor, QString::fromUtf8("Café Card").leftJustified(100));
    EXPECT_EQ(cafe->balance, 1000);
    EXPECT_EQ(cafe->rate, 0.18);
    EXPECT_EQ(cafe->monthly, 25);
    EXPECT_EQ(cafe->startDate, 36175);
    EXPECT_EQ(nthDebt(reloaded->debts(), 2)->startDate, 46402.5);
    ASSERT_TRUE(reloaded->save());
    EXPECT_EQ(readData(), expected) << "a loaded file is saved unchanged";
}

TEST_F(Account, RecordsStartingWithAZeroByteAreSkipped)
{
    QByteArray gap = record("Gap", 5, 0, 1, 0);
    gap[0] = '\0';
    writeData(record("First", 1, 0, 1, 0) + gap + record("Third", 3, 0, 1, 0));
    ASSERT_TRUE(account->load());
    ASSERT_EQ(account->debts().count(), 2);
    EXPECT_EQ(nthDebt(account->debts(), 1)->creditor.trimmed(), "First");
    EXPECT_EQ(nthDebt(account->debts(), 2)->creditor.trimmed(), "Third");
}

TEST_F(Account, DuplicateNamesOnLoadAreReportedAndTheFirstIsKept)
{
    writeData(record("Visa", 1, 0, 1, 0) + record(" VISA", 2, 0, 1, 0) +
              record("Amex", 3, 0, 1, 0));
    EXPECT_TRUE(account->load());
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages().at(0).contains("VISA"));
    ASSERT_EQ(account->debts().count(), 2);
    EXPECT_EQ(account->debts().find("visa")->balance, 1);
    EXPECT_EQ(nthDebt(account->debts(), 2)->creditor.trimmed(), "Amex") << "loading went on";
}

TEST_F(Account, ATrailingPartRecordIsIgnored)
{
    writeData(record("One", 1, 0, 1, 0) + record("Two", 2, 0, 1, 0).left(70));
    EXPECT_TRUE(account->load());
    ASSERT_EQ(account->debts().count(), 1);
    EXPECT_EQ(nthDebt(account->debts(), 1)->balance, 1);
}

TEST_F(Account, DebtsHoldingNumbersThatAreNotFiniteAreKeptAndNamedOnce)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    writeData(record("Sound", 1, 0, 1, 0) + record("Broken", nan, 0, 1, 0) +
              record("Far", 1, 0, 1, infinity));
    EXPECT_TRUE(account->load());
    EXPECT_EQ(account->debts().count(), 3) << "nothing is dropped";
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages().at(0).contains("Broken, Far"))
        << prompter.messages().at(0).toStdString();
    EXPECT_FALSE(prompter.messages().at(0).contains("Sound"));
}

TEST_F(Account, ExtraMoneyIsReadAsTheNumberAtTheStartOfTheSetting)
{
    const auto loadSetting = [&](const char* text) {
        settings.setValue("Settings/Excees Funds", text);
        EXPECT_TRUE(account->load());
        return account->extraMoney();
    };
    EXPECT_EQ(loadSetting("150.5"), 150.5);
    EXPECT_EQ(loadSetting("150,5"), 150);
    EXPECT_EQ(loadSetting("abc"), 0);
    settings.remove("Settings/Excees Funds");
    EXPECT_TRUE(account->load());
    EXPECT_EQ(account->extraMoney(), 0);
}

TEST_F(Account, ExtraMoneyIsSavedInItsGeneralTextForm)
{
    account->setExtraMoney(12.5);
    ASSERT_TRUE(account->save());
    EXPECT_EQ(settings.value("Settings/Excees Funds").toString(), "12.5");
    account->setExtraMoney(150);
    ASSERT_TRUE(account->save());
    EXPECT_EQ(settings.value("Settings/Excees Funds").toString(), "150");
}

TEST_F(Account, SavingAfterDeletingLeavesOnlyTheRemainingRecords)
{
    for (const char* name : {"A", "B", "C", "D", "E"})
        account->debts().add({name, 1, 0, 1, 0});
    ASSERT_TRUE(account->save());
    account->debts().remove("B");
    account->debts().remove("D");
    ASSERT_TRUE(account->save());
    EXPECT_EQ(readData().size(), 3 * 132);
    account->debts().remove("A");
    account->debts().remove("C");
    account->debts().remove("E");
    ASSERT_TRUE(account->save());
    EXPECT_EQ(readData().size(), 0);
}

TEST_F(Account, ASaveThatCannotCompleteLeavesThePreviousFileWhole)
{
    for (const char* name : {"A", "B", "C"})
        account->debts().add({name, 1, 0, 1, 0});
    ASSERT_TRUE(account->save());
    const QByteArray before = readData();

    for (int i = 0; i < 40; ++i)
        account->debts().add({QString("Card %1").arg(i), 1, 0, 1, 0});
    {
        FileSizeLimit limit(2000);
        EXPECT_FALSE(account->save());
    }
    EXPECT_EQ(readData(), before);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages().at(0).contains("debts.dat"));
    EXPECT_EQ(QDir(folder.path()).entryList({"debts.dat*"}, QDir::Files).size(), 1)
        << "no temporary file is left behind";
}

TEST_F(Account, AFileThatCouldNotBeReadInFullIsNeverReplaced)
{
    QByteArray many;
    for (int i = 0; i <= DebtList::kMaxCount; ++i)
        many.append(record(QByteArray::number(i), 1, 0, 1, 0));
    writeData(many);
    EXPECT_FALSE(account->load());
    EXPECT_EQ(account->debts().count(), DebtList::kMaxCount);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_FALSE(account->save());
    EXPECT_EQ(readData(), many);
}

} // namespace
