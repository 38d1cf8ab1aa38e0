#include "framework/TimerWindow.h"
#include "tests/support/Pump.h"

#include <gtest/gtest.h>

// Ticks on its own window until stopped; a second one ticks independently.
TEST(TimerWindowTest, TicksUntilStoppedEachOnItsOwnWindow)
{
    int ticks = 0, others = 0;
    CTimerWindow timer([&] { ++ticks; });
    CTimerWindow other([&] { ++others; });
    ASSERT_TRUE(timer.Start(10));
    ASSERT_TRUE(other.Start(10));
    EXPECT_TRUE(support::PumpUntil([&] { return ticks >= 3 && others >= 3; }));
    timer.Stop();
    EXPECT_FALSE(timer.Running());
    const int stoppedAt = ticks;
    EXPECT_TRUE(support::PumpUntil([&] { return others >= stoppedAt + 6; }));
    EXPECT_EQ(stoppedAt, ticks) << "ticked after Stop";
}
