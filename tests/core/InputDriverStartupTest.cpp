#include "core/CoreStartup.h"
#include "core/InstanceVirtualDevice.h"
#include "platform/win32/DebugOutputRecorder.h"
#include "platform/win32/Hooks.h"
#include "platform/win32/MessageBox.h"
#include "system/adaptors/memory/MemoryAdaptor.h"
#include "tests/core/CoreTestSupport.h"
#include "unidevice/Device.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Driver.h"
#include "unidevice/driver/EmulatedTrinaryDevice.h"
#include "unidevice/driver/SpaceMouse.h"
#include "unidevice/driver/WINHOOK_KeyboardDevice.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

namespace win32 = platform::win32;
using adaptor::memory::MemoryAdaptor;
using unidevice::DeviceRegistry;

using InputDriverStartup = CoreTest;

TEST_F(InputDriverStartup, DriversThenKeyboardFirstAndTheEmulatorLast) {
    win32::MessageBoxRecorder boxes;
    MemoryAdaptor host;
    DeviceRegistry& registry = DeviceRegistry::Instance();
    ASSERT_EQ(registry.GetDriverCount(), 2);
    EXPECT_EQ(registry.GetDriver(0)->getName(), "dummydriver");
    EXPECT_EQ(registry.GetDriver(1)->getName(), "windriver");

    // No 3D mouse or tablet on the build machines; game controllers may sit in between. The tool
    // instances' own devices (the root instance's already) come after the input devices.
    int inputDevices = registry.getDeviceCount();
    while (inputDevices > 0 && dynamic_cast<InstanceVirtualDevice*>(registry.getDevice(inputDevices - 1)))
        --inputDevices;
    ASSERT_GE(inputDevices, 2);
    unidevice::Device* keyboard = registry.getDevice(0);
    unidevice::Device* emulator = registry.getDevice(inputDevices - 1);
    EXPECT_EQ(keyboard->getName(), "Keyboard");
    EXPECT_NE(dynamic_cast<unidevice::WINHOOK_KeyboardDevice*>(keyboard), nullptr);
    EXPECT_EQ(keyboard->GetDriver(), registry.findDriver("dummydriver"));
    EXPECT_EQ(emulator->getName(), "TrinaryEmulator");
    EXPECT_NE(dynamic_cast<unidevice::EmulatedTrinaryDevice*>(emulator), nullptr);
    EXPECT_EQ(emulator->GetDriver(), registry.findDriver("dummydriver"));
    EXPECT_TRUE(boxes.Boxes().empty()) << "a machine without a 3D mouse starts quietly";

    // A stored two-key binding resolves once the core runs.
    util::xml::Element binding;
    ASSERT_EQ(binding.Parse("<control device=\"TrinaryEmulator\" type=\"control\" index=\"0\">"
                            "<control device=\"Keyboard\" type=\"I\" index=\"0\" te_direction=\"positive\"/>"
                            "<control device=\"Keyboard\" type=\"K\" index=\"0\" te_direction=\"negative\"/>"
                            "</control>"),
              0);
    unidevice::Control* control = registry.findControl(binding);
    ASSERT_NE(control, nullptr);

    // While devices are started the keys feed the control and still reach the host.
    ASSERT_TRUE(registry.startAll());
    EXPECT_FALSE(win32::DispatchKeyboardEvent('K', win32::MakeKeyData(true, false)));
    EXPECT_EQ(control->getValue(), -1.0);
    registry.stopAll();
    win32::DispatchKeyboardEvent('K', win32::MakeKeyData(false, false));
}

TEST_F(InputDriverStartup, AMachineWithoutA3DMouseDriverSaysSoOnceInTheLog) {
    // The real 3D-mouse layer: these machines run no spacenavd.
    win32::MessageBoxRecorder boxes;
    win32::DebugOutputRecorder log;
    unidevice::driver::SpaceMouse::ForgetLoggedAbsence();
    for (int start = 0; start < 2; ++start) {
        MemoryAdaptor host;
        for (int i = 0; i < DeviceRegistry::Instance().getDeviceCount(); ++i) {
            if (dynamic_cast<unidevice::driver::SpaceMouse*>(DeviceRegistry::Instance().getDevice(i)))
                GTEST_SKIP() << "a spacenavd is running";
        }
    }
    EXPECT_TRUE(boxes.Boxes().empty());
    EXPECT_EQ(std::count(log.Lines().begin(), log.Lines().end(), "Error initializing 3dxmouse device."), 1);
}

TEST_F(InputDriverStartup, ShutdownDestroysEveryStartedDevice) {
    {
        MemoryAdaptor host;
        ASSERT_TRUE(DeviceRegistry::Instance().startAll());
    }
    EXPECT_EQ(DeviceRegistry::Instance().getDeviceCount(), 0);
    EXPECT_EQ(DeviceRegistry::Instance().GetDriverCount(), 0);
    EXPECT_EQ(FindCore(), nullptr);
    // The started keyboard took its hook with it: a later key reaches no destroyed device.
    EXPECT_FALSE(win32::DispatchKeyboardEvent('I', win32::MakeKeyData(true, false)));
}

} // namespace
} // namespace vex::orb::core::test
