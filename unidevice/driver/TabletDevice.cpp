#include "unidevice/driver/TabletDevice.h"

#include "unidevice/ControlKind.h"
#include "unidevice/DeviceRegistry.h"
#include "unidevice/Driver.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string>

namespace vex::unidevice::driver {

namespace win32 = platform::win32;
namespace wt = platform::wintab;
using win32::HWND;
using win32::UINT;

namespace {

constexpr double kTabletThreshold = 0.0;
constexpr double kPressureUnit = 1000.0;
constexpr int kMaxButtons = 32;
constexpr const char* kWindowClass = "UniDeviceTabletClass";

// The tablet whose window is open; its window procedure has no other way to reach it.
TabletDevice* openTablet = nullptr;

win32::LRESULT TabletProcedure(HWND window, win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam) {
    if (openTablet != nullptr && openTablet->GetWindow() == window)
        return openTablet->HandleMessage(message, wParam, lParam);
    return win32::DefWindowProcA(window, message, wParam, lParam);
}

double Extent(const wt::AXIS& axis) {
    return static_cast<double>(axis.axMax) - static_cast<double>(axis.axMin);
}

// Reads the tablet's scales. Azimuth is turned into radians; the altitude into a lean from 0
// (upright) to 1 (flat), so the tilt pair stays within -1..1 like every finite control.
TabletDevice::Scales ReadScales(const wt::WintabFunctions& wintab) {
    TabletDevice::Scales scales;
    wt::AXIS x{}, y{};
    wintab.WTInfoA(wt::WTI_DEVICES, wt::DVC_X, &x);
    wintab.WTInfoA(wt::WTI_DEVICES, wt::DVC_Y, &y);
    scales.xExtent = Extent(x);
    scales.yExtent = Extent(y);
    wt::AXIS orientation[3] = {};
    if (wintab.WTInfoA(wt::WTI_DEVICES, wt::DVC_ORIENTATION, orientation) != 0 && orientation[0].axMax > 0 &&
        orientation[1].axMax > 0) {
        scales.orientation = true;
        scales.azimuthScale = static_cast<double>(orientation[0].axMax) / (2.0 * std::numbers::pi);
        scales.altitudeScale = static_cast<double>(orientation[1].axMax);
        scales.altitudeReference = 1.0;
    }
    return scales;
}

} // namespace

TabletDevice* TabletDevice::Create(const wt::WintabFunctions& wintab, win32::HINSTANCE module) {
    if (!wintab.Complete()) return nullptr;
    char name[256] = {};
    const UINT nameSize = wintab.WTInfoA(wt::WTI_DEVICES, wt::DVC_NAME, nullptr);
    if (nameSize == 0 || nameSize > sizeof name) return nullptr;
    wintab.WTInfoA(wt::WTI_DEVICES, wt::DVC_NAME, name);
    name[sizeof name - 1] = '\0';
    if (std::strncmp(name, "WACOM", 5) != 0) return nullptr;

    static const bool registered = [module] {
        win32::WNDCLASSA windowClass;
        windowClass.lpfnWndProc = &TabletProcedure;
        windowClass.hInstance = module;
        windowClass.lpszClassName = kWindowClass;
        return win32::RegisterClassA(&windowClass) != 0;
    }();
    (void)registered; // a failed registration shows as a failed creation below
    const HWND window = win32::CreateWindowExA(0, kWindowClass, "UniDevice Tablet", 0, 0, 0, 0, 0, nullptr,
                                               nullptr, module, nullptr);
    if (window == nullptr) return nullptr;

    wt::LOGCONTEXTA context{};
    wintab.WTInfoA(wt::WTI_DEFCONTEXT, 0, &context);
    std::strncpy(context.lcName, "UniDevice Tablet", sizeof context.lcName - 1);
    context.lcOptions |= wt::CXO_MESSAGES;
    context.lcPktData = wt::PK_X | wt::PK_Y | wt::PK_BUTTONS | wt::PK_NORMAL_PRESSURE | wt::PK_ORIENTATION;
    context.lcPktMode = 0; // absolute values
    const wt::HCTX opened = wintab.WTOpenA(window, &context, win32::TRUE);
    if (opened == nullptr) {
        win32::DestroyWindow(window);
        return nullptr;
    }

    int buttons = 0;
    wintab.WTInfoA(wt::WTI_CURSORS, wt::CSR_BUTTONS, &buttons);
    auto* tablet = new TabletDevice(name, ReadScales(wintab), std::clamp(buttons, 0, kMaxButtons));
    tablet->wintab_ = wintab;
    tablet->window_ = window;
    tablet->context_ = opened;
    openTablet = tablet;
    return tablet;
}

TabletDevice::TabletDevice(const std::string& name, const Scales& scales, int buttons)
    : Device(name), scales_(scales) {
    cursorX_ = &AddControl(kFiniteControl, "Axis", 0, "Cursor X");
    cursorY_ = &AddControl(kFiniteControl, "Axis", 1, "Cursor Y");
    int axis = 2;
    if (scales_.orientation) {
        tiltX_ = &AddControl(kFiniteControl, "Axis", axis++, "Tilt X");
        tiltY_ = &AddControl(kFiniteControl, "Axis", axis++, "Tilt Y");
    }
    pressure_ = &AddControl(kFiniteControl, "Axis", axis, "Pen pressure");
    firstButton_ = controls_.size();
    for (int button = 0; button < std::clamp(buttons, 0, kMaxButtons); ++button)
        AddControl(kBinaryControl, "Button", button, "Button " + std::to_string(button));
    if (DeviceRegistry* registry = GetRegistry()) setDriver(registry->findDriver("dummydriver"));
}

TabletDevice::~TabletDevice() {
    if (openTablet == this) openTablet = nullptr;
    if (context_ != nullptr) wintab_.WTClose(context_);
    if (window_ != nullptr) win32::DestroyWindow(window_);
}

Control& TabletDevice::AddControl(std::uint32_t kind, const char* type, int index,
                                  const std::string& description) {
    Control& control = controls_.emplace_back(this, kind, kTabletThreshold);
    control.SetType(type);
    control.SetIndex(index);
    control.SetDescription(description);
    return control;
}

Control* TabletDevice::getControl(int index) {
    return index >= 0 && index < getControlCount() ? &controls_[static_cast<std::size_t>(index)] : nullptr;
}

bool TabletDevice::update(HWND window) {
    (void)window;
    return true;
}

bool TabletDevice::resync(HWND window) {
    (void)window;
    for (Control& control : controls_) control.setValue(control.GetCurrent());
    return true;
}

Control* TabletDevice::detectChange(std::span<Control* const> exclude, HWND window) {
    return Device::detectChange(exclude, window);
}

void TabletDevice::clearValues() {
    Device::clearValues();
}

void TabletDevice::HandlePacket(const wt::PACKET& packet) {
    // A coordinate of 0 is what a pen out of range reports: the cursor keeps its place.
    if (packet.pkX != 0 && scales_.xExtent > 0.0)
        cursorX_->setValue((static_cast<double>(packet.pkX) / scales_.xExtent - 0.5) * 2.0);
    if (packet.pkY != 0 && scales_.yExtent > 0.0)
        cursorY_->setValue((static_cast<double>(packet.pkY) / scales_.yExtent - 0.5) * 2.0);

    const double altitude = static_cast<double>(packet.pkOrientation.orAltitude);
    if (scales_.orientation) {
        const double azimuth = static_cast<double>(packet.pkOrientation.orAzimuth) / scales_.azimuthScale;
        const double lean = scales_.altitudeReference - std::fabs(altitude) / scales_.altitudeScale;
        tiltX_->setValue(std::sin(azimuth) * lean);
        tiltY_->setValue(std::cos(azimuth) * lean);
    }
    // The eraser end reports a negative altitude and so a negative pressure. A tablet without
    // orientation reports no altitude at all: its pen counts as the tip.
    const double sign = !scales_.orientation || altitude > 0.0 ? 1.0 : -1.0;
    pressure_->setValue(static_cast<double>(packet.pkNormalPressure) * sign / kPressureUnit);

    for (std::size_t i = firstButton_; i < controls_.size(); ++i) {
        const win32::DWORD bit = win32::DWORD{1} << (i - firstButton_);
        controls_[i].setValue((packet.pkButtons & bit) != 0 ? 1.0 : 0.0);
    }
}

win32::LRESULT TabletDevice::HandleMessage(win32::UINT message, win32::WPARAM wParam, win32::LPARAM lParam) {
    if (message == wt::WT_PACKET && reinterpret_cast<wt::HCTX>(lParam) == context_ && context_ != nullptr) {
        wt::PACKET packet{};
        if (wintab_.WTPacket(context_, static_cast<win32::UINT>(wParam), &packet)) HandlePacket(packet);
    }
    return win32::DefWindowProcA(window_, message, wParam, lParam);
}

} // namespace vex::unidevice::driver
