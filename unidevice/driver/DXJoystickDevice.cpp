#include "unidevice/driver/DXJoystickDevice.h"

#include "platform/dinput/DirectInput.h"
#include "platform/dinput/Flags.h"
#include "platform/dinput/Guid.h"
#include "unidevice/ControlKind.h"
#include "unidevice/DeviceRegistry.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace vex::unidevice::driver {

using namespace platform::dinput;

IDirectInput8A* DXJoystickDevice::directInput_ = nullptr;
int DXJoystickDevice::liveCount_ = 0;

namespace {

constexpr double kThreshold = 0.1;
constexpr double kRawToValue = 0.001;                    // raw range -1000..1000 to -1..1
constexpr double kPovToRadians = 0.00017453292519943296; // hundredths of a degree to radians
constexpr LONG kRangeMin = -1000;
constexpr LONG kRangeMax = 1000;

const GUID* const kAxisGuids[] = {&GUID_XAxis,  &GUID_YAxis,  &GUID_ZAxis,
                                  &GUID_RxAxis, &GUID_RyAxis, &GUID_RzAxis};

constexpr LONG DIJOYSTATE2::*kAxisFields[] = {&DIJOYSTATE2::lX,  &DIJOYSTATE2::lY,  &DIJOYSTATE2::lZ,
                                              &DIJOYSTATE2::lRx, &DIJOYSTATE2::lRy, &DIJOYSTATE2::lRz};

// The axis identity (0 X .. 5 Rz) of an object type, or -1 for other types.
int AxisIndex(const GUID& type) {
    for (int i = 0; i < 6; ++i) {
        if (type == *kAxisGuids[i]) return i;
    }
    return -1;
}

// The text of a fixed-size name field, which need not be terminated when full.
template <std::size_t N>
std::string FixedString(const char (&text)[N]) {
    return std::string(text, std::find(text, text + N, '\0'));
}

// A control as found, before the lists are sorted and the controls built in their final place.
struct Pending {
    std::string description;
    int index = 0;
    DWORD offset = 0;
    bool actuator = false;
};

void SortByDescription(std::vector<Pending>& list) {
    // Stable, so that objects of equal name keep the device's order.
    std::stable_sort(list.begin(), list.end(),
                     [](const Pending& a, const Pending& b) { return a.description < b.description; });
}

// One half of a POV hat at angle `pov` (hundredths of a degree): the sine for the X half, the
// cosine for the Y half, as -1, 0 or 1; 0 when the hat is centred.
double HatHalf(DWORD pov, bool yHalf) {
    if ((pov & 0xFFFF) == 0xFFFF) return 0.0;
    const double angle = pov * kPovToRadians;
    const double s = yHalf ? std::cos(angle) : std::sin(angle);
    return s > 0.1 ? 1.0 : s < -0.1 ? -1.0 : 0.0;
}

} // namespace

struct DXJoystickDevice::Found {
    IDirectInputDevice8A* device;
    std::vector<Pending> axes, hats, buttons, sliders;
};

DXJoystickDevice::DXJoystickDevice(const DIDEVICEINSTANCEA& instance, HWND window)
    : Device(FixedString(instance.tszProductName)) {
    setDriver(DeviceRegistry::Instance().findDriver("dummydriver"));
    ++liveCount_;
    if (directInput_ == nullptr ||
        FAILED(directInput_->CreateDevice(instance.guidInstance, &device_, nullptr))) {
        device_ = nullptr;
        return;
    }
    device_->SetDataFormat(&c_dfDIJoystick2);
    device_->SetCooperativeLevel(window, DISCL_EXCLUSIVE | DISCL_BACKGROUND);
    Found found{device_, {}, {}, {}, {}};
    device_->EnumObjects(&DXJoystickDevice::OnObject, &found, DIDFT_ALL);
    device_->Acquire();
    Build(found);
}

DXJoystickDevice::~DXJoystickDevice() {
    if (device_ != nullptr) {
        device_->Unacquire();
        device_->Release();
        device_ = nullptr;
    }
    if (--liveCount_ == 0 && directInput_ != nullptr) {
        directInput_->Release();
        directInput_ = nullptr;
    }
}

BOOL DXJoystickDevice::OnObject(LPCDIDEVICEOBJECTINSTANCEA object, void* context) {
    Found& found = *static_cast<Found*>(context);
    const GUID& type = object->guidType;
    const int axis = AxisIndex(type);
    const std::string name = FixedString(object->tszName);
    if (axis >= 0 || type == GUID_Slider) {
        DIPROPRANGE range{};
        range.diph.dwSize = sizeof(DIPROPRANGE);
        range.diph.dwHeaderSize = sizeof(DIPROPHEADER);
        range.diph.dwHow = DIPH_BYID;
        range.diph.dwObj = object->dwType;
        range.lMin = kRangeMin;
        range.lMax = kRangeMax;
        if (FAILED(found.device->SetProperty(DIPROP_RANGE, &range.diph))) return DIENUM_STOP;
    }
    if (axis >= 0) {
        found.axes.push_back({name, axis, object->dwOfs, (object->dwFlags & DIDOI_FFACTUATOR) != 0});
    } else if (type == GUID_Slider) {
        found.sliders.push_back({name, static_cast<int>(found.sliders.size()), object->dwOfs, false});
    } else if (type == GUID_POV) {
        const int hat = static_cast<int>(found.hats.size()) / 2;
        found.hats.push_back({name + " (X axis)", 2 * hat, object->dwOfs, false});
        found.hats.push_back({name + " (Y axis)", 2 * hat + 1, object->dwOfs, false});
    } else if (type == GUID_Button) {
        found.buttons.push_back({name, static_cast<int>(found.buttons.size()), object->dwOfs, false});
    }
    return DIENUM_CONTINUE;
}

void DXJoystickDevice::Build(Found& found) {
    SortByDescription(found.axes);
    SortByDescription(found.sliders);
    SortByDescription(found.hats);
    const auto describe = [](Control& control, const char* type, const Pending& pending) {
        control.SetType(type);
        control.SetIndex(pending.index);
        control.SetDescription(pending.description);
    };
    for (const Pending& pending : found.axes)
        describe(axes_.emplace_back(this, device_, pending.offset, pending.actuator), "Axis", pending);
    for (const Pending& pending : found.sliders)
        describe(sliders_.emplace_back(this, kFiniteControl, kThreshold), "Slider", pending);
    for (const Pending& pending : found.hats)
        describe(hats_.emplace_back(this, kTrinaryControl, kThreshold), "Hat", pending);
    for (const Pending& pending : found.buttons)
        describe(buttons_.emplace_back(this, kBinaryControl, kThreshold), "Button", pending);
}

int DXJoystickDevice::getControlCount() const {
    return static_cast<int>(axes_.size() + sliders_.size() + hats_.size() + buttons_.size());
}

Control* DXJoystickDevice::getControl(int index) {
    if (index < 0) return nullptr;
    auto i = static_cast<std::size_t>(index);
    if (i < axes_.size()) return &axes_[i];
    i -= axes_.size();
    if (i < sliders_.size()) return &sliders_[i];
    i -= sliders_.size();
    if (i < hats_.size()) return &hats_[i];
    i -= hats_.size();
    if (i < buttons_.size()) return &buttons_[i];
    return nullptr;
}

bool DXJoystickDevice::ReadState(DIJOYSTATE2& state) {
    device_->Poll();
    return SUCCEEDED(device_->GetDeviceState(sizeof(state), &state));
}

bool DXJoystickDevice::update(HWND window) {
    (void)window;
    if (device_ == nullptr) return false;
    DIJOYSTATE2 state;
    // A controller that was pulled out is acquired again, as DirectInput wants it: that succeeds
    // once it is plugged back in, and its controls (and the bindings to them) work again.
    if (!ReadState(state) && (FAILED(device_->Acquire()) || !ReadState(state))) return false;

    // Axes read by their identity, sliders and hats by their place after sorting.
    for (DXAxisControl& axis : axes_) axis.setValue(state.*kAxisFields[axis.GetIndex()] * kRawToValue);
    for (std::size_t i = 0; i < sliders_.size() && i < std::size(state.rglSlider); ++i)
        sliders_[i].setValue(state.rglSlider[i] * kRawToValue);
    for (std::size_t j = 0; j < hats_.size() && j / 2 < std::size(state.rgdwPOV); ++j)
        hats_[j].setValue(HatHalf(state.rgdwPOV[j / 2], j % 2 == 1));
    for (std::size_t i = 0; i < buttons_.size() && i < std::size(state.rgbButtons); ++i)
        buttons_[i].setValue(state.rgbButtons[i] != 0 ? 1.0 : 0.0);
    return true;
}

bool DXJoystickDevice::resync(HWND window) {
    if (!start(window)) return false;
    bool result = false;
    for (int i = 0; i < 1001; ++i) result = update(window);
    return result;
}

Control* DXJoystickDevice::detectChange(std::span<Control* const> exclude, HWND window) {
    return Device::detectChange(exclude, window);
}

void DXJoystickDevice::clearValues() {
    Device::clearValues();
}

} // namespace vex::unidevice::driver
