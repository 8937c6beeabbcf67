#include "model/clsdebts.h"
#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

namespace {

class DebtsTest : public testing::Test {
protected:
    ScriptedPrompter prompter;
    clsDebts debts{prompter};

    QStringList names() const
    {
        QStringList result;
        for (const auto& debt : debts)
            result.append(debt->Creditor);
        return result;
    }
};

TEST_F(DebtsTest, ANewCollectionIsEmpty)
{
    EXPECT_EQ(debts.Count(), 0);
    EXPECT_TRUE(names().isEmpty());
    EXPECT_EQ(debts.Item(1), nullptr);
}

TEST_F(DebtsTest, KeysIgnoreLetterCaseAndSurroundingBlanks)
{
    const auto visa = debts.Add("VISA", 100, 0.18, 10, 0);
    ASSERT_NE(visa, nullptr);
    EXPECT_EQ(debts.Add("Visa", 200, 0.1, 20, 0), nullptr);
    EXPECT_EQ(debts.Add("  visa  ", 300, 0.1, 20, 0), nullptr);
    ASSERT_EQ(prompter.messages().size(), 2);
    EXPECT_TRUE(prompter.messages().at(0).contains("Visa"));
    EXPECT_EQ(prompter.shown.at(0).title, "Varnholt");
    EXPECT_EQ(debts.Count(), 1);
    EXPECT_EQ(debts.Item("visa"), visa) << "the first one stays";
    EXPECT_EQ(visa->Balance, 100);
}

TEST_F(DebtsTest, CreditorIsStoredUntrimmedButFoundByItsTrimmedName)
{
    debts.Add("  Visa  ", 100, 0, 10, 0);
    debts.Add(QString("Amex").leftJustified(100), 50, 0, 10, 0);
    ASSERT_NE(debts.Item("Visa"), nullptr);
    EXPECT_EQ(debts.Item("Visa")->Creditor, "  Visa  ");
    EXPECT_EQ(debts.Item(" AMEX ")->Creditor.size(), 100);
    EXPECT_EQ(debts.Item(2), debts.Item("amex"));
    EXPECT_EQ(debts.Item("Discover"), nullptr);
    EXPECT_EQ(debts.Item(0), nullptr);
    EXPECT_EQ(debts.Item(3), nullptr);
}

TEST_F(DebtsTest, DeleteAsksWithTheTrimmedNameAndKeepsTheDebtOnNo)
{
    debts.Add(QString("Visa").leftJustified(100), 100, 0, 10, 0);
    prompter.yesNoAnswers = {false};
    EXPECT_EQ(debts.Delete("Visa"), clsDebts::DeleteResult::Kept);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].kind, ScriptedPrompter::Shown::Question);
    EXPECT_EQ(prompter.shown[0].text, "Are you sure you want to delete Visa?");
    EXPECT_EQ(prompter.shown[0].title, "Varnholt");
    EXPECT_EQ(debts.Count(), 1);
}

TEST_F(DebtsTest, DeletingTheMiddleDebtMovesTheRestUp)
{
    debts.Add("A", 1, 0, 1, 0);
    debts.Add("B", 2, 0, 1, 0);
    debts.Add("C", 3, 0, 1, 0);
    EXPECT_EQ(debts.Delete("b"), clsDebts::DeleteResult::Removed);
    EXPECT_EQ(names(), QStringList({"A", "C"}));
    EXPECT_EQ(debts.Item(2)->Creditor, "C");
    EXPECT_EQ(debts.Item("B"), nullptr);
    EXPECT_NE(debts.Add("b", 4, 0, 1, 0), nullptr) << "the key is free again";
}

TEST_F(DebtsTest, DeletingAnUnknownDebtAsksNothing)
{
    debts.Add("A", 1, 0, 1, 0);
    EXPECT_EQ(debts.Delete("Z"), clsDebts::DeleteResult::NotFound);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(debts.Count(), 1);
}

TEST_F(DebtsTest, TheListStopsAtTheLargestCountTheDataFileCanHold)
{
    for (int i = 0; i < clsDebts::kMaxCount; ++i)
        ASSERT_NE(debts.Add(QString::number(i), 1, 0, 1, 0), nullptr);
    EXPECT_TRUE(prompter.shown.empty());
    EXPECT_EQ(debts.Add("One too many", 1, 0, 1, 0), nullptr);
    EXPECT_EQ(debts.Count(), clsDebts::kMaxCount);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages().at(0).contains("32767"));
    EXPECT_EQ(debts.Item(clsDebts::kMaxCount)->Creditor, QString::number(clsDebts::kMaxCount - 1));
}

} // namespace
