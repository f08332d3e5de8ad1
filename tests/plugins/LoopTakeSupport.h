#pragma once

#include "core/CoreImplementation.h"
#include "core/RecordManager.h"
#include "core/ResimulationWindow.h"
#include "platform/win32/Clock.h"
#include "system/adaptors/memory/MemoryAdaptor.h"

#include <functional>
#include <utility>

namespace vex::orb::core::test {

/// Records a take from 0 to `end` seconds through the real-time loop (40 ms ticks of a fake clock),
/// then re-simulates it from its start; answers what `keys` reads after the take and after the
/// re-simulation. The host keys what the tools write whenever the core records or re-simulates.
template <typename Keys>
std::pair<Keys, Keys> RecordAndResimulateLoopTake(CoreImplementation& core,
                                                  adaptor::memory::MemoryAdaptor& host, double end,
                                                  const std::function<Keys()>& keys) {
    host.SetCoreRecordingQuery([&core] { return core.IsRecording(); });
    host.SetCoreResimulatingQuery([&core] { return core.IsResimulating(); });
    host.setPlaybackRange({0.0, end});
    host.setCurrentTime(0.0);
    core.GetSettings().countdown = 0;
    platform::win32::FakeClock clock;
    clock.Set(1000);

    std::pair<Keys, Keys> result;
    if (core.StartRecording() != 0) return result;
    while (core.GetTime() < end) {
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
