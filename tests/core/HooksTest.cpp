#include "core/Hooks.h"

#include "platform/win32/Hooks.h"
#include "tests/core/CoreTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vex::orb::core::test {
namespace {

namespace win32 = platform::win32;

// The host's side of the chain: every key that reaches it.
std::vector<int> hostKeys;

win32::LRESULT HostHook(int code, win32::WPARAM key, win32::LPARAM data) {
    hostKeys.push_back(static_cast<int>(key));
    return win32::CallNextHookEx(nullptr, code, key, data);
}

struct KeyEvent {
    std::string callback;
    int key;
    bool down, ctrl, alt, shift;
    bool operator==(const KeyEvent&) const = default;
};

class RecordingCallback : public core::Hooks::KeyEventCallback {
public:
    RecordingCallback(std::string name, std::vector<KeyEvent>& events)
        : name_(std::move(name)), events_(events) {}
    void OnKeyEvent(int key, bool down, bool ctrl, bool alt, bool shift) override {
        events_.push_back({name_, key, down, ctrl, alt, shift});
        if (onEvent) onEvent();
    }
    std::function<void()> onEvent;

private:
    std::string name_;
    std::vector<KeyEvent>& events_;
};

class Hooks : public ::testing::Test {
protected:
    void SetUp() override {
        ResetCoreState();
        hostKeys.clear();
        host_ = win32::SetWindowsHookEx(win32::WH_KEYBOARD, &HostHook, nullptr, win32::GetCurrentThreadId());
        ASSERT_TRUE(GetHooks().Install());
        GetHooks().AddCallback(&first_);
        GetHooks().AddCallback(&second_);
    }
    void TearDown() override {
        ResetCoreState();
        win32::UnhookWindowsHookEx(host_);
    }

    static core::Hooks& GetHooks() { return core::Hooks::Instance(); }

    /// One key event as the host window hands it to the thread's hook chain; true when swallowed.
    static bool Press(int key, bool down, bool alt = false) {
        return win32::DispatchKeyboardEvent(key, win32::MakeKeyData(down, alt));
    }

    win32::HHOOK host_ = nullptr;
    std::vector<KeyEvent> events_;
    RecordingCallback first_{"first", events_};
    RecordingCallback second_{"second", events_};
};

TEST_F(Hooks, KeysReachTheHostWhileNotCapturing) {
    EXPECT_FALSE(Press('A', true));
    EXPECT_FALSE(Press('A', false));
    EXPECT_EQ(hostKeys, (std::vector<int>{'A', 'A'}));
    EXPECT_TRUE(events_.empty());
}

TEST_F(Hooks, CapturedKeysGoToEveryCallbackInOrderAndNotToTheHost) {
    GetHooks().SetCapturingKeys(true);
    EXPECT_TRUE(Press(win32::VK_CONTROL, true));
    EXPECT_TRUE(Press('Z', true, true));
    EXPECT_TRUE(Press(win32::VK_CONTROL, false));
    EXPECT_TRUE(Press(win32::VK_SHIFT, true));
    EXPECT_TRUE(Press('Z', false));
    EXPECT_TRUE(hostKeys.empty());
    std::erase_if(events_, [](const KeyEvent& event) { return event.key != 'Z'; });
    const std::vector<KeyEvent> expected = {{"first", 'Z', true, true, true, false},
                                            {"second", 'Z', true, true, true, false},
                                            {"first", 'Z', false, false, false, true},
                                            {"second", 'Z', false, false, false, true}};
    EXPECT_EQ(events_, expected);

    GetHooks().RemoveCallback(&first_);
    GetHooks().RemoveCallback(&second_);
    EXPECT_TRUE(Press(win32::VK_SPACE, true)) << "swallowed even with nobody listening";
    EXPECT_TRUE(hostKeys.empty());
}

TEST_F(Hooks, PassThroughEntriesReachTheHostWhenTheirModifiersAreHeld) {
    GetHooks().SetCapturingKeys(true);
    GetHooks().SetKeyPassThrough({{'P', 0},
                                  {'C', core::Hooks::kPassWithCtrl},
                                  {'A', core::Hooks::kPassWithAlt},
                                  {'S', core::Hooks::kPassWithShift | core::Hooks::kPassWithCtrl},
                                  {300, 0},
                                  {-1, 0}});
    EXPECT_EQ(GetHooks().GetKeyPassThrough('C'), 'C' | core::Hooks::kPassWithCtrl);
    EXPECT_EQ(GetHooks().GetKeyPassThrough('Q'), core::Hooks::kNotListed);

    EXPECT_FALSE(Press('P', true));
    EXPECT_TRUE(Press('C', true)) << "Ctrl is not held";
    EXPECT_TRUE(Press('A', true)) << "Alt is not held";
    EXPECT_FALSE(Press('A', true, true));
    Press(win32::VK_CONTROL, true);
    EXPECT_FALSE(Press('C', true));
    EXPECT_TRUE(Press('S', true)) << "Shift is not held";
    Press(win32::VK_SHIFT, true);
    EXPECT_FALSE(Press('S', true));
    Press(win32::VK_CONTROL, false);
    EXPECT_TRUE(Press('C', true)) << "Ctrl was released";
    EXPECT_TRUE(Press('S', true));
    EXPECT_EQ(hostKeys, (std::vector<int>{'P', 'A', 'C', 'S'}));

    // A later table adds to the earlier one.
    GetHooks().SetKeyPassThrough({{'Q', 0}});
    EXPECT_FALSE(Press('Q', true));
    EXPECT_FALSE(Press('P', true));
}

TEST_F(Hooks, OnlyActionAndLookCodesAreCaptured) {
    GetHooks().SetCapturingKeys(true);
    const win32::LPARAM down = win32::MakeKeyData(true, false);
    EXPECT_EQ(core::Hooks::HookProcedure(1, 'K', down), 0);
    EXPECT_EQ(core::Hooks::HookProcedure(-1, 'K', down), 0);
    EXPECT_TRUE(events_.empty());
    EXPECT_NE(core::Hooks::HookProcedure(win32::HC_NOREMOVE, 'K', down), 0);
    EXPECT_EQ(events_.size(), 2u);
}

TEST_F(Hooks, InstallIsCountedAndTheHookGoesWithTheLastRelease) {
    GetHooks().SetCapturingKeys(true);
    ASSERT_TRUE(GetHooks().Install());
    EXPECT_EQ(GetHooks().GetInstallCount(), 2);
    EXPECT_TRUE(Press('K', true));
    EXPECT_EQ(events_.size(), 2u) << "one hook in the chain, not two";

    GetHooks().Release();
    EXPECT_EQ(GetHooks().GetInstallCount(), 1);
    EXPECT_TRUE(Press('K', true));

    GetHooks().Release();
    GetHooks().Release(); // one too many: nothing happens
    EXPECT_EQ(GetHooks().GetInstallCount(), 0);
    EXPECT_FALSE(Press('K', true));
    EXPECT_EQ(events_.size(), 4u);
    EXPECT_EQ(hostKeys, (std::vector<int>{'K'}));

    ASSERT_TRUE(GetHooks().Install());
    EXPECT_TRUE(Press('K', true));
}

TEST_F(Hooks, CallbacksMayLeaveDuringAKeyEvent) {
    GetHooks().SetCapturingKeys(true);
    first_.onEvent = [&] { GetHooks().RemoveCallback(&second_); };
    second_.onEvent = [&] { ADD_FAILURE() << "removed before its turn"; };
    Press('K', true);
    EXPECT_EQ(events_.size(), 1u);
    EXPECT_EQ(GetHooks().GetCallbackCount(), 1u);
}

} // namespace
} // namespace vex::orb::core::test
