#include "ui/common/accountmessages.h"

#include <gtest/gtest.h>

namespace {

TEST(AccountMessages, AVeryLongPathIsCutInItsMiddleSoThatTheBoxFitsTheScreen)
{
    const QString path = "/home/user/" + QString(4080, 'a') + "/debts.dat";
    const QString said =
        AccountMessages::describe({FileProblem::Cause::PathTooLong, path, QString()});
    EXPECT_LT(said.size(), 200);
    EXPECT_TRUE(said.startsWith("The path of debts.dat is too long for the system (4101 "
                                "characters): /home/user/"));
    EXPECT_TRUE(said.endsWith("/debts.dat."));
    EXPECT_EQ(AccountMessages::shownPath("/home/user/debts.dat"), "/home/user/debts.dat");
}

} // namespace
