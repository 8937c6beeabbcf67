#include "model/debtlist.h"
#include "support/debts.h"

#include <QSignalSpy>

namespace {

QString names(const DebtList& debts)
{
    QStringList all;
    for (const Debt& debt : debts)
        all.append(debt.creditor);
    return all.join('|');
}

TEST(DebtList, NamesAreKeysWithoutBlanksOrLetterCase)
{
    DebtList debts;
    addDebts(debts, {{"  VISA  ", 100, 0.18, 10, 0}, {"Amex", 50, 0, 5, 0}});
    EXPECT_EQ(debts.add({"visa", 200, 0.1, 20, 0}), DebtList::AddResult::DuplicateKey);
    EXPECT_EQ(debts.find("Visa")->balance, 100) << "the first one stays";
    EXPECT_EQ(names(debts), "  VISA  |Amex") << "stored as entered";
    EXPECT_EQ(debts.find("Discover"), nullptr);
    EXPECT_TRUE(debts.remove(" visa"));
    EXPECT_FALSE(debts.remove("visa"));
    EXPECT_EQ(debts.indexOf("AMEX"), 0) << "the debts behind a removed one move up";
}

TEST(DebtList, AnnouncesEachChangeBeforeAndAfterIt)
{
    DebtList debts;
    QSignalSpy before(&debts, &DebtList::aboutToRemove);
    QSignalSpy after(&debts, &DebtList::removed);
    QSignalSpy changed(&debts, &DebtList::changed);
    addDebts(debts, {{"A", 1, 0, 1, 0}, {"B", 2, 0, 1, 0}, {"C", 3, 0, 1, 0}});
    debts.update(2, 30, 0.1, 2, 5);
    debts.remove("b");
    EXPECT_EQ(std::tie(debts.at(1).creditor, debts.at(1).balance, debts.at(1).startDate),
              std::make_tuple(QString("C"), 30.0, 5.0));
    EXPECT_EQ(changed.takeFirst().at(0), 2);
    EXPECT_EQ(before.takeFirst().at(0), 1);
    EXPECT_EQ(after.takeFirst().at(0), 1);
}

} // namespace
