#include "platform/fileproblem.h"
#include "support/testsupport.h"

#include <QDir>
#include <QTemporaryDir>

namespace {

TEST(FileProblem, NamesTheRealCause)
{
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("debts.dat"));
    ASSERT_TRUE(QFile::link(folder.filePath("gone/debts.dat"), folder.filePath("link.dat")));
    const std::pair<QString, FileProblem::Cause> cases[] = {
        {folder.filePath(QString(300, 'a')), FileProblem::Cause::PathTooLong},
        {folder.filePath("debts.dat"), FileProblem::Cause::IsAFolder},
        {folder.filePath("link.dat"), FileProblem::Cause::BrokenLink},
        {folder.filePath("gone/debts.dat"), FileProblem::Cause::FolderMissing},
        {kUnwritableFolder + "/debts.dat", FileProblem::Cause::FolderNotWritable},
        {folder.filePath("fine.dat"), FileProblem::Cause::Other},
    };
    for (const auto& [path, cause] : cases)
        EXPECT_EQ(FileProblem::of(path, "reason").cause, cause) << path.toStdString();
}

} // namespace
