#include "platform/win32/KeyTranslation.h"

#include "platform/win32/Hooks.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vex::platform::win32;

namespace {

// Qt key codes as a Qt key event carries them.
constexpr int kQtLeft = 0x01000012;
constexpr int kQtEscape = 0x01000000;
constexpr int kQtF1 = 0x01000030;
constexpr int kQtEnter = 0x01000005;
constexpr int kQtAlt = 0x01000023;
constexpr int kQtVolumeUp = 0x01000072;

TEST(Win32KeyTranslation, QtKeysBecomeTheVirtualKeysOfTheKeyboardDevice) {
    EXPECT_EQ(VirtualKeyFromQtKey('I', false), 'I');
    EXPECT_EQ(VirtualKeyFromQtKey('7', false), '7');
    EXPECT_EQ(VirtualKeyFromQtKey('7', true), 103) << "Num_7";
    EXPECT_EQ(VirtualKeyFromQtKey(',', false), 188);
    EXPECT_EQ(VirtualKeyFromQtKey(',', true), 110) << "Num_,";
    EXPECT_EQ(VirtualKeyFromQtKey('+', true), 107);
    EXPECT_EQ(VirtualKeyFromQtKey('-', false), 189);
    EXPECT_EQ(VirtualKeyFromQtKey(' ', false), VK_SPACE);
    EXPECT_EQ(VirtualKeyFromQtKey(kQtLeft, false), 37);
    EXPECT_EQ(VirtualKeyFromQtKey(kQtEscape, false), VK_ESCAPE);
    EXPECT_EQ(VirtualKeyFromQtKey(kQtEnter, true), 13);
    EXPECT_EQ(VirtualKeyFromQtKey(kQtAlt, false), VK_MENU);
    EXPECT_EQ(VirtualKeyFromQtKey(kQtF1, false), 112);
    EXPECT_EQ(VirtualKeyFromQtKey(kQtF1 + 23, false), 135) << "F24";
    EXPECT_EQ(VirtualKeyFromQtKey(kQtF1 + 24, false), 0) << "F25 has no virtual key";
    EXPECT_EQ(VirtualKeyFromQtKey(kQtVolumeUp, false), 0);
    EXPECT_EQ(VirtualKeyFromQtKey('a', false), 0) << "Qt reports letters in upper case";
}

TEST(Win32KeyTranslation, ShiftedCharactersBecomeTheKeyThatMakesThem) {
    EXPECT_EQ(VirtualKeyFromQtKey('!', false), '1') << "Shift+1";
    EXPECT_EQ(VirtualKeyFromQtKey(')', false), '0') << "Shift+0";
    EXPECT_EQ(VirtualKeyFromQtKey('*', false), '8') << "Shift+8";
    EXPECT_EQ(VirtualKeyFromQtKey('*', true), 106) << "Num_*";
    EXPECT_EQ(VirtualKeyFromQtKey('_', false), VirtualKeyFromQtKey('-', false));
    EXPECT_EQ(VirtualKeyFromQtKey('+', false), VirtualKeyFromQtKey('=', false));
    EXPECT_EQ(VirtualKeyFromQtKey('?', false), VirtualKeyFromQtKey('/', false));
    EXPECT_EQ(VirtualKeyFromQtKey('{', false), 219);
    EXPECT_EQ(VirtualKeyFromQtKey('|', false), 220);
    EXPECT_EQ(VirtualKeyFromQtKey('"', false), 222);
    EXPECT_EQ(VirtualKeyFromQtKey('~', false), 192);
    // Every printable character of the standard keyboard has a key.
    for (int c = '!'; c <= '~'; ++c) {
        if (c >= 'a' && c <= 'z') continue;
        EXPECT_NE(VirtualKeyFromQtKey(c, false), 0) << static_cast<char>(c);
    }
}

std::vector<std::pair<WPARAM, LPARAM>> seen;
HHOOK swallowing = nullptr;

LRESULT SwallowI(int code, WPARAM key, LPARAM data) {
    seen.emplace_back(key, data);
    if (key == 'I') return 1;
    return CallNextHookEx(swallowing, code, key, data);
}

TEST(Win32KeyTranslation, EventsRunTheHookChainWithWindowsKeyData) {
    seen.clear();
    swallowing = SetWindowsHookEx(WH_KEYBOARD, &SwallowI, nullptr, GetCurrentThreadId());
    ASSERT_NE(swallowing, nullptr);
    EXPECT_TRUE(DispatchQtKeyEvent('I', false, true, false, false));
    EXPECT_FALSE(DispatchQtKeyEvent('K', false, true, true, true));
    EXPECT_FALSE(DispatchQtKeyEvent('K', false, false, false, false));
    EXPECT_FALSE(DispatchQtKeyEvent(kQtVolumeUp, false, true, false, false)) << "not passed to the hooks";
    UnhookWindowsHookEx(swallowing);

    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].second, MakeKeyData(true, false));
    EXPECT_EQ(seen[1].second, MakeKeyData(true, true, 1, true)) << "auto-repeat with Alt";
    EXPECT_NE(seen[2].second & kKeyDataUp, 0);
}

} // namespace
