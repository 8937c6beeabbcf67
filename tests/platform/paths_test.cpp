#include "platform/paths.h"

#include <gtest/gtest.h>

namespace {

TEST(JoinPath, PutsExactlyOneSeparatorBetweenFolderAndName)
{
    EXPECT_EQ(joinPath("/ab", "debts.dat"), "/ab/debts.dat") << "short folders are no roots";
    EXPECT_EQ(joinPath("/ab/", "debts.dat"), "/ab/debts.dat");
    EXPECT_EQ(joinPath("/", "debts.dat"), "/debts.dat");
    EXPECT_EQ(joinPath("/opt/varnholt/bin", "debts.tab"), "/opt/varnholt/bin/debts.tab");
}

} // namespace
