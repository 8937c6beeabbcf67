#include "platform/folderlock.h"
#include "support/testsupport.h"

#include <QDir>
#include <QSysInfo>
#include <QTemporaryDir>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using State = FolderLock::State;

// The lock this process would write: it stands for a live copy of this program.
QByteArray lockOf(qint64 process, const QByteArray& machine = QSysInfo::machineHostName().toUtf8())
{
    return QByteArray::number(process) + "\nvarnholt\n" + machine + "\n";
}

TEST(FolderLock, HeldOnlyWhileItNamesALiveCopyOfThisProgramAndAnythingElseRemovableIsTakenOver)
{
    const std::pair<std::function<void(const QString&)>, State> cases[] = {
        {[](const QString& lock) { writeFile(lock, ""); }, State::Taken},
        {[](const QString& lock) { writeFile(lock, "\x01\x02 not a lock"); }, State::Taken},
        {[](const QString& lock) { writeFile(lock, lockOf(2147483646)); }, State::Taken},
        {[](const QString& lock) { writeFile(lock, lockOf(1)); }, State::Taken}, // another program
        {[](const QString& lock) { QFile::link("/no/such/lock", lock); }, State::Taken},
        {[](const QString& lock) { ::mkfifo(QFile::encodeName(lock), 0644); }, State::Taken},
        {[](const QString& lock) { QDir().mkdir(lock); }, State::Unremovable},
        {[](const QString& lock) { writeFile(lock, lockOf(::getpid())); },
         State::HeldByAnotherCopy},
        {[](const QString& lock) { writeFile(lock, lockOf(::getpid(), "elsewhere")); },
         State::HeldOnAnotherMachine},
    };
    for (const auto& [make, state] : cases) {
        QTemporaryDir folder;
        make(folder.filePath("debts.dat.lock"));
        FolderLock lock(folder.path(), {"debts.dat"});
        EXPECT_EQ(lock.take(), state) << &make - &cases[0].first;
        if (state == State::Taken) {
            EXPECT_EQ(readFile(lock.path()),
                      lockOf(::getpid()).replace("varnholt", "platform_tests"));
        }
    }
    QTemporaryDir folder;
    writeFile(folder.filePath("debts.dat.lock"), lockOf(7, "elsewhere"));
    FolderLock shared(folder.path(), {"debts.dat"});
    ASSERT_EQ(shared.take(), State::HeldOnAnotherMachine);
    EXPECT_EQ(shared.holder().machine, "elsewhere");
    EXPECT_EQ(shared.takeOver(), State::Taken);
    EXPECT_EQ(FolderLock(folder.path(), {"debts.dat"}).take(), State::HeldByAnotherCopy);
    EXPECT_EQ(FolderLock(kUnwritableFolder, {"debts.dat"}).take(), State::FolderNotWritable);
}

TEST(FolderLock, ALockGivenUpIsGone)
{
    QTemporaryDir folder;
    {
        FolderLock lock(folder.path(), {"debts.dat"});
        ASSERT_EQ(lock.take(), State::Taken);
    }
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("debts.dat.lock")));
}

TEST(FolderLock, RemovesOnlyItsOwnSaveFilesAKilledCopyLeft)
{
    QTemporaryDir folder;
    const QStringList users = {"debts.dat.backup",        "debts.dat.202405",
                               "plan.json.v2copy",        "debts.dat.Ab12Cd",
                               ".debts.dat.saving-Ab12C", "other.saving-Ab12Cd"};
    for (const QString& name :
         users + QStringList{".debts.dat.saving-Ab12Cd", ".plan.json.saving-x9Y8z7",
                             ".debts.dat.saving-later1"})
        writeFile(folder.filePath(name), "x");
    const QDateTime start = QDateTime::currentDateTime().addSecs(10);
    QFile later(folder.filePath(".debts.dat.saving-later1"));
    ASSERT_TRUE(later.open(QIODevice::ReadWrite));
    ASSERT_TRUE(later.setFileTime(start.addSecs(10), QFileDevice::FileModificationTime));
    later.close();
    FolderLock(folder.path(), {"debts.dat", "plan.json"}).removeStraySaveFiles(start);
    QStringList left = users + QStringList{".debts.dat.saving-later1"};
    left.sort();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), left);
}

} // namespace
