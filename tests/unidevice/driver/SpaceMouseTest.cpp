#include "unidevice/driver/SpaceMouse.h"

#include "platform/spaceware/SpaceWare.h"
#include "platform/win32/Clock.h"
#include "platform/win32/DebugOutputRecorder.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/WindowProcedures.h"
#include "tests/platform/spaceware/FakeSpaceWareBackend.h"
#include "tests/unidevice/TestDevices.h"
#include "unidevice/DummyDriver.h"
#include "unidevice/WinDriver.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vex::unidevice::test {
namespace {

namespace win32 = platform::win32;
using driver::SpaceMouse;
using platform::spaceware::testing::FakeSpaceWareBackend;
using platform::spaceware::testing::ScopedFakeSpaceWare;

// Messages the subclassed window's own procedure got after the mouse handed them on.
std::vector<win32::UINT> handedOn;

win32::LRESULT HostProcedure(win32::HWND, win32::UINT message, win32::WPARAM, win32::LPARAM) {
    handedOn.push_back(message);
    return 42;
}

class SpaceMouseTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        handedOn.clear();
        new DummyDriver;
        windriver_ = new WinDriver;
    }
    void TearDown() override {
        RegistryTest::TearDown();
        win32::SetFakeTickCount(std::nullopt);
    }

    std::vector<double> Axes(SpaceMouse& mouse) {
        std::vector<double> values;
        for (int i = 0; i < 6; ++i) values.push_back(mouse.getControl(i)->getValue());
        return values;
    }

    ScopedFakeSpaceWare spaceware_;
    FakeSpaceWareBackend& fake_ = *spaceware_.backend;
    WinDriver* windriver_ = nullptr;
};

TEST_F(SpaceMouseTest, AxesAndButtonsAsTheDeviceReportsThem) {
    fake_.buttons = 2;
    SpaceMouse* mouse = SpaceMouse::Create(nullptr);
    ASSERT_NE(mouse, nullptr);
    EXPECT_EQ(mouse->getName(), "SpacePilot");
    EXPECT_EQ(mouse->GetDriver(), windriver_);
    ASSERT_EQ(mouse->getControlCount(), 8);
    EXPECT_EQ(mouse->getControl(0)->getDescription(), "X translation");
    EXPECT_EQ(mouse->getControl(5)->getDescription(), "Z rotation");
    EXPECT_EQ(mouse->getControl(5)->GetType(), "Axis");
    EXPECT_EQ(mouse->getControl(5)->GetIndex(), 5);
    EXPECT_EQ(mouse->getControl(5)->GetKind(), kFiniteControl);
    EXPECT_EQ(mouse->getControl(7)->getDescription(), "Button 2") << "SpaceWare counts buttons from 1";
    EXPECT_EQ(mouse->getControl(7)->GetType(), "Button");
    EXPECT_EQ(mouse->getControl(7)->GetIndex(), 1);
    EXPECT_EQ(mouse->getControl(7)->GetKind(), kBinaryControl);
    EXPECT_EQ(mouse->getControl(7)->GetThreshold(), 0.1);
}

TEST_F(SpaceMouseTest, EventsReachTheControlsThroughTheSubclassedWindow) {
    SpaceMouse* mouse = SpaceMouse::Create(nullptr);
    ASSERT_NE(mouse, nullptr);

    // The driver's window (a host window) is subclassed while started; messages go on to its procedure.
    alignas(8) static char hostWindow[8];
    const win32::HWND host = reinterpret_cast<win32::HWND>(hostWindow);
    win32::SetWindowLongPtrA(host, win32::GWLP_WNDPROC, reinterpret_cast<win32::LONG_PTR>(&HostProcedure));
    windriver_->SetWindow(host);
    ASSERT_TRUE(registry_.startAll());
    EXPECT_EQ(mouse->GetSubclassedWindow(), host);

    win32::SetFakeTickCount(5000);
    fake_.Motion(5, -40, 0, 20, 0, 300, 20);
    registry_.updateAll();
    EXPECT_EQ(Axes(*mouse), (std::vector<double>{0.25, -1.0, 0.0, 1.0, 0.0, 1.0}))
        << "data / period, clamped";
    EXPECT_EQ(mouse->GetLastMotionTick(), 5000u);

    win32::SetFakeTickCount(6000);
    fake_.Motion(1, 1, 1, 1, 1, 1, 9);
    registry_.updateAll();
    EXPECT_EQ(Axes(*mouse)[0], 0.25) << "a period below 10 ms is ignored";
    EXPECT_EQ(mouse->GetLastMotionTick(), 5000u);
    fake_.Motion(-5, 0, 0, 0, 0, 0, 10);
    registry_.updateAll();
    EXPECT_EQ(Axes(*mouse)[0], -0.5) << "10 ms is enough";

    // Buttons: button i is bit i + 1 of the mask.
    fake_.Buttons(0x2 | 0x8);
    registry_.updateAll();
    EXPECT_EQ(mouse->getControl(6)->getValue(), 1.0);
    EXPECT_EQ(mouse->getControl(7)->getValue(), 0.0);
    EXPECT_EQ(mouse->getControl(8)->getValue(), 1.0);
    EXPECT_EQ(Axes(*mouse)[0], -0.5) << "a button event leaves the axes";

    fake_.Zero();
    registry_.updateAll();
    EXPECT_EQ(Axes(*mouse), std::vector<double>(6, 0.0));
    EXPECT_EQ(mouse->getControl(8)->getValue(), 1.0) << "a zero event leaves the buttons";
    EXPECT_EQ(handedOn.size(), 5u) << "every message is handed on";

    // Detection: resync brings everything to rest and activates the window.
    EXPECT_EQ(registry_.resyncAll(), 1);
    EXPECT_EQ(win32::GetActiveWindow(), host);
    EXPECT_EQ(win32::GetFocus(), host);
    fake_.Motion(0, 0, 0, 0, 3, 0, 10);
    EXPECT_EQ(registry_.detectChange(), mouse->getControl(4));

    // Stopped: the host window has its own procedure back and events change nothing.
    ASSERT_TRUE(registry_.stopAll());
    EXPECT_EQ(win32::GetWindowLongPtrA(host, win32::GWLP_WNDPROC),
              reinterpret_cast<win32::LONG_PTR>(&HostProcedure));
    fake_.Motion(10, 0, 0, 0, 0, 0, 10);
    registry_.updateAll();
    EXPECT_EQ(Axes(*mouse)[0], 0.0);
    win32::DestroyWindow(host);
}

TEST_F(SpaceMouseTest, WithoutAWindowOfItsDriverItListensOnItsOwn) {
    SpaceMouse* mouse = SpaceMouse::Create(nullptr);
    ASSERT_NE(mouse, nullptr);
    ASSERT_TRUE(mouse->start(nullptr));
    EXPECT_EQ(mouse->GetSubclassedWindow(), mouse->GetOwnWindow());
    ASSERT_TRUE(mouse->start(nullptr)) << "starting again replaces the subclassing";
    fake_.Motion(0, 0, 10, 0, 0, 0, 20);
    mouse->update(nullptr);
    EXPECT_EQ(mouse->getControl(2)->getValue(), 0.5);
    EXPECT_EQ(mouse->getControl(2)->GetPrevious(), 0.0) << "one event, one value";
}

TEST_F(SpaceMouseTest, NoSpaceWareMeansNoDevice) {
    win32::MessageBoxRecorder boxes;
    win32::DebugOutputRecorder log;
    SpaceMouse::ForgetLoggedAbsence();
    fake_.openResult = platform::spaceware::SI_NO_DRIVER;
    EXPECT_EQ(SpaceMouse::Create(nullptr), nullptr);
    EXPECT_EQ(SpaceMouse::Create(nullptr), nullptr);
    EXPECT_EQ(registry_.getDeviceCount(), 0);
    EXPECT_TRUE(boxes.Boxes().empty()) << "no driver installed: no box";
    EXPECT_EQ(log.Lines(), std::vector<std::string>{"Error initializing 3dxmouse device."})
        << "logged once, however often the device layer starts";

    fake_.openResult = platform::spaceware::SI_NO_RESPONSE;
    EXPECT_EQ(SpaceMouse::Create(nullptr), nullptr);
    EXPECT_EQ(registry_.getDeviceCount(), 0);
    EXPECT_EQ(log.Lines().size(), 1u);
    ASSERT_EQ(boxes.Boxes().size(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, "Error initializing 3dxmouse device.");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Error");

    // The window was given back each time: a later start-up still works.
    fake_.openResult = platform::spaceware::SPW_NO_ERROR;
    EXPECT_NE(SpaceMouse::Create(nullptr), nullptr);
}

TEST(SpaceMouseWithoutDaemon, NoDeviceAndNoCrash) {
    // The real backend: these machines run no spacenavd.
    DeviceRegistry::Instance().Shutdown();
    platform::spaceware::SiTerminate();
    win32::MessageBoxRecorder boxes;
    SpaceMouse* mouse = SpaceMouse::Create(nullptr);
    if (mouse != nullptr) {
        DeviceRegistry::Instance().Shutdown();
        GTEST_SKIP() << "a spacenavd is running";
    }
    EXPECT_EQ(DeviceRegistry::Instance().getDeviceCount(), 0);
    EXPECT_TRUE(boxes.Boxes().empty());
}

} // namespace
} // namespace vex::unidevice::test
