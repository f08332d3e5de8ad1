#pragma once

#include "platform/spaceware/SpaceWareBackend.h"

#include <deque>
#include <memory>
#include <string>

namespace vex::platform::spaceware::testing {

/// A scripted device: tests queue events, and the layer reads them as if the daemon sent them.
class FakeSpaceWareBackend : public SpaceWareBackend {
public:
    SpwRetVal Open() override {
        ++opens;
        return openResult;
    }
    void Close() override { ++closes; }
    bool Poll(SiSpwEvent& event) override {
        if (events.empty()) return false;
        event = events.front();
        events.pop_front();
        return true;
    }
    std::string DeviceName() const override { return name; }
    int ButtonCount() const override { return buttons; }

    /// Queues a motion event of the six axes and period (ms).
    void Motion(long tx, long ty, long tz, long rx, long ry, long rz, long period) {
        SiSpwEvent event;
        event.type = SI_MOTION_EVENT;
        const long data[6] = {tx, ty, tz, rx, ry, rz};
        for (int i = 0; i < 6; ++i) event.u.spwData.mData[i] = data[i];
        event.u.spwData.period = period;
        events.push_back(event);
    }
    /// Queues a button event with the held-buttons mask (bit n + 1: button n).
    void Buttons(unsigned long mask) {
        SiSpwEvent event;
        event.type = SI_BUTTON_EVENT;
        event.u.spwData.bData.current = mask;
        events.push_back(event);
    }
    /// Queues a zero event.
    void Zero() {
        SiSpwEvent event;
        event.type = SI_ZERO_EVENT;
        events.push_back(event);
    }

    SpwRetVal openResult = SPW_NO_ERROR;
    std::string name = "SpacePilot";
    int buttons = 3;
    int opens = 0;
    int closes = 0;
    std::deque<SiSpwEvent> events;
};

/// For its lifetime a fresh FakeSpaceWareBackend is the layer's backend; the layer is terminated
/// before and after, so each use starts uninitialised.
class ScopedFakeSpaceWare {
public:
    ScopedFakeSpaceWare() {
        SiTerminate();
        auto fake = std::make_unique<FakeSpaceWareBackend>();
        backend = fake.get();
        SpaceWareBackend::Install(std::move(fake));
    }
    ~ScopedFakeSpaceWare() {
        SiTerminate();
        SpaceWareBackend::Install(nullptr);
    }
    ScopedFakeSpaceWare(const ScopedFakeSpaceWare&) = delete;
    ScopedFakeSpaceWare& operator=(const ScopedFakeSpaceWare&) = delete;

    FakeSpaceWareBackend* backend;
};

} // namespace vex::platform::spaceware::testing
