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

} // namespace
