#include "tests/unidevice/TestDevices.h"
#include "unidevice/DummyDriver.h"
#include "unidevice/WinDriver.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vex::unidevice::test {
namespace {

using DeviceRegistryTest = RegistryTest;
using platform::win32::HWND;

HWND FakeWindow() {
    return reinterpret_cast<HWND>(0x1234);
}

TEST_F(DeviceRegistryTest, DetectionIsStrictAndTheEarliestWinsATie) {
    auto* driver = new DummyDriver;
    EXPECT_EQ(registry_.detectChange(), nullptr) << "no devices";

    auto* a = new TestDevice("A", 3);
    auto* b = new TestDevice("B", 2);
    a->setDriver(driver);
    b->setDriver(driver);

    // Every case starts from rest.
    auto detect = [&](std::vector<double> av, std::vector<double> bv, std::vector<Control*> exclude = {}) {
        registry_.clearAll();
        a->next = std::move(av);
        b->next = std::move(bv);
        return registry_.detectChange(exclude);
    };
    EXPECT_EQ(detect({0.1, -0.1, 0.0}, {0.0, 0.0}), nullptr) << "exactly the threshold is no change";
    EXPECT_EQ(detect({0.1, 0.5, 0.5}, {0.0, 0.0}), a->getControl(1)) << "earlier control wins a tie";
    EXPECT_EQ(detect({0.0, 0.2, 0.6}, {0.6, 0.0}), a->getControl(2)) << "earlier device wins a tie";
    EXPECT_EQ(detect({0.0, 0.2, 0.3}, {-0.5, 0.0}), b->getControl(0)) << "the largest move, either way";
    EXPECT_EQ(detect({0.0, 0.5, 0.3}, {0.0, 0.0}, {a->getControl(1)}), a->getControl(2));

    // A device without a driver is never polled.
    auto* loose = new TestDevice("Loose", 1);
    loose->next = {1.0};
    EXPECT_EQ(detect({0.0, 0.0, 0.0}, {0.0, 0.0}), nullptr);
    EXPECT_TRUE(loose->windows.empty());
}

TEST_F(DeviceRegistryTest, DriversPassTheirWindowAndCallEveryDevice) {
    auto* dummy = new DummyDriver;
    auto* win = new WinDriver;
    EXPECT_EQ(registry_.findDriver("windriver"), win);
    win->SetWindow(FakeWindow());

    auto* keys = new TestDevice("Keys", 1, kBinaryControl);
    auto* mouse = new TestDevice("Mouse", 1);
    auto* pad = new TestDevice("Pad", 1);
    keys->setDriver(dummy);
    mouse->setDriver(win);
    pad->setDriver(dummy);
    keys->startResult = false;
    keys->resyncs = false;

    EXPECT_FALSE(registry_.startAll());
    EXPECT_EQ(pad->windows.size(), 1u) << "started after an earlier device failed";
    EXPECT_EQ(registry_.resyncAll(), 2);
    registry_.updateAll();
    EXPECT_EQ(keys->windows, (std::vector<HWND>{nullptr, nullptr, nullptr}));
    EXPECT_EQ(mouse->windows, (std::vector<HWND>{FakeWindow(), FakeWindow(), FakeWindow()}));

    // Destroying a device takes it off its driver's list and the registry's.
    keys->destroy();
    EXPECT_EQ(dummy->getDevice(0), pad);
    EXPECT_TRUE(registry_.startAll());

    // An unlisted device is inserted at a position up to the end, and takes a devindex then.
    auto* late = new TestDevice("Pad", 1, kFiniteControl, false);
    EXPECT_FALSE(registry_.InsertDevice(late, 3)) << "beyond the end";
    ASSERT_TRUE(registry_.InsertDevice(late, 1));
    EXPECT_EQ(registry_.getDevice(1), late);
    EXPECT_EQ(registry_.getDevice(2), pad);
    EXPECT_EQ(late->GetDevIndex(), 1);
}

TEST_F(DeviceRegistryTest, ShutdownDestroysDevicesThenDriversLastFirst) {
    std::vector<std::string> log;
    auto* dummy = new TestDriver("dummydriver", &log);
    new TestDriver("windriver", &log);
    for (const char* name : {"Keyboard", "Pad", "TrinaryEmulator"}) {
        auto* device = new TestDevice(name, 1);
        device->log = &log;
        device->setDriver(dummy);
    }
    // A device that belongs to something else is let go, not deleted.
    struct Kept : TestDevice {
        Kept() : TestDevice("Kept", 1) {}
        void destroy() override {}
    } kept;

    registry_.Shutdown();
    EXPECT_EQ(log,
              (std::vector<std::string>{"TrinaryEmulator", "Pad", "Keyboard", "windriver", "dummydriver"}));
    EXPECT_EQ(registry_.GetDriverCount(), 0);
    EXPECT_EQ(kept.GetRegistry(), nullptr);

    // The registry starts afresh.
    EXPECT_EQ((new TestDevice("Pad", 1))->GetDevIndex(), 0);
}

} // namespace
} // namespace vex::unidevice::test
