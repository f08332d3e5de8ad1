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
        host = win32::SetWindowsHookEx(win32::WH_KEYBOARD, &HostHook, nullptr, win32::GetCurrentThreadId());
        ASSERT_TRUE(hooks().Install());
        hooks().AddCallback(&first);
        hooks().AddCallback(&second);
    }
    void TearDown() override {
        ResetCoreState();
        win32::UnhookWindowsHookEx(host);
    }

    static core::Hooks& hooks() { return core::Hooks::Instance(); }

    /// One key event as the host window hands it to the thread's hook chain; true when swallowed.
    static bool Press(int key, bool down, bool alt = false) {
        return win32::DispatchKeyboardEvent(key, win32::MakeKeyData(down, alt));
    }

    win32::HHOOK host = nullptr;
    std::vector<KeyEvent> events;
    RecordingCallback first{"first", events};
    RecordingCallback second{"second", events};
};

TEST_F(Hooks, KeysReachTheHostWhileNotCapturing) {
    EXPECT_FALSE(Press('A', true));
    EXPECT_FALSE(Press('A', false));
    EXPECT_EQ(hostKeys, (std::vector<int>{'A', 'A'}));
    EXPECT_TRUE(events.empty());
}

TEST_F(Hooks, CapturedKeysGoToEveryCallbackInOrderAndNotToTheHost) {
    hooks().SetCapturingKeys(true);
    EXPECT_TRUE(Press(win32::VK_CONTROL, true));
    EXPECT_TRUE(Press('Z', true, true));
    EXPECT_TRUE(Press(win32::VK_CONTROL, false));
    EXPECT_TRUE(Press(win32::VK_SHIFT, true));
    EXPECT_TRUE(Press('Z', false));
    EXPECT_TRUE(hostKeys.empty());
    std::erase_if(events, [](const KeyEvent& event) { return event.key != 'Z'; });
    const std::vector<KeyEvent> expected = {{"first", 'Z', true, true, true, false},
                                            {"second", 'Z', true, true, true, false},
                                            {"first", 'Z', false, false, false, true},
                                            {"second", 'Z', false, false, false, true}};
    EXPECT_EQ(events, expected);

    hooks().RemoveCallback(&first);
    hooks().RemoveCallback(&second);
    EXPECT_TRUE(Press(win32::VK_SPACE, true)) << "swallowed even with nobody listening";
    EXPECT_TRUE(hostKeys.empty());
}

TEST_F(Hooks, PassThroughEntriesReachTheHostWhenTheirModifiersAreHeld) {
    hooks().SetCapturingKeys(true);
    hooks().SetKeyPassThrough({{'P', 0},
                               {'C', core::Hooks::kPassWithCtrl},
                               {'A', core::Hooks::kPassWithAlt},
                               {'S', core::Hooks::kPassWithShift | core::Hooks::kPassWithCtrl},
                               {300, 0},
                               {-1, 0}});
    EXPECT_EQ(hooks().GetKeyPassThrough('C'), 'C' | core::Hooks::kPassWithCtrl);
    EXPECT_EQ(hooks().GetKeyPassThrough('Q'), core::Hooks::kNotListed);

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
    hooks().SetKeyPassThrough({{'Q', 0}});
    EXPECT_FALSE(Press('Q', true));
    EXPECT_FALSE(Press('P', true));
}

TEST_F(Hooks, OnlyActionAndLookCodesAreCaptured) {
    hooks().SetCapturingKeys(true);
    const win32::LPARAM down = win32::MakeKeyData(true, false);
    EXPECT_EQ(core::Hooks::HookProcedure(1, 'K', down), 0);
    EXPECT_EQ(core::Hooks::HookProcedure(-1, 'K', down), 0);
    EXPECT_TRUE(events.empty());
    EXPECT_NE(core::Hooks::HookProcedure(win32::HC_NOREMOVE, 'K', down), 0);
    EXPECT_EQ(events.size(), 2u);
}

TEST_F(Hooks, InstallIsCountedAndTheHookGoesWithTheLastRelease) {
    hooks().SetCapturingKeys(true);
    ASSERT_TRUE(hooks().Install());
    EXPECT_EQ(hooks().GetInstallCount(), 2);
    EXPECT_TRUE(Press('K', true));
    EXPECT_EQ(events.size(), 2u) << "one hook in the chain, not two";

    hooks().Release();
    EXPECT_EQ(hooks().GetInstallCount(), 1);
    EXPECT_TRUE(Press('K', true));

    hooks().Release();
    hooks().Release(); // one too many: nothing happens
    EXPECT_EQ(hooks().GetInstallCount(), 0);
    EXPECT_FALSE(Press('K', true));
    EXPECT_EQ(events.size(), 4u);
    EXPECT_EQ(hostKeys, (std::vector<int>{'K'}));

    ASSERT_TRUE(hooks().Install());
    EXPECT_TRUE(Press('K', true));
}

TEST_F(Hooks, CallbacksMayLeaveDuringAKeyEvent) {
    hooks().SetCapturingKeys(true);
    first.onEvent = [&] { hooks().RemoveCallback(&second); };
    second.onEvent = [&] { ADD_FAILURE() << "removed before its turn"; };
    Press('K', true);
    EXPECT_EQ(events.size(), 1u);
    EXPECT_EQ(hooks().GetCallbackCount(), 1u);
}

} // namespace
} // namespace vex::orb::core::test
