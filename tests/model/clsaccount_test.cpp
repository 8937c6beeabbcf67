#include "accountfixture.h"

#include <QFileInfo>
#include <csignal>
#include <sys/resource.h>

namespace {

using Account = AccountFixture;

TEST_F(Account, NoDataFileLoadsEmptyAndCreatesTheFile)
{
    EXPECT_TRUE(account->Load());
    EXPECT_EQ(account->Debts().Count(), 0);
    EXPECT_EQ(account->excessfunds(), 0);
    EXPECT_TRUE(QFileInfo::exists(dataPath()));
    EXPECT_EQ(QFileInfo(dataPath()).size(), 0);
    EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(Account, SavesEveryRecordByteForByteAndReadsItBack)
{
    account->Debts().Add(QString::fromUtf8("Café Card"), 1000, 0.18, 25, 36175);
    account->Debts().Add("  Visa", 2500.5, 0.075, 60.25, 46402.5);
    ASSERT_TRUE(account->Save());
    EXPECT_TRUE(prompter.shown.empty()) << "the first save reports no missing file";

    const QByteArray expected = record("Caf\xe9 Card", 1000, 0.18, 25, 36175) +
                                record("  Visa", 2500.5, 0.075, 60.25, 46402.5);
    EXPECT_EQ(readData(), expected);

    auto reloaded = newAccount();
    ASSERT_TRUE(reloaded->Load());
    ASSERT_EQ(reloaded->Debts().Count(), 2);
    const auto cafe = reloaded->Debts().Item(QString::fromUtf8("café card"));
    ASSERT_NE(cafe, nullptr);
    EXPECT_EQ(cafe->Creditor, QString::fromUtf8("Café Card").leftJustified(100));
    EXPECT_EQ(cafe->Balance, 1000);
    EXPECT_EQ(cafe->Rate, 0.18);
    EXPECT_EQ(cafe->Monthly, 25);
    EXPECT_EQ(cafe->StartDate, 36175);
    EXPECT_EQ(reloaded->Debts().Item(2)->StartDate, 46402.5);
    ASSERT_TRUE(reloaded->Save());
    EXPECT_EQ(readData(), expected) << "a loaded file is saved unchanged";
}

TEST_F(Account, RecordsStartingWithAZeroByteAreSkipped)
{
    QByteArray gap = record("Gap", 5, 0, 1, 0);
    gap[0] = '\0';
    writeData(record("First", 1, 0, 1, 0) + gap + record("Third", 3, 0, 1, 0));
    ASSERT_TRUE(account->Load());
    ASSERT_EQ(account->Debts().Count(), 2);
    EXPECT_EQ(account->Debts().Item(1)->Creditor.trimmed(), "First");
    EXPECT_EQ(account->Debts().Item(2)->Creditor.trimmed(), "Third");
}

TEST_F(Account, DuplicateNamesOnLoadAreReportedAndTheFirstIsKept)
{
    writeData(record("Visa", 1, 0, 1, 0) + record(" VISA", 2, 0, 1, 0) +
              record("Amex", 3, 0, 1, 0));
    EXPECT_TRUE(account->Load());
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages().at(0).contains("VISA"));
    ASSERT_EQ(account->Debts().Count(), 2);
    EXPECT_EQ(account->Debts().Item("visa")->Balance, 1);
    EXPECT_EQ(account->Debts().Item(2)->Creditor.trimmed(), "Amex") << "loading went on";
}

TEST_F(Account, ATrailingPartRecordIsIgnored)
{
    writeData(record("One", 1, 0, 1, 0) + record("Two", 2, 0, 1, 0).left(70));
    EXPECT_TRUE(account->Load());
    ASSERT_EQ(account->Debts().Count(), 1);
    EXPECT_EQ(account->Debts().Item(1)->Balance, 1);
}

TEST_F(Account, ExtraMoneyIsReadAsTheNumberAtTheStartOfTheSetting)
{
    const auto loadSetting = [&](const char* text) {
        settings.setValue("Settings/Excees Funds", text);
        EXPECT_TRUE(account->Load());
        return account->excessfunds();
    };
    EXPECT_EQ(loadSetting("150.5"), 150.5);
    EXPECT_EQ(loadSetting("150,5"), 150);
    EXPECT_EQ(loadSetting("abc"), 0);
    settings.remove("Settings/Excees Funds");
    EXPECT_TRUE(account->Load());
    EXPECT_EQ(account->excessfunds(), 0);
}

TEST_F(Account, ExtraMoneyIsSavedInItsGeneralTextForm)
{
    account->setExcessfunds(12.5);
    ASSERT_TRUE(account->Save());
    EXPECT_EQ(settings.value("Settings/Excees Funds").toString(), "12.5");
    account->setExcessfunds(150);
    ASSERT_TRUE(account->Save());
    EXPECT_EQ(settings.value("Settings/Excees Funds").toString(), "150");
}

TEST_F(Account, SavingAfterDeletingLeavesOnlyTheRemainingRecords)
{
    for (const char* name : {"A", "B", "C", "D", "E"})
        account->Debts().Add(name, 1, 0, 1, 0);
    ASSERT_TRUE(account->Save());
    account->Debts().Delete("B");
    account->Debts().Delete("D");
    ASSERT_TRUE(account->Save());
    EXPECT_EQ(readData().size(), 3 * 132);
    account->Debts().Delete("A");
    account->Debts().Delete("C");
    account->Debts().Delete("E");
    ASSERT_TRUE(account->Save());
    EXPECT_EQ(readData().size(), 0);
}

// Writes past a small file-size limit fail as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

TEST_F(Account, ASaveThatCannotCompleteLeavesThePreviousFileWhole)
{
    for (const char* name : {"A", "B", "C"})
        account->Debts().Add(name, 1, 0, 1, 0);
    ASSERT_TRUE(account->Save());
    const QByteArray before = readData();

    for (int i = 0; i < 40; ++i)
        account->Debts().Add(QString("Card %1").arg(i), 1, 0, 1, 0);
    {
        FileSizeLimit limit(2000);
        EXPECT_FALSE(account->Save());
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
    for (int i = 0; i <= clsDebts::kMaxCount; ++i)
        many.append(record(QByteArray::number(i), 1, 0, 1, 0));
    writeData(many);
    EXPECT_FALSE(account->Load());
    EXPECT_EQ(account->Debts().Count(), clsDebts::kMaxCount);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_FALSE(account->Save());
    EXPECT_EQ(readData(), many);
}

} // namespace
