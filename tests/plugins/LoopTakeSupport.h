#pragma once

#include "core/CoreImplementation.h"
#include "core/RecordManager.h"
#include "core/ResimulationWindow.h"
#include "platform/win32/Clock.h"
#include "tests/plugins/HostUnderTest.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace vex::orb::core::test {

/// Expects two key lists to be the same, time and value bit for bit.
template <typename Keys>
void ExpectSameKeys(const Keys& expected, const Keys& actual) {
    EXPECT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size() && i < actual.size(); ++i) {
        EXPECT_EQ(actual[i].time, expected[i].time) << i;
        EXPECT_EQ(actual[i].value, expected[i].value) << "key " << i;
    }
}

/// Records a take from 0 to `end` seconds through the real-time loop (40 ms ticks of a fake clock),
/// then re-simulates it from its start; answers what `keys` reads after the take and after the
/// re-simulation. The host keys what the tools write whenever the core records or re-simulates.
/// `beforeTick`, when given, runs before every tick of the take with the loop's time, as a device
/// delivering new values would.
template <typename Keys>
std::pair<Keys, Keys> RecordAndResimulateLoopTake(CoreImplementation& core, HostUnderTest& host, double end,
                                                  const std::function<Keys()>& keys,
                                                  const std::function<void(double)>& beforeTick = {}) {
    // The core's run decides when the host records, whatever a test drove before.
    host.SetRecording(false);
    host.SetPlaybackRange(0.0, end);
    host.SetCurrentTime(0.0);
    core.GetSettings().countdown = 0;
    platform::win32::FakeClock clock;
    clock.Set(1000);

    std::pair<Keys, Keys> result;
    if (core.StartRecording() != 0) return result;
    while (core.GetTime() < end) {
        if (beforeTick) beforeTick(core.GetTime());
        clock.Advance(40);
        core.OnTimer(RecordManager::kRecordTimer, clock.Now());
    }
    core.StopRecording();
    result.first = keys();

    if (core.Resimulate(0.0, end) != 0) return result;
    while (core.IsResimulating()) {
        clock.Advance(40);
        core.GetResimulationWindow()->OnTimer(ResimulationWindow::kSliceTimer, clock.Now());
    }
    result.second = keys();
    return result;
}

} // namespace vex::orb::core::test
