#include "model/debtlist.h"
#include "support/nthdebt.h"
#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

namespace {

class DebtsTest : public testing::Test {
protected:
    ScriptedPrompter prompter;
    DebtList debts{prompter};

    QStringList names() const
    {
        QStringList result;
        for (const auto& debt : debts)
            result.append(debt->creditor);
        return result;
    }
};

TEST_F(DebtsTest, ANewCollectionIsEmpty)
{
    EXPECT_EQ(debts.count(), 0);
    EXPECT_TRUE(names().isEmpty());
    EXPECT_EQ(nthDebt(debts, 1), nullptr);
}

TEST_F(DebtsTest, KeysIgnoreLetterCaseAndSurroundingBlanks)
{
    const auto visa = debts.add({"VISA", 100, 0.18, 10, 0});
    ASSERT_NE(visa, nullptr);
    EXPECT_EQ(debts.add({"Visa", 200, 0.1, 20, 0}), nullptr);
    EXPECT_EQ(debts.add({"  visa  ", 300, 0.1, 20, 0}), nullptr);
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_TRUE(prompter.messages().at(0).contains("Visa"));
    EXPECT_EQ(prompter.shown.at(0).title, "Varnholt");
    EXPECT_EQ(debts.count(), 1);
    EXPECT_EQ(debts.find("visa"), visa) << "the first one stays";
    EXPECT_EQ(visa->balance, 100);
}

TEST_F(DebtsTest, CreditorIsStoredUntrimmedButFoundByItsTrimmedName)
{
    debts.add({"  Visa  ", 100, 0, 10, 0});
    debts.add({QString("Amex").leftJustified(100), 50, 0, 10, 0});
    ASSERT_NE(debts.find("Visa"), nullptr);
    EXPECT_EQ(debts.find("Visa")->creditor, "  Visa  ");
    EXPECT_EQ(debts.find(" AMEX ")->creditor.size(), 100);
    EXPECT_EQ(nthDebt(debts, 2), debts.find("amex"));
    EXPECT_EQ(debts.find("Discover"), nullptr);
    EXPECT_EQ(nthDebt(debts, 0), nullptr);
    EXPECT_EQ(nthDebt(debts, 3), nullptr);
}

TEST_F(DebtsTest, DeleteAsksWithTheTrimmedNameAndKeepsTheDebtOnNo)
{
    debts.add({QString("Visa").leftJustified(100), 100, 0, 10, 0});
    prompter.yesNoAnswers = {false};
    debts.remove("Visa");
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, ScriptedPrompter::Shown::Question);
    EXPECT_EQ(prompter.shown[0].text, "Are you sure you want to delete Visa?");
    EXPECT_EQ(prompter.shown[0].title, "Varnholt");
    EXPECT_EQ(debts.count(), 1);
}

TEST_F(DebtsTest, DeletingTheMiddleDebtMovesTheRestUp)
{
    debts.add({"A", 1, 0, 1, 0});
    debts.add({"B", 2, 0, 1, 0});
    debts.add({"C", 3, 0, 1, 0});
    debts.remove("b");
    EXPECT_EQ(names(), QStringList({"A", "C"}));
    EXPECT_EQ(nthDebt(debts, 2)->creditor, "C");
    EXPECT_EQ(debts.find("B"), nullptr);
    EXPECT_NE(debts.add({"b", 4, 0, 1, 0}), nullptr) << "the key is free again";
}

TEST_F(DebtsTest, DeletingAnUnknownDebtAsksNothing)
{
    debts.add({"A", 1, 0, 1, 0});
    debts.remove("Z");
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(debts.count(), 1);
}

TEST_F(DebtsTest, TheListStopsAtTheLargestCountTheDataFileCanHold)
{
    for (int i = 0; i < DebtList::kMaxCount; ++i)
        ASSERT_NE(debts.add({QString::number(i), 1, 0, 1, 0}), nullptr);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(debts.add({"One too many", 1, 0, 1, 0}), nullptr);
    EXPECT_EQ(debts.count(), DebtList::kMaxCount);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages().at(0).contains("32767"));
    EXPECT_EQ(nthDebt(debts, DebtList::kMaxCount)->creditor,
              QString::number(DebtList::kMaxCount - 1));
}

} // namespace
