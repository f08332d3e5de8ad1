#include "platform/win32/WindowProcedures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vex::platform::win32;

namespace {

std::vector<std::string> calls;

LRESULT Original(HWND, UINT message, WPARAM, LPARAM) {
    calls.push_back("original " + std::to_string(message));
    return 7;
}

WNDPROC former = nullptr;

LRESULT Subclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    calls.push_back("subclass " + std::to_string(message));
    return CallWindowProcA(former, window, message, wParam, lParam) + 1;
}

TEST(Win32Windows, ASubclassSeesMessagesFirstAndHandsThemOn) {
    calls.clear();
    WNDCLASSA windowClass;
    windowClass.lpfnWndProc = &Original;
    windowClass.lpszClassName = "TestWindowClass";
    ASSERT_NE(RegisterClassA(&windowClass), 0);
    EXPECT_EQ(RegisterClassA(&windowClass), 0);
    EXPECT_EQ(GetLastError(), ERROR_CLASS_ALREADY_EXISTS);

    const HWND window =
        CreateWindowExA(0, "TestWindowClass", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(SendMessageA(window, 5, 0, 0), 7);

    former = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)));
    EXPECT_EQ(former, &Original);
    EXPECT_EQ(SendMessageA(window, 6, 0, 0), 8);
    EXPECT_EQ(calls, (std::vector<std::string>{"original 5", "subclass 6", "original 6"}));

    // Restoring the former procedure ends the subclassing.
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(former));
    EXPECT_EQ(SendMessageA(window, 9, 0, 0), 7);

    EXPECT_EQ(SetActiveWindow(window), nullptr);
    SetFocus(window);
    EXPECT_EQ(GetActiveWindow(), window);
    EXPECT_TRUE(DestroyWindow(window));
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(SendMessageA(window, 5, 0, 0), 0);
    EXPECT_FALSE(DestroyWindow(window));
    EXPECT_TRUE(UnregisterClassA("TestWindowClass", nullptr));
    EXPECT_EQ(CreateWindowExA(0, "TestWindowClass", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr),
              nullptr);
    EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
}

TEST(Win32Windows, AHostWindowCanBeSubclassedToo) {
    calls.clear();
    alignas(8) static char hostWindow[8];
    const HWND host = reinterpret_cast<HWND>(hostWindow);
    former = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)));
    EXPECT_EQ(former, &DefWindowProcA);
    EXPECT_EQ(SendMessageA(host, 3, 0, 0), 1);
    EXPECT_EQ(calls, std::vector<std::string>{"subclass 3"});
    EXPECT_EQ(SetWindowLongPtrA(nullptr, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Subclass)), 0);
    EXPECT_EQ(SetWindowLongPtrA(host, 1, reinterpret_cast<LONG_PTR>(&Subclass)), 0);
    EXPECT_TRUE(DestroyWindow(host));
}

TEST(Win32Windows, RegisteredMessagesAreStablePerName) {
    const UINT first = RegisterWindowMessageA("TestMessageA");
    EXPECT_GE(first, kFirstRegisteredMessage);
    EXPECT_EQ(RegisterWindowMessageA("TestMessageA"), first);
    EXPECT_NE(RegisterWindowMessageA("TestMessageB"), first);
    EXPECT_EQ(RegisterWindowMessageA(""), 0u);
}

} // namespace
