#include "mainwindowfixture.h"
#include "platform/savejournal.h"
#include "ui/main/debtmenu.h"
#include "ui/main/startup.h"

#include <QDir>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace DialogScript;

// A start as the program makes one: the lock, then the window's load.
class StartUpTest : public MainWindowFixture {
protected:
    const QDateTime startedAt{kToday, QTime(12, 0)};
    std::unique_ptr<StartUp> startUp;
    QString lockPath() const { return folder.filePath("debts.dat.lock"); }

    bool startProgram()
    {
        window.reset();
        startUp = std::make_unique<StartUp>(account, prompter);
        if (!startUp->takeLock(startedAt))
            return false;
        start();
        startUp->tellAfterLoad();
        return true;
    }
    void writeLock(qint64 process, const QByteArray& machine, const QDateTime& written)
    {
        writeFile(lockPath(), QByteArray::number(process) + "\nui_tests\n" + machine + "\n");
        QFile lock(lockPath());
        ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
        ASSERT_TRUE(lock.setFileTime(written, QFileDevice::FileModificationTime));
    }
};

TEST_F(StartUpTest, TheLockDecidesWhetherTheProgramStartsAndItsOwnSaveFilesAreCleared)
{
    writeDebts({{"Visa", 2000, 0.18, 60, today}});
    writeLock(::getpid(), "elsewhere", startedAt.addSecs(-3 * 3600));
    prompter.yesNoAnswers = {false};
    EXPECT_FALSE(startProgram());
    EXPECT_EQ(prompter.texts(),
              QStringList({"These debts are open in a copy of Varnholt on the machine elsewhere: "
                           "its lock " +
                           lockPath() +
                           " was taken 3 hours ago. Take the lock over? Only do so if that copy is "
                           "no longer running: two copies saving the same debts would undo each "
                           "other's changes."}));

    for (const char* name : {".debts.dat.saving-Ab12Cd", "debts.dat.backup"})
        writeFile(folder.filePath(name), "x");
    prompter.shown.clear();
    prompter.yesNoAnswers = {true};
    ASSERT_TRUE(startProgram());
    EXPECT_EQ(prompter.texts().size(), 1) << "the question alone";
    EXPECT_FALSE(QFileInfo::exists(folder.filePath(".debts.dat.saving-Ab12Cd")));
    EXPECT_TRUE(QFileInfo::exists(folder.filePath("debts.dat.backup")));

    // This process is a live copy of this program.
    const QString held = readFile(lockPath());
    const auto otherCopy = std::move(startUp); // its lock stays
    prompter.shown.clear();
    EXPECT_FALSE(startProgram());
    EXPECT_EQ(prompter.texts(),
              QStringList({"These debts are open in another copy of Varnholt (process " +
                           QString::number(::getpid()) + "), which keeps them in " + folder.path() +
                           " under the lock " + lockPath() +
                           ". Go on in that copy: two copies saving the same debts would undo "
                           "each other's changes."}));
    EXPECT_EQ(readFile(lockPath()), held);
}

TEST_F(StartUpTest, ALockThatCannotBeRemovedIsNamedAndEverySaveIsRefused)
{
    writeDebts({{"Visa", 2000, 0.18, 60, today}});
    QDir().mkdir(lockPath());
    ASSERT_TRUE(startProgram());
    const QString inTheWay = lockPath() + " is a folder, not a file: move it away.";
    EXPECT_EQ(prompter.texts(),
              QStringList({inTheWay + " It stands where the lock that keeps these debts to one "
                                      "copy of Varnholt goes, so no change can be saved until it "
                                      "is gone."}));
    prompter.shown.clear();
    control<QTableView>("fa")->setCurrentIndex(debtGrid()->index(0, 0));
    control<DebtMenu>("mnupopup")->deleteItem->trigger();
    EXPECT_EQ(prompter.texts().last(),
              "The debts could not be saved. " + inTheWay + " Your change was taken back.");
    EXPECT_EQ(debtGrid()->rowCount(), 1);
}

// Nothing that is no file is opened: the start names it and goes on, and
// a save to it is refused with the same words.
TEST_F(StartUpTest, WhatStandsInADataFilesPlaceIsNamedAndNeverWaitedOn)
{
    const std::pair<std::function<void(const QString&)>, QString> kinds[] = {
        {[](const QString& path) { ::mkfifo(QFile::encodeName(path), 0644); }, "a named pipe"},
        {[](const QString& path) { QDir().mkdir(path); }, "a folder"},
        {[](const QString& path) { QFile::link("/dev/zero", path); }, "a device"},
        {[](const QString& path) { QFile::link(path, path); }, "a link that leads round to itself"},
        {[](const QString& path) { QFile::link("/no/such/file", path); },
         "a link to /no/such/file, which does not exist"},
    };
    const std::pair<QString, QString> files[] = {
        {"plan.json", "%1 is %2"},
        {"debts.dat", "debts.dat could not be read, and is left as it is: no change will be "
                      "saved over it. %1 is %2"},
        {"history.db", "Your payment history is off until the next start, and history.db is "
                       "left as it is: history.db is %2, not a file."},
    };
    for (const auto& [file, told] : files) {
        for (const auto& [make, what] : kinds) {
            QDir(folder.path()).removeRecursively();
            QDir().mkpath(folder.path());
            const QString path = folder.filePath(file);
            make(path);
            prompter.shown.clear();
            ASSERT_TRUE(startProgram());
            EXPECT_TRUE(prompter.texts().value(0).startsWith(
                QString(told).replace("%1", path).replace("%2", what)))
                << prompter.texts().value(0).toStdString();
            if (file == "history.db")
                continue;
            account.debts().clear();
            PaymentPlan plan;
            plan.customOrder = {"Visa"};
            account.setPlan(plan);
            (void)account.debts().add({"Visa", 1, 0, 1, 0});
            const FileSave refused = account.save().of(file);
            EXPECT_EQ(refused.outcome, FileSave::Outcome::NotWritten) << file.toStdString();
            EXPECT_TRUE(refused.problem && refused.problem->isNonFile());
        }
    }
}

TEST_F(StartUpTest, ASaveAStopBrokeOffIsFinishedAndSaid)
{
    writeDebts({{"Visa", 2000, 0.18, 60, today}});
    const SaveJournal journal(folder.path(), Account::kJournalName);
    ASSERT_FALSE(journal.write(
        {{"plan.json", "{\"version\": 1, \"customOrder\": [\"Visa\"]}"}, {"debts.dat", ""}}));
    ASSERT_TRUE(startProgram());
    EXPECT_EQ(prompter.texts(),
              QStringList({"A change was broken off while it was being saved. It has now been "
                           "finished from its journal (" +
                           journal.path() + "): plan.json and debts.dat hold it."}));
    EXPECT_EQ(debtGrid()->rowCount(), 0);
    EXPECT_EQ(account.plan().customOrder, QStringList({"Visa"}));
}

} // namespace
