#include "support/testsupport.h"
#include "ui/common/filewords.h"

namespace {

using Cause = FileProblem::Cause;

TEST(FileWords, AProblemIsToldInWordsThatFitTheScreenAndSayWhetherItWasARead)
{
    const QString path = "/home/user/" + QString(4080, 'a') + "/debts.dat";
    const QString said = FileWords::describe({Cause::PathTooLong, path, QString()});
    EXPECT_LT(said.size(), 200);
    EXPECT_TRUE(said.startsWith("The path of debts.dat is too long for the system (4101 "
                                "characters): /home/user/"));
    EXPECT_TRUE(said.endsWith("/debts.dat."));
    EXPECT_EQ(FileWords::shownPath("/home/user/debts.dat"), "/home/user/debts.dat");
    for (const auto access : {FileProblem::Access::Read, FileProblem::Access::Write})
        EXPECT_EQ(FileWords::describe({Cause::Other, "/data/debts.dat", {}, access}),
                  access == FileProblem::Access::Read ? "/data/debts.dat could not be read."
                                                      : "/data/debts.dat could not be written.");
}

} // namespace
