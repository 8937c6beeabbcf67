#include "model/account.h"
#include "platform/atomicwrite.h"
#include "support/debts.h"
#include "support/testsupport.h"

#include <QDir>
#include <QFileInfo>
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

    // Loads a data file into a fresh account: the names loaded, then what the
    // load reported, joined by blanks.
    QString load(const QByteArray& file)
    {
        writeData(file);
        account = newAccount();
        loaded = account->load();
        EXPECT_FALSE(loaded.readError.has_value());
        QStringList names;
        for (const Debt& debt : account->debts())
            names.append(debt.creditor.trimmed());
        if (!loaded.repeatedNames.isEmpty())
            names << "repeated:" << loaded.repeatedNames;
        for (const auto& [name, flaw] : loaded.flawed)
            names << "flawed:" << name;
        if (loaded.emptiedRecords + loaded.strayBytes > 0)
            names << QString("emptied %1, stray %2")
                         .arg(loaded.emptiedRecords)
                         .arg(loaded.strayBytes);
        return names.join(' ');
    }
    QStringList filesBeside() const { return QDir(folder.path()).entryList({"debts.dat*"}); }
};

TEST_F(AccountTest, SavesEveryRecordByteForByteAndReadsItBack)
{
    EXPECT_EQ(load({}), "");
    addDebts(account->debts(), {{QString::fromUtf8("Café Card"), 1000, 0.18, 25, 36175},
                                {"  Visa", 2500.5, 0.075, 60.25, 46402.5}});
    ASSERT_TRUE(account->save().allSaved());
    const QByteArray expected = record("Caf\xe9 Card", 1000, 0.18, 25, 36175) +
                                record("  Visa", 2500.5, 0.075, 60.25, 46402.5);
    EXPECT_EQ(readData(), expected);
    EXPECT_EQ(load(expected), QString::fromUtf8("Café Card Visa"));
    const Debt* cafe = account->debts().find(QString::fromUtf8("café card"));
    EXPECT_EQ(cafe->creditor, QString::fromUtf8("Café Card").leftJustified(100));
    EXPECT_EQ(std::tie(cafe->balance, cafe->rate, cafe->monthly, cafe->startDate),
              std::make_tuple(1000.0, 0.18, 25.0, 36175.0));
    ASSERT_TRUE(account->save().allSaved());
    EXPECT_EQ(readData(), expected) << "a loaded file is saved unchanged";
    EXPECT_EQ(filesBeside(), QStringList({"debts.dat"})) << "nothing kept of a file taken whole";
}

TEST_F(AccountTest, LoadsWhatTheFileHoldsAndReportsWhatItCannotUse)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    QByteArray emptied = record("Gap", 5);
    emptied[0] = '\0';
    const std::pair<QByteArray, const char*> cases[] = {
        {record("First", 1) + emptied + record("Third", 3), "First Third emptied 1, stray 0"},
        {record("One", 1) + record("Two", 2).left(70), "One emptied 0, stray 70"},
        {QByteArray(57, 'x'), "emptied 0, stray 57"},
        {record("Visa", 1) + record(" VISA", 2) + record("visa", 3) + record("Amex", 3),
         "Visa Amex repeated: Visa"},
        {record("Sound", 1) + record("Broken", nan) + record("Far", 1, 0, 1, 3e6),
         "Sound Broken Far flawed: Broken flawed: Far"},
    };
    for (const auto& [file, expected] : cases)
        EXPECT_EQ(load(file), expected);
    EXPECT_FALSE(loaded.takenWhole()) << "a number that is no number";
    EXPECT_EQ(load(record("Sound", 1) + record("Far", 1, 0, 1, 3e6)), "Sound Far flawed: Far");
    EXPECT_TRUE(loaded.takenWhole()) << "a far start date is saved as it was read";
}

TEST_F(AccountTest, ExtraMoneyIsWrittenSoThatEveryLocaleReadsItBack)
{
    const std::pair<const char*, double> cases[] = {
        {"150.5", 150.5}, {"150,5", 150.5}, {"1,125", 1.125}, {"12abc", 12}, {nullptr, 0}};
    for (const auto& [stored, read] : cases) {
        if (stored)
            settings.setValue("Settings/Excees Funds", stored);
        else
            settings.remove("Settings/Excees Funds");
        load({});
        EXPECT_EQ(account->extraMoney(), read) << (stored ? stored : "none");
    }
    const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    account->setExtraMoney(150.5);
    ASSERT_TRUE(account->save().saved("Settings/Excees Funds"));
    EXPECT_EQ(settings.value("Settings/Excees Funds").toString(), "150.5");
}

// A save would write less than a file not taken whole holds: the file is
// kept beside itself first, once, under a name no earlier copy has.
TEST_F(AccountTest, AFileNotTakenWholeIsKeptBesideItselfBeforeTheFirstSave)
{
    QByteArray emptied = record("Gap", 5);
    emptied[0] = '\0';
    const QByteArray original =
        record("Visa", 1) + record("VISA", 2) + emptied + record("Car", 3) + "tail";
    writeFile(folder.filePath("debts.dat.bak"), "an earlier copy");
    EXPECT_EQ(load(original), "Visa Car repeated: Visa emptied 1, stray 4");
    addDebts(account->debts(), {{"Alpha", 4, 0, 1, 0}});
    const SaveResult first = account->save();
    EXPECT_EQ(first.of("debts.dat").keptAs, folder.filePath("debts.dat.bak.2"));
    EXPECT_EQ(readFile(folder.filePath("debts.dat.bak.2")), original);
    EXPECT_EQ(readData(), record("Visa", 1) + record("Car", 3) + record("Alpha", 4, 0, 1, 0));
    EXPECT_EQ(account->save().of("debts.dat").keptAs, std::nullopt) << "kept once";

    QByteArray mostlyEmpty = record("One", 1); // no copy of it fits under the limit
    for (int i = 0; i < 1000; ++i)
        mostlyEmpty.append(emptied);
    load(mostlyEmpty);
    const FileSizeLimit limit(64 * 1024);
    const SaveResult refused = account->save();
    EXPECT_EQ(refused.of("debts.dat").outcome, FileSave::Outcome::NotKept);
    EXPECT_EQ(readData(), mostlyEmpty);
}

TEST_F(AccountTest, ThePlanIsSavedWhenItChangesAndADeleteItCannotFollowIsNotWritten)
{
    const QString planPath = folder.filePath("plan.json");
    writeFile(planPath, "not a plan");
    load(record("Visa", 1) + record("Car", 2));
    ASSERT_EQ(loaded.planProblem->kind, PlanProblem::Kind::NotJson);
    addDebts(account->debts(), {{"Alpha", 3, 0, 1, 0}});
    EXPECT_TRUE(account->save().allSaved());
    EXPECT_EQ(readFile(planPath), "not a plan") << "a change of the debts leaves the plan";
    PaymentPlan plan;
    plan.promotions = {{"VISA", 0, {2047, 12}}};
    plan.customOrder = {"Car", "visa", "Gone"};
    account->setPlan(plan);
    EXPECT_EQ(account->save().of("plan.json").keptAs, planPath + ".bak");
    EXPECT_EQ(readFile(planPath + ".bak"), "not a plan");
    ASSERT_TRUE(account->removeDebt("Visa"));
    EXPECT_EQ(account->plan().customOrder, QStringList({"Car", "Gone"}));
    EXPECT_TRUE(account->plan().promotions.empty());
    QFile::remove(planPath);
    QDir().mkdir(planPath); // plan.json can no longer be written
    const QByteArray debts = readData();
    const SaveResult refused = account->save();
    EXPECT_EQ(refused.of("plan.json").outcome, FileSave::Outcome::NotWritten);
    EXPECT_FALSE(refused.allSaved());
    EXPECT_EQ(readData(), debts) << "the delete is not written without its plan";
}

// plan.json and debts.dat must agree, so they are saved together; the
// extra money is a setting of its own, saved whatever becomes of them.
TEST_F(AccountTest, ThePlanIsTakenBackWhenTheDebtsCannotFollowItAndTheSettingIsSavedAlone)
{
    const QString planPath = folder.filePath("plan.json");
    load(record("Visa", 1));
    PaymentPlan plan;
    plan.customOrder = {"Visa"};
    account->setPlan(plan);
    ASSERT_TRUE(account->save().allSaved());
    const QByteArray saved = readFile(planPath);
    plan.customOrder = {"Gone", "Visa"};
    account->setPlan(plan);
    account->setExtraMoney(25);
    ASSERT_TRUE(account->debts().rename(0, "Visa Card"));
    QFile::remove(dataPath());
    QDir().mkdir(dataPath()); // debts.dat can no longer be written
    const SaveResult refused = account->save();
    EXPECT_EQ(refused.of("plan.json").outcome, FileSave::Outcome::TakenBack);
    EXPECT_EQ(refused.of("debts.dat").outcome, FileSave::Outcome::NotWritten);
    EXPECT_EQ(readFile(planPath), saved);
    EXPECT_TRUE(refused.saved("Settings/Excees Funds"));
    EXPECT_EQ(settings.value("Settings/Excees Funds").toString(), "25");
    EXPECT_EQ(account->save().of("plan.json").outcome, FileSave::Outcome::TakenBack)
        << "the plan that was taken back is written again with the next save";

    QDir().rmdir(dataPath());
    QFile::remove(settings.fileName());
    QDir().mkdir(settings.fileName()); // the setting can no longer be written
    account->setExtraMoney(30);
    const SaveResult alone = account->save();
    EXPECT_FALSE(alone.saved("Settings/Excees Funds"));
    EXPECT_TRUE(alone.saved("plan.json") && alone.saved("debts.dat"));
    EXPECT_TRUE(readFile(planPath).contains("Gone"));
}

TEST_F(AccountTest, AFileThatCouldNotBeReadIsNeverReplaced)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("debts.dat"));
    const LoadReport report = account->load();
    ASSERT_TRUE(report.readError.has_value());
    EXPECT_EQ(report.readError->cause, FileProblem::Cause::IsAFolder);
    // Refused with what stands in its place, until it is moved away.
    const FileSave refused = account->save().of("debts.dat");
    EXPECT_EQ(refused.outcome, FileSave::Outcome::NotWritten);
    EXPECT_EQ(refused.problem->cause, FileProblem::Cause::IsAFolder);
    EXPECT_TRUE(QFileInfo(dataPath()).isDir());
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
        ASSERT_FALSE(account->load().readError) << "round " << round;
        if (round % 25 != 0)
            continue; // saving syncs to disk, which costs more than the rest together
        ASSERT_TRUE(account->save().allSaved()) << "round " << round;
        const QByteArray saved = readData();
        ASSERT_EQ(saved.size(), account->debts().count() * 132) << "round " << round;
        const auto again = newAccount();
        ASSERT_FALSE(again->load().readError);
        ASSERT_TRUE(again->save().allSaved());
        ASSERT_EQ(readData(), saved) << "round " << round << ": a reload changed the debts";
    }
}

} // namespace

namespace {

// Deleting a debt with a promotion replaces plan.json and then debts.dat.
// A stop at any step ends, at the next start, in the whole delete or none of
// it, and the start says when it finished one; a torn journal, or one that
// names a file no save writes, is dropped with the files left as they are.
TEST_F(AccountTest, AStopPartWayThroughATwoFileSaveEndsInTheWholeChangeOrNone)
{
    using Outcome = LoadReport::BrokenOffSave::Outcome;
    const QString journal = folder.filePath(Account::kJournalName);
    const auto prepare = [&] {
        load(record("Visa", 1) + record("Amex", 2));
        PaymentPlan plan;
        plan.promotions.push_back({"Visa", 0.0, {2030, 1}});
        account->setPlan(plan);
        ASSERT_TRUE(account->save().allSaved());
    };
    // The steps: the journal written, plan.json, debts.dat, the journal removed.
    const std::pair<int, std::optional<Outcome>> stops[] = {{0, std::nullopt},
                                                            {1, Outcome::Finished},
                                                            {2, Outcome::Finished},
                                                            {3, Outcome::Finished},
                                                            {4, std::nullopt}};
    for (const auto& [stop, told] : stops) {
        prepare();
        FileChanges::stopAfter(stop);
        ASSERT_TRUE(account->removeDebt("visa"));
        (void)account->save();
        FileChanges::resume();
        load(readData());
        const bool deleted = stop > 0;
        EXPECT_EQ(account->debts().count(), deleted ? 1 : 2) << stop;
        EXPECT_EQ(account->plan().promotions.empty(), deleted) << stop;
        EXPECT_EQ(loaded.brokenOffSave ? std::optional(loaded.brokenOffSave->outcome)
                                       : std::nullopt,
                  told)
            << stop;
        EXPECT_FALSE(QFileInfo::exists(journal));
    }
    const std::pair<QByteArray, Outcome> journals[] = {
        {"journal 1\nfile 3\ndebts.dat\nabc\n", Outcome::Dropped},
        {"journal 1\nfile 3\n../debts.dat\nabc\nend 1\n", Outcome::Dropped},
        {"journal 1\nfile 2\nplan.json\n{}\nend 1\n", Outcome::Finished},
    };
    for (const auto& [bytes, outcome] : journals) {
        prepare();
        writeFile(journal, bytes);
        load(readData());
        EXPECT_EQ(loaded.brokenOffSave->outcome, outcome) << bytes.constData();
        EXPECT_EQ(account->debts().count(), 2);
        EXPECT_EQ(account->plan().promotions.empty(), outcome == Outcome::Finished);
        EXPECT_FALSE(QFileInfo::exists(journal));
    }
}

} // namespace
