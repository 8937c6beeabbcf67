#include "model/account.h"
#include "support/debts.h"
#include "support/testsupport.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>
#include <limits>
#include <memory>

namespace {

// An account in a temporary data folder with a settings file of its own.
class AccountTest : public testing::Test {
protected:
    QTemporaryDir folder;
    QSettings settings{folder.filePath("settings.ini"), QSettings::IniFormat};
    std::unique_ptr<Account> account = newAccount();
    LoadReport loaded;

    std::unique_ptr<Account> newAccount()
    {
        return std::make_unique<Account>(folder.path(), settings);
    }
    QString dataPath() const { return folder.filePath("debts.dat"); }
    QByteArray readData() const { return readFile(dataPath()); }
    void writeData(const QByteArray& bytes) const { writeFile(dataPath(), bytes); }

    // A record as debts.dat holds it, built byte by byte.
    static QByteArray record(const QByteArray& name, double balance, double rate = 0,
                             double monthly = 1, double startDate = 0)
    {
        QByteArray bytes = name.leftJustified(100, ' ', true);
        for (const double value : {balance, rate, monthly, startDate}) {
            quint64 bits = 0;
            std::memcpy(&bits, &value, sizeof bits);
            bits = qToLittleEndian(bits);
            bytes.append(reinterpret_cast<const char*>(&bits), sizeof bits);
        }
        return bytes;
    }

    // Loads a data file into a fresh account: the names loaded, then those
    // reported as repeated and as not finite, joined by blanks.
    QString load(const QByteArray& file)
    {
        writeData(file);
        account = newAccount();
        loaded = account->load();
        EXPECT_TRUE(loaded.readInFull());
        QStringList names;
        for (const Debt& debt : account->debts())
            names.append(debt.creditor.trimmed());
        if (!loaded.repeatedNames.isEmpty())
            names << "repeated:" << loaded.repeatedNames;
        if (!loaded.notFinite.isEmpty())
            names << "not finite:" << loaded.notFinite;
        return names.join(' ');
    }
};

TEST_F(AccountTest, SavesEveryRecordByteForByteAndReadsItBack)
{
    EXPECT_EQ(load({}), "");
    addDebts(account->debts(), {{QString::fromUtf8("Café Card"), 1000, 0.18, 25, 36175},
                                {"  Visa", 2500.5, 0.075, 60.25, 46402.5}});
    ASSERT_TRUE(account->save().saved());
    const QByteArray expected = record("Caf\xe9 Card", 1000, 0.18, 25, 36175) +
                                record("  Visa", 2500.5, 0.075, 60.25, 46402.5);
    EXPECT_EQ(readData(), expected);
    EXPECT_EQ(load(expected), QString::fromUtf8("Café Card Visa"));
    const Debt* cafe = account->debts().find(QString::fromUtf8("café card"));
    EXPECT_EQ(cafe->creditor, QString::fromUtf8("Café Card").leftJustified(100));
    EXPECT_EQ(std::tie(cafe->balance, cafe->rate, cafe->monthly, cafe->startDate),
              std::make_tuple(1000.0, 0.18, 25.0, 36175.0));
    ASSERT_TRUE(account->save().saved());
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
              "Visa Amex repeated: VISA");
    EXPECT_EQ(load(record("Sound", 1) + record("Broken", nan) + record("Far", 1, 0, 1, infinity)),
              "Sound Broken Far not finite: Broken Far");
}

TEST_F(AccountTest, ExtraMoneyIsTheNumberAtTheStartOfTheSetting)
{
    const std::pair<const char*, double> cases[] = {{"150.5", 150.5}, {"150,5", 150}, {nullptr, 0}};
    for (const auto& [stored, read] : cases) {
        if (stored)
            settings.setValue("Settings/Excees Funds", stored);
        else
            settings.remove("Settings/Excees Funds");
        load({});
        EXPECT_EQ(account->extraMoney(), read) << (stored ? stored : "none");
    }
    account->setExtraMoney(12.5);
    ASSERT_TRUE(account->save().saved());
    EXPECT_EQ(settings.value("Settings/Excees Funds").toString(), "12.5");
}

TEST_F(AccountTest, AFileThatCouldNotBeReadInFullIsNeverReplaced)
{
    QByteArray many;
    for (int i = 0; i <= DebtList::kMaxCount; ++i)
        many.append(record(QByteArray::number(i), 1));
    writeData(many);
    EXPECT_TRUE(account->load().tooMany);
    EXPECT_EQ(account->debts().count(), DebtList::kMaxCount);
    const SaveResult saved = account->save();
    ASSERT_EQ(saved.failures.size(), 1u);
    EXPECT_EQ(saved.failures[0].kind, SaveFailure::Kind::FileNotReadInFull);
    EXPECT_EQ(readData(), many);
}

// Random data files must load without crashing or hanging (the sanitizer
// build watches for overruns), and what was loaded must save as a valid file
// that loads to the same debts.
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

TEST_F(AccountTest, RandomFilesLoadAndSaveAsValidFiles)
{
    QRandomGenerator random(20261206);
    for (int round = 0; round < 10000; ++round) {
        QByteArray file;
        for (int i = random.bounded(8); i > 0; --i)
            file.append(randomRecord(random, file));
        file.append(QByteArray(random.bounded(132), 'x')); // a part-record, often empty
        writeData(file);
        ASSERT_TRUE(account->load().readInFull()) << "round " << round;
        if (round % 25 != 0)
            continue; // saving syncs to disk, which costs more than the rest together
        ASSERT_TRUE(account->save().saved()) << "round " << round;
        const QByteArray saved = readData();
        ASSERT_EQ(saved.size(), account->debts().count() * 132) << "round " << round;
        const auto again = newAccount();
        ASSERT_TRUE(again->load().readInFull());
        ASSERT_TRUE(again->save().saved());
        ASSERT_EQ(readData(), saved) << "round " << round << ": a reload changed the debts";
    }
}

} // namespace
