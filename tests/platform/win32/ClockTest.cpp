#include "platform/win32/Clock.h"

#include <gtest/gtest.h>

using namespace vex::platform::win32;

TEST(Win32Clock, FakeClockDrivesTickCountAndWrapsLikeWindows) {
    ASSERT_FALSE(GetFakeTickCount().has_value());
    {
        FakeClock clock(1000);
        EXPECT_EQ(GetTickCount(), 1000u);
        clock.Advance(40);
        EXPECT_EQ(GetTickCount(), 1040u);
        EXPECT_EQ(clock.Now(), 1040u);

        clock.Set(0xFFFFFFF0u);
        clock.Advance(0x20);
        EXPECT_EQ(GetTickCount(), 0x10u);
        // Elapsed time across the wrap, computed the Windows way.
        EXPECT_EQ(GetTickCount() - 0xFFFFFFF0u, 0x20u);
    }
    EXPECT_FALSE(GetFakeTickCount().has_value());
}

TEST(Win32Clock, NestedFakeClocksRestoreTheOuterOne) {
    FakeClock outer(500);
    {
        FakeClock inner(7);
        EXPECT_EQ(GetTickCount(), 7u);
    }
    EXPECT_EQ(GetTickCount(), 500u);
}
