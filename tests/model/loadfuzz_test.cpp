// Random data files must load without crashing or hanging, and whatever was
// loaded must save as a valid file that loads to the same debts.
#include "accountfixture.h"
#include "support/nthdebt.h"

#include <QRandomGenerator>
#include <cstring>

namespace {

using LoadFuzz = AccountFixture;

QByteArray randomRecord(QRandomGenerator& random, const QList<QByteArray>& usedNames)
{
    QByteArray bytes(132, '\0');
    for (char& b : bytes)
        b = static_cast<char>(random.bounded(256));
    switch (random.bounded(4)) {
    case 0: // a skipped record
        bytes[0] = '\0';
        break;
    case 1: // a name seen before, to exercise duplicates
        if (!usedNames.isEmpty())
            bytes.replace(0, 100, usedNames.at(random.bounded(usedNames.size())));
        break;
    default:
        break;
    }
    return bytes;
}

bool sameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

TEST_F(LoadFuzz, RandomFilesLoadAndSaveAsValidFiles)
{
    QRandomGenerator random(20261206);
    for (int round = 0; round < 600; ++round) {
        QByteArray file;
        QList<QByteArray> names;
        const int records = random.bounded(12);
        for (int i = 0; i < records; ++i) {
            const QByteArray bytes = randomRecord(random, names);
            names.append(bytes.left(100));
            file.append(bytes);
        }
        file.append(QByteArray(random.bounded(132), 'x')); // a part-record, often empty
        writeData(file);

        prompter.shown.clear();
        ASSERT_TRUE(account->load()) << "round " << round;
        const int loaded = account->debts().count();
        ASSERT_LE(loaded, records);
        ASSERT_TRUE(account->save()) << "round " << round;
        ASSERT_EQ(readData().size(), loaded * 132) << "round " << round;

        auto again = newAccount();
        ASSERT_TRUE(again->load());
        ASSERT_EQ(again->debts().count(), loaded);
        for (int i = 1; i <= loaded; ++i) {
            const auto& before = *nthDebt(account->debts(), i);
            const auto& after = *nthDebt(again->debts(), i);
            ASSERT_EQ(after.creditor, before.creditor);
            ASSERT_TRUE(sameBits(after.balance, before.balance));
            ASSERT_TRUE(sameBits(after.startDate, before.startDate));
        }
    }
}

} // namespace
