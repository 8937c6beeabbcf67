#include "model/debtlist.h"
#include "support/scriptedprompter.h"

#include <gtest/gtest.h>

namespace {

class DebtListTest : public testing::Test {
protected:
    ScriptedPrompter prompter;
    DebtList debts{prompter};

    QString names() const
    {
        QStringList all;
        for (const auto& debt : debts)
            all.append(debt->creditor);
        return all.join('|');
    }
};

TEST_F(DebtListTest, NamesAreKeysWithoutBlanksOrLetterCase)
{
    const auto visa = debts.add({"  VISA  ", 100, 0.18, 10, 0});
    EXPECT_EQ(debts.add({"visa", 200, 0.1, 20, 0}), nullptr);
    EXPECT_EQ(prompter.texts(), QStringList({"A debt named \"visa\" is already in the list."}));
    EXPECT_EQ(prompter.shown.at(0).title, "Varnholt");
    EXPECT_EQ(debts.find("Visa"), visa) << "the first one stays";
    EXPECT_EQ(names(), "  VISA  ") << "stored as entered";
    EXPECT_EQ(debts.find("Amex"), nullptr);
}

TEST_F(DebtListTest, RemoveAsksWithTheTrimmedNameAndKeepsTheDebtOnNo)
{
    for (const char* name : {"A", "B ", "C"})
        debts.add({name, 1, 0, 1, 0});
    prompter.yesNoAnswers = {false, true};
    debts.remove("b");
    EXPECT_EQ(names(), "A|B |C");
    debts.remove(" B ");
    debts.remove("Z");
    EXPECT_EQ(names(), "A|C");
    EXPECT_EQ(prompter.texts(), QStringList(2, "Are you sure you want to delete B?"))
        << "an unknown name asks nothing";
    EXPECT_NE(debts.add({"b", 4, 0, 1, 0}), nullptr) << "the key is free again";
}

TEST_F(DebtListTest, StopsAtTheLargestCountTheDataFileCanHold)
{
    for (int i = 0; i < DebtList::kMaxCount; ++i)
        ASSERT_NE(debts.add({QString::number(i), 1, 0, 1, 0}), nullptr);
    EXPECT_EQ(debts.add({"One too many", 1, 0, 1, 0}), nullptr);
    EXPECT_EQ(debts.count(), DebtList::kMaxCount);
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts().at(0).contains("32767"));
}

} // namespace
