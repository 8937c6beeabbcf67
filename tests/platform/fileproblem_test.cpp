#include "platform/fileproblem.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <sys/stat.h>

namespace {

TEST(FileProblem, NamesTheRealCause)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("debts.dat"));
    ASSERT_TRUE(QFile::link(folder.filePath("gone/debts.dat"), folder.filePath("link.dat")));
    ASSERT_TRUE(QFile::link(folder.filePath("loop.dat"), folder.filePath("loop.dat")));
    ASSERT_TRUE(QFile::link("/dev/null", folder.filePath("null.dat")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath("pipe.dat")), 0644), 0);
    const std::pair<QString, FileProblem::Cause> cases[] = {
        {folder.filePath(QString(300, 'a')), FileProblem::Cause::PathTooLong},
        {folder.filePath("debts.dat"), FileProblem::Cause::IsAFolder},
        {folder.filePath("link.dat"), FileProblem::Cause::BrokenLink},
        {folder.filePath("loop.dat"), FileProblem::Cause::LinkLoop},
        {folder.filePath("null.dat"), FileProblem::Cause::Device},
        {folder.filePath("pipe.dat"), FileProblem::Cause::NamedPipe},
        {folder.filePath("gone/debts.dat"), FileProblem::Cause::FolderMissing},
        {kUnwritableFolder + "/debts.dat", FileProblem::Cause::FolderNotWritable},
        {folder.filePath("fine.dat"), FileProblem::Cause::Other},
    };
    for (const auto& [path, cause] : cases)
        EXPECT_EQ(FileProblem::of(path, "reason").cause, cause) << path.toStdString();
    // A folder that cannot be written is no reason a file in it cannot be read.
    const FileProblem read =
        FileProblem::of(kUnwritableFolder + "/debts.dat", "reason", FileProblem::Access::Read);
    EXPECT_EQ(
        std::tie(read.cause, read.detail, read.access),
        std::make_tuple(FileProblem::Cause::Other, QString("reason"), FileProblem::Access::Read));
}

} // namespace
