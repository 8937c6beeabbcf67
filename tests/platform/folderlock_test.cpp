#include "platform/folderlock.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <unistd.h>

namespace {

TEST(FolderLock, OneCopyAtATimeTakesAFolderAndADeadCopysLockIsTakenOver)
{
    QTemporaryDir folder;
    FolderLock first(folder.path(), {"debts.dat"});
    EXPECT_EQ(first.take(), FolderLock::State::Taken);
    FolderLock second(folder.path(), {"debts.dat"});
    EXPECT_EQ(second.take(), FolderLock::State::HeldByAnotherCopy);

    QTemporaryDir other;
    // The lock a killed copy left: its process, program and machine.
    writeFile(other.filePath("debts.dat.lock"),
              "2147483646\nvarnholt\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    EXPECT_EQ(FolderLock(other.path(), {"debts.dat"}).take(), FolderLock::State::Taken);
    EXPECT_EQ(FolderLock(kUnwritableFolder, {"debts.dat"}).take(),
              FolderLock::State::FolderNotWritable);
}

TEST(FolderLock, RemovesOnlyTheSaveFilesAKilledCopyLeft)
{
    QTemporaryDir folder;
    const QStringList names = {"debts.dat.Ab12Cd", "plan.json.x9Y8z7", "debts.dat.Ab12C",
                               "debts.dat.bak",    "other.txt.Ab12Cd", "debts.dat.later1"};
    for (const QString& name : names)
        writeFile(folder.filePath(name), "x");
    const QDateTime start = QDateTime::currentDateTime().addSecs(10);
    QFile later(folder.filePath("debts.dat.later1"));
    ASSERT_TRUE(later.open(QIODevice::ReadWrite));
    ASSERT_TRUE(later.setFileTime(start.addSecs(10), QFileDevice::FileModificationTime));
    later.close();
    FolderLock(folder.path(), {"debts.dat", "plan.json"}).removeStraySaveFiles(start);
    EXPECT_EQ(
        QDir(folder.path()).entryList(QDir::Files),
        QStringList({"debts.dat.Ab12C", "debts.dat.bak", "debts.dat.later1", "other.txt.Ab12Cd"}));
}

} // namespace
