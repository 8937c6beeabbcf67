#include "ui/mainlayout.h"

#include <gtest/gtest.h>

namespace {

TEST(MainLayout, UpperBlockMovesByHalfTheWidthBeyondTheReference)
{
    EXPECT_EQ(mainLayoutFor(9000, 6435).offset, 0);
    EXPECT_EQ(mainLayoutFor(9480, 6435).offset, 0) << "exactly the reference width";
    EXPECT_EQ(mainLayoutFor(10480, 6435).offset, 500);
    EXPECT_FLOAT_EQ(static_cast<float>(mainLayoutFor(9481, 6435).offset), 0.5f) << "not rounded";
}

TEST(MainLayout, ScheduleGridFillsTheWindowButStopsShrinkingBelowTheThreshold)
{
    const MainLayout reference = mainLayoutFor(9480, 6435);
    EXPECT_EQ(reference.scheduleWidth, 9450);
    ASSERT_TRUE(reference.scheduleHeight.has_value());
    EXPECT_EQ(*reference.scheduleHeight, 4220);
    EXPECT_EQ(*mainLayoutFor(9480, 2825 - 405).scheduleHeight, 205);
    EXPECT_FALSE(mainLayoutFor(9480, 2824 - 405).scheduleHeight.has_value());
}

} // namespace
