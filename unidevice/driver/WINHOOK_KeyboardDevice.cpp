#include "unidevice/driver/WINHOOK_KeyboardDevice.h"

#include "unidevice/ControlKind.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Driver.h"

#include <string>

namespace vex::unidevice {

namespace win32 = platform::win32;

namespace {

// Change threshold of a key: a key moves by 1, so any press or release is a change.
constexpr double kKeyThreshold = 0.5;

struct KeyName {
    int code;
    const char* name;
};

// The named keys in the order they are offered to the user.
constexpr KeyName kNamedKeys[] = {
    {37, "Left_Arrow"},
    {38, "Up_Arrow"},
    {39, "Right_Arrow"},
    {40, "Down_Arrow"},
    {8, "Backspace"},
    {9, "Tab"},
    {12, "Clear"},
    {13, "RETUR"},
    {16, "Shift"},
    {17, "CTRL"},
    {18, "ALT"},
    {19, "PAUSE"},
    {20, "Caps_lock"},
    {27, "Escape"},
    {32, "Space"},
    {33, "Page_UP"},
    {34, "Page_DOWN"},
    {35, "End"},
    {36, "Home"},
    {45, "Insert"},
    {46, "Delete"},
    {48, "0"},
    {49, "1"},
    {50, "2"},
    {51, "3"},
    {52, "4"},
    {53, "5"},
    {54, "6"},
    {55, "7"},
    {56, "8"},
    {57, "9"},
    {65, "A"},
    {66, "B"},
    {67, "C"},
    {68, "D"},
    {69, "E"},
    {70, "F"},
    {71, "G"},
    {72, "H"},
    {73, "I"},
    {74, "J"},
    {75, "K"},
    {76, "L"},
    {77, "M"},
    {78, "N"},
    {79, "O"},
    {80, "P"},
    {81, "Q"},
    {82, "R"},
    {83, "S"},
    {84, "T"},
    {85, "U"},
    {86, "V"},
    {87, "W"},
    {88, "X"},
    {89, "Y"},
    {90, "Z"},
    {187, "+"},
    {189, "-"},
    {190, "."},
    {188, ","},
    {91, "Left_Windows_key"},
    {92, "Right_Windows_key"},
    {96, "Num_0"},
    {97, "Num_1"},
    {98, "Num_2"},
    {99, "Num_3"},
    {100, "Num_4"},
    {101, "Num_5"},
    {102, "Num_6"},
    {103, "Num_7"},
    {104, "Num_8"},
    {105, "Num_9"},
    {106, "Num_*"},
    {107, "Num_+"},
    {109, "Num_-"},
    {110, "Num_,"},
    {111, "Num_/"},
    {112, "F1"},
    {113, "F2"},
    {114, "F3"},
    {115, "F4"},
    {116, "F5"},
    {117, "F6"},
    {118, "F7"},
    {119, "F8"},
    {120, "F9"},
    {121, "F10"},
    {122, "F11"},
    {123, "F12"},
    {124, "F13"},
    {125, "F14"},
    {126, "F15"},
    {127, "F16"},
    {128, "F17"},
    {129, "F18"},
    {130, "F19"},
    {131, "F20"},
    {132, "F21"},
    {133, "F22"},
    {134, "F23"},
    {135, "F24"},
    {164, "Left_MENU"},
    {165, "Right_MENU"},
};

// The keyboard whose hook is installed; the hook procedure has no other way to reach it.
WINHOOK_KeyboardDevice* hookedKeyboard = nullptr;

} // namespace

WINHOOK_KeyboardDevice::WINHOOK_KeyboardDevice(win32::HINSTANCE module)
    : Device("Keyboard"), module_(module) {
    // A key without a name is named after its code, so that its type tells it apart from every other
    // key in a stored binding, as a named key's does, and stays the same from one run to the next.
    keys_.reserve(kKeyCount);
    for (int code = 0; code < kKeyCount; ++code) {
        Control& key = keys_.emplace_back(this, kBinaryControl, kKeyThreshold);
        const std::string name = "Key_" + std::to_string(code);
        key.SetType(name);
        key.SetDescription(name);
    }
    std::vector<bool> named(kKeyCount, false);
    order_.reserve(kKeyCount);
    for (const KeyName& key : kNamedKeys) {
        const auto code = static_cast<std::size_t>(key.code);
        keys_[code].SetType(key.name);
        keys_[code].SetDescription(key.name);
        named[code] = true;
        order_.push_back(&keys_[code]);
    }
    for (std::size_t code = 0; code < keys_.size(); ++code)
        if (!named[code]) order_.push_back(&keys_[code]);

    if (DeviceRegistry* registry = GetRegistry()) setDriver(registry->findDriver("dummydriver"));
}

WINHOOK_KeyboardDevice::~WINHOOK_KeyboardDevice() {
    Unhook();
}

Control* WINHOOK_KeyboardDevice::getControl(int index) {
    return index >= 0 && index < getControlCount() ? order_[static_cast<std::size_t>(index)] : nullptr;
}

Control* WINHOOK_KeyboardDevice::GetKey(int code) {
    return code >= 0 && code < kKeyCount ? &keys_[static_cast<std::size_t>(code)] : nullptr;
}

bool WINHOOK_KeyboardDevice::update(HWND window) {
    (void)window;
    return true;
}

bool WINHOOK_KeyboardDevice::resync(HWND window) {
    (void)window;
    clearValues();
    start(nullptr);
    return true;
}

Control* WINHOOK_KeyboardDevice::detectChange(std::span<Control* const> exclude, HWND window) {
    return Device::detectChange(exclude, window);
}

void WINHOOK_KeyboardDevice::clearValues() {
    Device::clearValues();
}

bool WINHOOK_KeyboardDevice::start(HWND window) {
    (void)window;
    clearValues();
    // Starting again (detection resyncs, then recording starts) must not stack a second hook: each
    // would set the key once more and hide the change from detection.
    Unhook();
    hook_ = win32::SetWindowsHookEx(win32::WH_KEYBOARD, &HookProcedure, module_, win32::GetCurrentThreadId());
    if (hook_ == nullptr) return false;
    hookedKeyboard = this;
    return true;
}

bool WINHOOK_KeyboardDevice::stop(HWND window) {
    (void)window;
    Unhook();
    return true;
}

void WINHOOK_KeyboardDevice::Unhook() {
    if (hook_ == nullptr) return;
    win32::UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    if (hookedKeyboard == this) hookedKeyboard = nullptr;
}

win32::LRESULT WINHOOK_KeyboardDevice::HookProcedure(int code, win32::WPARAM wParam, win32::LPARAM lParam) {
    WINHOOK_KeyboardDevice* keyboard = hookedKeyboard;
    const win32::HHOOK hook = keyboard != nullptr ? keyboard->hook_ : nullptr;
    if (code >= 0 && keyboard != nullptr && (code == win32::HC_ACTION || code == win32::HC_NOREMOVE)) {
        if (Control* key = keyboard->GetKey(static_cast<int>(wParam))) {
            const bool up = (lParam & win32::kKeyDataUp) != 0;
            key->setValue(up ? 0.0 : 1.0);
        }
    }
    return win32::CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace vex::unidevice
