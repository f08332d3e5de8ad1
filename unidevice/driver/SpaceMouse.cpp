#include "unidevice/driver/SpaceMouse.h"

#include "platform/win32/Clock.h"
#include "platform/win32/DebugOutput.h"
#include "platform/win32/Errors.h"
#include "platform/win32/MessageBox.h"
#include "unidevice/ControlKind.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Driver.h"

#include <algorithm>
#include <string>
#include <utility>

namespace vex::unidevice::driver {

namespace win32 = platform::win32;
namespace si = platform::spaceware;
using win32::HWND;

namespace {

constexpr double kSpaceMouseThreshold = 0.1;
constexpr int kAxisCount = 6;
// Buttons are bits 1..63 of an event's button mask.
constexpr int kMaxButtons = 63;
// Motion events closer together than this carry too little to divide by.
constexpr long kMinimumPeriod = 10;
constexpr const char* kOwnWindowClass = "UniDeviceSpaceMouseClass";

constexpr const char* kAxisNames[kAxisCount] = {"X translation", "Y translation", "Z translation",
                                                "X rotation",    "Y rotation",    "Z rotation"};

// The mouse whose window is subclassed; the window procedure has no other way to reach it.
SpaceMouse* subclassingMouse = nullptr;

win32::LRESULT SubclassProcedure(HWND window, win32::UINT message, win32::WPARAM wParam,
                                 win32::LPARAM lParam) {
    if (subclassingMouse != nullptr && subclassingMouse->GetSubclassedWindow() == window)
        return subclassingMouse->HandleMessage(message, wParam, lParam);
    return win32::DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateOwnWindow(win32::HINSTANCE module) {
    static const bool registered = [module] {
        win32::WNDCLASSA windowClass;
        windowClass.lpfnWndProc = &win32::DefWindowProcA;
        windowClass.hInstance = module;
        windowClass.lpszClassName = kOwnWindowClass;
        return win32::RegisterClassA(&windowClass) != 0;
    }();
    (void)registered; // a failed registration shows as a failed creation below
    return win32::CreateWindowExA(0, kOwnWindowClass, "UniDevice SpaceMouse", 0, 0, 0, 0, 0, nullptr, nullptr,
                                  module, nullptr);
}

constexpr const char* kInitializationError = "Error initializing 3dxmouse device.";

void Report(const std::string& text) {
    win32::MessageBox(nullptr, text.c_str(), nullptr, win32::MB_OK);
}

// Whether this process has logged that it found no 3D-mouse driver.
bool absenceLogged = false;

} // namespace

SpaceMouse* SpaceMouse::Create(win32::HINSTANCE module) {
    const HWND own = CreateOwnWindow(module);
    if (own == nullptr) {
        Report("Could not create spacepilot window. reason: " +
               win32::GetErrorMessageText(win32::GetLastError()));
        return nullptr;
    }
    const si::SpwRetVal initialized = si::SiInitialize();
    if (initialized != si::SPW_NO_ERROR) {
        // A machine with no 3D-mouse driver at all (most machines) gets one line in the log, however
        // often the plug-in starts; a driver that is there but fails is worth a box.
        if (initialized != si::SI_NO_DRIVER) {
            Report(kInitializationError);
        } else if (!std::exchange(absenceLogged, true)) {
            win32::OutputDebugStringA(kInitializationError);
        }
        win32::DestroyWindow(own);
        return nullptr;
    }
    si::SiOpenData open;
    si::SiOpenWinInit(&open, own);
    const si::SiHdl handle = si::SiOpen("UniDevice", si::SI_ANY_DEVICE, si::SI_NO_MASK, si::SI_EVENT, &open);
    si::SiDevInfo info;
    si::SiDevName name;
    if (handle == nullptr || si::SiGetDeviceInfo(handle, &info) != si::SPW_NO_ERROR ||
        si::SiGetDeviceName(handle, &name) != si::SPW_NO_ERROR) {
        Report("Error extracting device information");
        if (handle != nullptr) si::SiClose(handle);
        si::SiTerminate();
        win32::DestroyWindow(own);
        return nullptr;
    }
    si::SiClose(handle);
    return new SpaceMouse(name.name, std::clamp(info.numButtons, 0, kMaxButtons), own);
}

void SpaceMouse::ForgetLoggedAbsence() {
    absenceLogged = false;
}

SpaceMouse::SpaceMouse(const std::string& name, int buttons, HWND ownWindow)
    : Device(name), ownWindow_(ownWindow) {
    for (int axis = 0; axis < kAxisCount; ++axis) {
        Control& control = controls_.emplace_back(this, kFiniteControl, kSpaceMouseThreshold);
        control.SetType("Axis");
        control.SetIndex(axis);
        control.SetDescription(kAxisNames[axis]);
    }
    for (int button = 0; button < buttons; ++button) {
        Control& control = controls_.emplace_back(this, kBinaryControl, kSpaceMouseThreshold);
        control.SetType("Button");
        control.SetIndex(button);
        // Named as SpaceWare numbers them: its first button is button 1 (bit 1 of the mask).
        control.SetDescription("Button " + std::to_string(button + 1));
    }
    if (DeviceRegistry* registry = GetRegistry()) setDriver(registry->findDriver("windriver"));
}

SpaceMouse::~SpaceMouse() {
    stop(nullptr);
    win32::DestroyWindow(ownWindow_);
    si::SiTerminate();
}

Control* SpaceMouse::getControl(int index) {
    return index >= 0 && index < getControlCount() ? &controls_[static_cast<std::size_t>(index)] : nullptr;
}

bool SpaceMouse::update(HWND window) {
    (void)window;
    si::SiDispatchEvents();
    return true;
}

bool SpaceMouse::resync(HWND window) {
    start(window);
    win32::SetActiveWindow(subclassed_);
    win32::SetFocus(subclassed_);
    for (Control& control : controls_) control.setValue(control.GetCurrent());
    return true;
}

Control* SpaceMouse::detectChange(std::span<Control* const> exclude, HWND window) {
    return Device::detectChange(exclude, window);
}

void SpaceMouse::clearValues() {
    Device::clearValues();
}

bool SpaceMouse::start(HWND window) {
    stop(window);
    const HWND target = window != nullptr ? window : ownWindow_;
    si::SiOpenData open;
    si::SiOpenWinInit(&open, target);
    handle_ = si::SiOpen("UniDevice", si::SI_ANY_DEVICE, si::SI_NO_MASK, si::SI_EVENT, &open);
    if (handle_ == nullptr) return false;
    // The mode applies to an open handle, so it is set right after opening.
    si::SiSetUiMode(handle_, si::SI_UI_ALL_CONTROLS);

    formerProcedure_ = win32::SetWindowLongPtrA(target, win32::GWLP_WNDPROC,
                                                reinterpret_cast<win32::LONG_PTR>(&SubclassProcedure));
    if (formerProcedure_ == 0) {
        si::SiClose(handle_);
        handle_ = nullptr;
        return false;
    }
    subclassed_ = target;
    subclassingMouse = this;
    return true;
}

bool SpaceMouse::stop(HWND window) {
    (void)window;
    if (handle_ != nullptr) {
        si::SiClose(handle_);
        handle_ = nullptr;
    }
    if (subclassed_ != nullptr) {
        win32::SetWindowLongPtrA(subclassed_, win32::GWLP_WNDPROC, formerProcedure_);
        subclassed_ = nullptr;
        formerProcedure_ = 0;
    }
    if (subclassingMouse == this) subclassingMouse = nullptr;
    return true;
}

win32::LRESULT SpaceMouse::HandleMessage(win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam) {
    si::SiGetEventData data;
    si::SiGetEventWinInit(&data, message, wParam, lParam);
    si::SiSpwEvent event;
    if (handle_ != nullptr && si::SiGetEvent(handle_, 0, &data, &event) == si::SI_IS_EVENT) {
        const si::SiSpwData& spw = event.u.spwData;
        if (event.type == si::SI_BUTTON_EVENT) {
            for (std::size_t i = kAxisCount; i < controls_.size(); ++i) {
                const unsigned long bit = 1ul << (i - kAxisCount + 1);
                controls_[i].setValue((spw.bData.current & bit) != 0 ? 1.0 : 0.0);
            }
        } else if (event.type == si::SI_MOTION_EVENT && spw.period >= kMinimumPeriod) {
            const double period = static_cast<double>(spw.period);
            for (int axis = 0; axis < kAxisCount; ++axis)
                controls_[static_cast<std::size_t>(axis)].setValue(
                    std::clamp(static_cast<double>(spw.mData[axis]) / period, -1.0, 1.0));
            lastMotionTick_ = win32::GetTickCount();
        } else if (event.type == si::SI_ZERO_EVENT) {
            for (int axis = 0; axis < kAxisCount; ++axis)
                controls_[static_cast<std::size_t>(axis)].setValue(0.0);
        }
    }
    return win32::CallWindowProcA(reinterpret_cast<win32::WNDPROC>(formerProcedure_), subclassed_, message,
                                  wParam, lParam);
}

} // namespace vex::unidevice::driver
