#include "platform/atomicwrite.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {

// A save replaces the file it is given, through a link to it, keeping its
// mode, and leaves nothing of its own beside it; what is no file is refused
// unopened; a stop before the rename leaves the file as it was.
TEST(WriteWhole, ReplacesTheFileItselfAndNothingElse)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("debts.dat");
    const QString link = folder.filePath("link.dat");
    writeFile(file, "old");
    ASSERT_TRUE(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_FALSE(writeWhole(link, QByteArray("new")));
    EXPECT_EQ(readFile(file), "new");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    // The user bits repeat the owner's for a file of our own; the rest must be 0600.
    EXPECT_EQ(QFile::permissions(file) & ~QFile::Permissions(0x0700),
              QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({"debts.dat", "link.dat"}));

    FileChanges::stopAfter(0);
    EXPECT_TRUE(writeWhole(file, QByteArray("lost")));
    EXPECT_FALSE(removeFile(file));
    FileChanges::resume();
    EXPECT_EQ(readFile(file), "new");

    const QString pipe = folder.filePath("pipe.dat");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe), 0644), 0);
    EXPECT_EQ(writeWhole(pipe, QByteArray("x"))->cause, FileProblem::Cause::NamedPipe);
}

} // namespace
