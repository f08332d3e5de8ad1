#include "platform/win32/Hooks.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

using namespace vex::platform::win32;

namespace {

// Hook procedures are plain function pointers, so each test slot N forwards to a behaviour the test
// sets, and every call is logged as "N:code:key".
std::function<LRESULT(int, WPARAM, LPARAM)> behaviour[3];
HHOOK handles[3];
std::vector<std::string> calls;
std::vector<LPARAM> keyData;

template <int N>
LRESULT Slot(int code, WPARAM wParam, LPARAM lParam) {
    calls.push_back(std::to_string(N) + ":" + std::to_string(code) + ":" + std::to_string(wParam));
    keyData.push_back(lParam);
    return behaviour[N](code, wParam, lParam);
}

constexpr HOOKPROC kSlots[] = {&Slot<0>, &Slot<1>, &Slot<2>};

// A behaviour that passes the key on to the next hook.
std::function<LRESULT(int, WPARAM, LPARAM)> PassOn(int slot) {
    return [slot](int code, WPARAM wParam, LPARAM lParam) {
        return CallNextHookEx(handles[slot], code, wParam, lParam);
    };
}

class Win32Hooks : public ::testing::Test {
protected:
    void SetUp() override {
        calls.clear();
        keyData.clear();
        for (int i = 0; i < 3; ++i) {
            behaviour[i] = PassOn(i);
            handles[i] = nullptr;
        }
    }
    void TearDown() override {
        for (HHOOK& hook : handles) {
            if (hook != nullptr) UnhookWindowsHookEx(hook);
            hook = nullptr;
        }
    }
    static void Install(int slot) {
        handles[slot] = SetWindowsHookEx(WH_KEYBOARD, kSlots[slot], nullptr, GetCurrentThreadId());
        ASSERT_NE(handles[slot], nullptr);
    }
};

} // namespace

TEST_F(Win32Hooks, NewestHookRunsFirstAndPassesKeysDownTheChain) {
    EXPECT_FALSE(DispatchKeyboardEvent('A', MakeKeyData(true, false))); // no hooks: the host gets it
    Install(0);
    Install(1);
    Install(2);
    const LPARAM data = MakeKeyData(false, true);
    EXPECT_FALSE(DispatchKeyboardEvent(VK_SPACE, data));
    EXPECT_EQ(calls, (std::vector<std::string>{"2:0:32", "1:0:32", "0:0:32"}));
    EXPECT_EQ(keyData, (std::vector<LPARAM>{data, data, data}));
}

TEST_F(Win32Hooks, NonZeroAnswerSwallowsTheKey) {
    Install(0);
    Install(1);
    behaviour[1] = [](int, WPARAM, LPARAM) -> LRESULT { return 1; };
    EXPECT_TRUE(DispatchKeyboardEvent(VK_ESCAPE, MakeKeyData(true, false)));
    EXPECT_EQ(calls, (std::vector<std::string>{"1:0:27"})); // the older hook never saw it

    // A swallowing answer from further down comes back through a hook that passed the key on.
    calls.clear();
    behaviour[1] = PassOn(1);
    behaviour[0] = [](int, WPARAM, LPARAM) -> LRESULT { return 5; };
    EXPECT_TRUE(DispatchKeyboardEvent('Q', MakeKeyData(true, false)));
    EXPECT_EQ(calls, (std::vector<std::string>{"1:0:81", "0:0:81"}));
}

TEST_F(Win32Hooks, UnhookingInsideAHookCallIsSafe) {
    Install(0);
    Install(1);
    Install(2);
    // The newest hook removes itself and still passes the key on.
    behaviour[2] = [](int code, WPARAM wParam, LPARAM lParam) {
        HHOOK self = handles[2];
        EXPECT_TRUE(UnhookWindowsHookEx(self));
        handles[2] = nullptr;
        return CallNextHookEx(self, code, wParam, lParam);
    };
    // The middle hook removes the one after it before passing on: the removed hook is skipped.
    behaviour[1] = [](int code, WPARAM wParam, LPARAM lParam) {
        EXPECT_TRUE(UnhookWindowsHookEx(handles[0]));
        handles[0] = nullptr;
        return CallNextHookEx(handles[1], code, wParam, lParam);
    };
    EXPECT_FALSE(DispatchKeyboardEvent('B', MakeKeyData(true, false)));
    EXPECT_EQ(calls, (std::vector<std::string>{"2:0:66", "1:0:66"}));

    calls.clear();
    behaviour[1] = PassOn(1);
    EXPECT_FALSE(DispatchKeyboardEvent('C', MakeKeyData(true, false)));
    EXPECT_EQ(calls, (std::vector<std::string>{"1:0:67"}));
}

TEST_F(Win32Hooks, NullHookHandleContinuesFromTheRunningHook) {
    Install(0);
    Install(1);
    behaviour[1] = [](int code, WPARAM wParam, LPARAM lParam) {
        return CallNextHookEx(nullptr, code, wParam, lParam);
    };
    behaviour[0] = [](int, WPARAM, LPARAM) -> LRESULT { return 1; };
    EXPECT_TRUE(DispatchKeyboardEvent('Z', MakeKeyData(true, false)));
    EXPECT_EQ(calls, (std::vector<std::string>{"1:0:90", "0:0:90"}));
}

TEST_F(Win32Hooks, ChainsBelongToTheirThread) {
    Install(0);
    bool swallowedElsewhere = true;
    std::thread other([&] {
        // Another thread's keys do not reach this thread's hooks, and it can hook its own chain.
        swallowedElsewhere = DispatchKeyboardEvent('A', MakeKeyData(true, false));
        HHOOK own = SetWindowsHookEx(WH_KEYBOARD, &Slot<2>, nullptr, GetCurrentThreadId());
        behaviour[2] = [](int, WPARAM, LPARAM) -> LRESULT { return 1; };
        EXPECT_TRUE(DispatchKeyboardEvent('B', MakeKeyData(true, false)));
        EXPECT_TRUE(UnhookWindowsHookEx(own));
    });
    other.join();
    EXPECT_FALSE(swallowedElsewhere);
    EXPECT_EQ(calls, (std::vector<std::string>{"2:0:66"}));
    EXPECT_FALSE(DispatchKeyboardEvent('C', MakeKeyData(true, false)));
    EXPECT_EQ(calls.back(), "0:0:67");
}

TEST_F(Win32Hooks, BadInstallsAndUnhooksFail) {
    EXPECT_EQ(SetWindowsHookEx(WH_KEYBOARD + 1, &Slot<0>, nullptr, GetCurrentThreadId()), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HOOK_FILTER);

    Install(0);
    EXPECT_TRUE(UnhookWindowsHookEx(handles[0]));
    EXPECT_FALSE(UnhookWindowsHookEx(handles[0]));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HOOK_HANDLE);
    handles[0] = nullptr;
}

TEST(Win32KeyData, BitsFollowTheWindowsLayout) {
    const LPARAM press = MakeKeyData(true, false);
    EXPECT_EQ(press, 1);
    const LPARAM release = MakeKeyData(false, false);
    EXPECT_EQ(release, 0xC0000001LL); // going up, was down; a positive 64-bit value
    EXPECT_NE(release & kKeyDataUp, 0);
    EXPECT_EQ(MakeKeyData(true, true), (1LL << 29) | 1);
    EXPECT_EQ(MakeKeyData(true, false, 3, true), (1LL << 30) | 3);
    EXPECT_EQ(MakeKeyData(false, true, 2) & kKeyDataRepeatMask, 2);
}
