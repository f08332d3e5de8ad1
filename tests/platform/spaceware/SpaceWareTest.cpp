#include "platform/spaceware/SpaceWare.h"

#include "platform/win32/WindowProcedures.h"
#include "tests/platform/spaceware/FakeSpaceWareBackend.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vex::platform::spaceware;
namespace win32 = vex::platform::win32;

namespace {

// What the test window's procedure made of the messages it got, through SiGetEvent.
SiHdl listening = nullptr;
std::vector<SiSpwEvent> received;
int otherMessages = 0;

win32::LRESULT Receiver(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
    SiGetEventData data;
    SiGetEventWinInit(&data, message, wParam, lParam);
    SiSpwEvent event;
    if (SiGetEvent(listening, 0, &data, &event) == SI_IS_EVENT) {
        received.push_back(event);
    } else {
        ++otherMessages;
    }
    return 0;
}

HWND MakeWindow() {
    static const bool registered = [] {
        win32::WNDCLASSA windowClass;
        windowClass.lpfnWndProc = &Receiver;
        windowClass.lpszClassName = "SpaceWareTestWindow";
        return win32::RegisterClassA(&windowClass) != 0;
    }();
    EXPECT_TRUE(registered);
    return win32::CreateWindowExA(0, "SpaceWareTestWindow", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr,
                                  nullptr);
}

TEST(SpaceWare, EventsReachTheOpenedWindowAsMessages) {
    vex::platform::spaceware::testing::ScopedFakeSpaceWare fake;
    received.clear();
    otherMessages = 0;
    const HWND window = MakeWindow();

    SiOpenData open;
    SiOpenWinInit(&open, window);
    EXPECT_EQ(SiOpen("UniDevice", SI_ANY_DEVICE, SI_NO_MASK, SI_EVENT, &open), nullptr) << "not initialised";
    ASSERT_EQ(SiInitialize(), SPW_NO_ERROR);
    listening = SiOpen("UniDevice", SI_ANY_DEVICE, SI_NO_MASK, SI_EVENT, &open);
    ASSERT_NE(listening, nullptr);
    EXPECT_EQ(SiSetUiMode(listening, SI_UI_ALL_CONTROLS), SPW_NO_ERROR);

    SiDevInfo info;
    ASSERT_EQ(SiGetDeviceInfo(listening, &info), SPW_NO_ERROR);
    EXPECT_EQ(info.numButtons, 3);
    SiDevName name;
    ASSERT_EQ(SiGetDeviceName(listening, &name), SPW_NO_ERROR);
    EXPECT_STREQ(name.name, "SpacePilot");

    fake.backend->Motion(1, 2, 3, 4, 5, 6, 16);
    fake.backend->Buttons(0x4);
    EXPECT_EQ(SiDispatchEvents(), 2);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].type, SI_MOTION_EVENT);
    EXPECT_EQ(received[0].u.spwData.mData[SI_RZ], 6);
    EXPECT_EQ(received[0].u.spwData.period, 16);
    EXPECT_EQ(received[1].u.spwData.bData.current, 0x4ul);

    // Other messages, and device messages of another handle, are no events of this one.
    win32::SendMessageA(window, 0x0100, 0, 0);
    SiSpwEvent event;
    SiGetEventData foreign;
    SiGetEventWinInit(&foreign, SiEventMessage(), 12345, reinterpret_cast<LPARAM>(&event));
    EXPECT_EQ(SiGetEvent(listening, 0, &foreign, &event), SI_NOT_EVENT);
    EXPECT_EQ(otherMessages, 1);

    // A closed handle gets nothing more.
    EXPECT_EQ(SiClose(listening), SPW_NO_ERROR);
    EXPECT_EQ(SiClose(listening), SI_BAD_HANDLE);
    EXPECT_EQ(SiGetDeviceInfo(listening, &info), SI_BAD_HANDLE);
    fake.backend->Zero();
    EXPECT_EQ(SiDispatchEvents(), 1);
    EXPECT_EQ(received.size(), 2u);
    win32::DestroyWindow(window);
}

TEST(SpaceWare, NoDeviceMeansNoInitialisation) {
    vex::platform::spaceware::testing::ScopedFakeSpaceWare fake;
    fake.backend->openResult = SI_NO_RESPONSE;
    EXPECT_EQ(SiInitialize(), SI_NO_RESPONSE);
    EXPECT_EQ(SiDispatchEvents(), 0);
}

TEST(SpaceWare, WithoutTheDaemonTheRealBackendDoesNotInitialise) {
    // The build machines run no spacenavd; where one runs this says nothing.
    SiTerminate();
    if (SiInitialize() == SPW_NO_ERROR) {
        SiTerminate();
        GTEST_SKIP() << "a spacenavd is running";
    }
    EXPECT_EQ(SiDispatchEvents(), 0);
    EXPECT_EQ(SiOpen("UniDevice", SI_ANY_DEVICE, SI_NO_MASK, SI_EVENT, nullptr), nullptr);
}

} // namespace
