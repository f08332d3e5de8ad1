#include "platform/win32/Hooks.h"
#include "tests/unidevice/TestDevices.h"
#include "unidevice/DummyDriver.h"
#include "unidevice/driver/WINHOOK_KeyboardDevice.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vex::unidevice::test {
namespace {

namespace win32 = platform::win32;
using KeyboardDeviceTest = RegistryTest;

void Press(int key) {
    win32::DispatchKeyboardEvent(key, win32::MakeKeyData(true, false));
}
void Release(int key) {
    win32::DispatchKeyboardEvent(key, win32::MakeKeyData(false, false));
}

TEST_F(KeyboardDeviceTest, KeysAreOfferedNamedFirstThenUnnamedByCode) {
    auto* dummy = new DummyDriver;
    auto* keyboard = new WINHOOK_KeyboardDevice;
    EXPECT_EQ(keyboard->getName(), "Keyboard");
    EXPECT_EQ(keyboard->GetDriver(), dummy);
    ASSERT_EQ(keyboard->getControlCount(), 256);

    auto typeAt = [&](int i) { return keyboard->getControl(i)->GetType(); };
    EXPECT_EQ(typeAt(0), "Left_Arrow");
    EXPECT_EQ(typeAt(3), "Down_Arrow");
    EXPECT_EQ(typeAt(7), "RETUR");
    EXPECT_EQ(typeAt(21), "0");
    EXPECT_EQ(typeAt(30), "9");
    EXPECT_EQ(typeAt(31), "A");
    EXPECT_EQ(typeAt(56), "Z");
    EXPECT_EQ(typeAt(57), "+");
    EXPECT_EQ(typeAt(60), ",");
    EXPECT_EQ(typeAt(76), "Num_,");
    EXPECT_EQ(typeAt(101), "F24");
    EXPECT_EQ(typeAt(103), "Right_MENU");

    // The first unnamed code is 0, then codes rise; none repeats a named one.
    const Control* firstUnnamed = keyboard->getControl(104);
    EXPECT_EQ(firstUnnamed->GetType(), "Key_0");
    EXPECT_EQ(firstUnnamed->getDescription(), "Key_0");
    EXPECT_EQ(keyboard->getControl(105)->getDescription(), "Key_1");
    EXPECT_EQ(keyboard->getControl(255)->getDescription(), "Key_255");
    EXPECT_EQ(keyboard->getControl(256), nullptr);

    std::set<const Control*> distinct;
    for (int i = 0; i < 256; ++i) {
        const Control* key = keyboard->getControl(i);
        distinct.insert(key);
        EXPECT_EQ(key->GetKind(), kBinaryControl);
        EXPECT_EQ(key->GetThreshold(), 0.5);
        EXPECT_EQ(key->GetIndex(), 0);
        EXPECT_EQ(key->getDevice(), keyboard);
    }
    EXPECT_EQ(distinct.size(), 256u);
    EXPECT_EQ(keyboard->GetKey('I')->getDescription(), "I");
    EXPECT_EQ(keyboard->GetKey(0x6E)->getDescription(), "Num_,");
}

TEST_F(KeyboardDeviceTest, AStoredKeyBindingFindsThatKeyAgainNamedOrNot) {
    new DummyDriver;
    auto* keyboard = new WINHOOK_KeyboardDevice;
    util::xml::Element stored;
    keyboard->GetKey(112)->toXml(stored);
    EXPECT_EQ(stored.GetAttribute("type"), "F1");
    EXPECT_EQ(registry_.findControl(stored), keyboard->GetKey(112));

    for (int code = 0; code < WINHOOK_KeyboardDevice::kKeyCount; ++code) {
        util::xml::Element element;
        keyboard->GetKey(code)->toXml(element);
        EXPECT_EQ(registry_.findControl(element), keyboard->GetKey(code)) << code;
    }
}

TEST_F(KeyboardDeviceTest, TheHookSetsKeysOnlyWhileStartedAndPassesEveryKeyOn) {
    new DummyDriver;
    auto* keyboard = new WINHOOK_KeyboardDevice;
    Control* i = keyboard->GetKey('I');

    // A hook installed before the device's sees every key after it.
    static int laterHookCalls = 0;
    laterHookCalls = 0;
    const win32::HHOOK later = win32::SetWindowsHookEx(
        win32::WH_KEYBOARD,
        [](int code, win32::WPARAM w, win32::LPARAM l) -> win32::LRESULT {
            ++laterHookCalls;
            return win32::CallNextHookEx(nullptr, code, w, l);
        },
        nullptr, win32::GetCurrentThreadId());

    Press('I');
    EXPECT_EQ(i->getValue(), 0.0) << "not started: no hook";

    ASSERT_TRUE(registry_.startAll());
    EXPECT_TRUE(keyboard->IsHooked());
    Press('I');
    EXPECT_EQ(i->getValue(), 1.0);
    EXPECT_FALSE(win32::DispatchKeyboardEvent('I', win32::MakeKeyData(true, false, 1, true)))
        << "the key reaches the host";
    Release('I');
    EXPECT_EQ(i->getValue(), 0.0);
    EXPECT_EQ(laterHookCalls, 4);

    // A press and release between two polls: the value is lost, the change is not.
    registry_.updateAll();
    Press('I');
    Release('I');
    registry_.updateAll();
    EXPECT_EQ(i->GetCurrent(), 0.0);
    EXPECT_EQ(i->GetPrevious(), 1.0);
    EXPECT_EQ(registry_.detectChange(), i);

    // Starting again clears the keys and keeps one hook: a press is seen once, as a change.
    Press('K');
    ASSERT_TRUE(keyboard->start(nullptr));
    EXPECT_EQ(keyboard->GetKey('K')->GetCurrent(), 0.0);
    ASSERT_EQ(keyboard->resync(nullptr), true);
    Press('J');
    EXPECT_EQ(registry_.detectChange(), keyboard->GetKey('J'));

    ASSERT_TRUE(registry_.stopAll());
    EXPECT_FALSE(keyboard->IsHooked());
    Release('J');
    EXPECT_EQ(keyboard->GetKey('J')->getValue(), 1.0) << "stopped: the release is not seen";
    win32::UnhookWindowsHookEx(later);
}

TEST_F(KeyboardDeviceTest, OnlyKeyActionCodesChangeAKey) {
    new DummyDriver;
    auto* keyboard = new WINHOOK_KeyboardDevice;
    Control* a = keyboard->GetKey('A');
    ASSERT_TRUE(keyboard->start(nullptr));
    const win32::LPARAM down = win32::MakeKeyData(true, false);

    WINHOOK_KeyboardDevice::HookProcedure(-1, 'A', down);
    WINHOOK_KeyboardDevice::HookProcedure(1, 'A', down);
    EXPECT_EQ(a->getValue(), 0.0);
    WINHOOK_KeyboardDevice::HookProcedure(win32::HC_NOREMOVE, 'A', down);
    EXPECT_EQ(a->getValue(), 1.0);
    WINHOOK_KeyboardDevice::HookProcedure(win32::HC_ACTION, 'A', win32::MakeKeyData(false, false));
    EXPECT_EQ(a->getValue(), 0.0);
    WINHOOK_KeyboardDevice::HookProcedure(win32::HC_ACTION, 300, down); // no such key: ignored

    // A destroyed keyboard leaves no hook behind.
    keyboard->destroy();
    EXPECT_FALSE(win32::DispatchKeyboardEvent('A', down));
    WINHOOK_KeyboardDevice::HookProcedure(win32::HC_ACTION, 'A', down);
}

} // namespace
} // namespace vex::unidevice::test
