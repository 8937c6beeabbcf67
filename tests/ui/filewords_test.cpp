#include "support/testsupport.h"
#include "ui/common/filewords.h"

namespace {

using Cause = FileProblem::Cause;
using Access = FileProblem::Access;

TEST(FileWords, AProblemIsToldByItsCauseAndWhetherTheFileWasReadOrWritten)
{
    const struct {
        FileProblem problem;
        const char* said;
    } cases[] = {
        {{Cause::Other, "/data/debts.dat", {}, Access::Write},
         "/data/debts.dat could not be written."},
        {{Cause::Other, "/data/debts.dat", {}, Access::Read}, "/data/debts.dat could not be read."},
        {{Cause::Other, "/data/debts.dat", "Permission denied", Access::Read},
         "/data/debts.dat: Permission denied"},
        {{Cause::FolderNotWritable, "/data/debts.dat", {}, Access::Write},
         "The folder /data cannot be written."},
        {{Cause::BrokenLink, "/data/debts.dat", "/gone/debts.dat", Access::Write},
         "/data/debts.dat is a link to /gone/debts.dat, which does not exist."},
    };
    for (const auto& [problem, said] : cases)
        EXPECT_EQ(FileWords::describe(problem), said);
}

TEST(FileWords, AVeryLongPathIsCutInItsMiddleSoThatTheBoxFitsTheScreen)
{
    const QString path = "/home/user/" + QString(4080, 'a') + "/debts.dat";
    const QString said = FileWords::describe({Cause::PathTooLong, path, QString()});
    EXPECT_LT(said.size(), 200);
    EXPECT_TRUE(said.startsWith("The path of debts.dat is too long for the system (4101 "
                                "characters): /home/user/"));
    EXPECT_TRUE(said.endsWith("/debts.dat."));
    EXPECT_EQ(FileWords::shownPath("/home/user/debts.dat"), "/home/user/debts.dat");
}

} // namespace
