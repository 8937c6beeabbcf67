// Random data files must load without crashing or hanging (the sanitizer
// build watches for overruns), and what was loaded must save as a valid file
// that loads to the same debts.
#include "accountfixture.h"

#include <QRandomGenerator>

namespace {

using LoadFuzz = AccountFixture;

QByteArray randomRecord(QRandomGenerator& random, const QByteArray& earlierNames)
{
    QByteArray bytes(132, '\0');
    for (char& b : bytes)
        b = static_cast<char>(random.bounded(256));
    if (random.bounded(4) == 0)
        bytes[0] = '\0'; // an emptied record
    else if (random.bounded(4) == 0 && !earlierNames.isEmpty())
        bytes.replace(0, 100, earlierNames.left(100)); // a name seen before
    return bytes;
}

TEST_F(LoadFuzz, RandomFilesLoadAndSaveAsValidFiles)
{
    QRandomGenerator random(20261206);
    for (int round = 0; round < 10000; ++round) {
        QByteArray file;
        for (int i = random.bounded(8); i > 0; --i)
            file.append(randomRecord(random, file));
        file.append(QByteArray(random.bounded(132), 'x')); // a part-record, often empty
        writeData(file);
        ASSERT_TRUE(account->load()) << "round " << round;
        if (round % 25 != 0)
            continue; // saving syncs to disk, which costs more than the rest together
        ASSERT_TRUE(account->save()) << "round " << round;
        const QByteArray saved = readData();
        ASSERT_EQ(saved.size(), account->debts().count() * 132) << "round " << round;
        const auto again = newAccount();
        ASSERT_TRUE(again->load());
        ASSERT_TRUE(again->save());
        ASSERT_EQ(readData(), saved) << "round " << round << ": a reload changed the debts";
    }
}

} // namespace
