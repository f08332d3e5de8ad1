#include "platform/win32/TimerQueue.h"

#include "platform/win32/Clock.h"

#include <gtest/gtest.h>

#include <string>

namespace vex::platform::win32 {
namespace {

class TimerQueueTest : public ::testing::Test {
protected:
    void SetUp() override { TimerQueue::StartBatchClock(1000); }
    void TearDown() override { TimerQueue::StopBatchClock(); }
};

TEST_F(TimerQueueTest, TimersFireInDueOrderWithTheClockJumpingToEach) {
    std::string fired;
    const int slow = TimerQueue::StartTimer(30, [&] { fired += "s" + std::to_string(GetTickCount()) + " "; });
    TimerQueue::StartTimer(20, [&] { fired += "f" + std::to_string(GetTickCount()) + " "; });
    TimerQueue::StartTimer(0, [&] { fired += "z" + std::to_string(GetTickCount()) + " "; }); // held at 1 ms
    EXPECT_EQ(TimerQueue::RunningTimers(), 3);
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(TimerQueue::FireNext());
    // 1001 z, 1002 z ... the zero-period timer would starve the others if it could fire at "now".
    EXPECT_EQ(fired, "z1001 z1002 z1003 z1004 z1005 ");
    fired.clear();
    TimerQueue::KillTimer(slow);
    while (fired.find('f') == std::string::npos) ASSERT_TRUE(TimerQueue::FireNext());
    EXPECT_NE(fired.find("f1020"), std::string::npos) << fired;
    EXPECT_EQ(fired.find('s'), std::string::npos) << "a killed timer fired: " << fired;
}

TEST_F(TimerQueueTest, ACallbackMayKillOrRestartItsOwnTimer) {
    int handle = 0, fires = 0;
    handle = TimerQueue::StartTimer(40, [&] {
        ++fires;
        TimerQueue::KillTimer(handle);
        if (fires < 3)
            handle = TimerQueue::StartTimer(10, [&] {
                ++fires;
                TimerQueue::KillTimer(handle);
            });
    });
    ASSERT_TRUE(TimerQueue::FireNext());
    EXPECT_EQ(GetTickCount(), 1040u);
    ASSERT_TRUE(TimerQueue::FireNext());
    EXPECT_EQ(GetTickCount(), 1050u);
    EXPECT_EQ(fires, 2);
    EXPECT_FALSE(TimerQueue::FireNext()) << "nothing is left once both killed themselves";
    EXPECT_EQ(TimerQueue::RunningTimers(), 0);
    EXPECT_EQ(GetTickCount(), 1050u) << "with no timer the clock stands";
}

TEST_F(TimerQueueTest, StoppingGoesBackToTheRealClockAndDropsTheTimers) {
    TimerQueue::StartTimer(5, [] {});
    TimerQueue::CountLiveTimer(+1);
    EXPECT_EQ(TimerQueue::RunningTimers(), 2);
    TimerQueue::StopBatchClock();
    EXPECT_FALSE(TimerQueue::IsBatchClock());
    EXPECT_FALSE(GetFakeTickCount().has_value());
    EXPECT_EQ(TimerQueue::RunningTimers(), 1) << "live timers are their owners' to stop";
    EXPECT_FALSE(TimerQueue::FireNext());
    TimerQueue::CountLiveTimer(-1);
}

} // namespace
} // namespace vex::platform::win32
