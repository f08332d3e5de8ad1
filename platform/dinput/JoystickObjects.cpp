#include "platform/dinput/JoystickObjects.h"

#include "platform/dinput/Flags.h"

#include <SDL2/SDL_joystick.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <string>

namespace vex::platform::dinput {

namespace {

constexpr int kAxes = 6;
constexpr int kSliders = 2;
constexpr int kHats = 4;
constexpr int kButtons = 128;

struct AxisKind {
    const GUID* guid;
    const char* name;
};

// DirectInput's names of the six axes.
const AxisKind kAxisKinds[kAxes] = {
    {&GUID_XAxis, "X Axis"},      {&GUID_YAxis, "Y Axis"},      {&GUID_ZAxis, "Z Axis"},
    {&GUID_RxAxis, "X Rotation"}, {&GUID_RyAxis, "Y Rotation"}, {&GUID_RzAxis, "Z Rotation"},
};

constexpr LONG DIJOYSTATE2::*kAxisFields[kAxes] = {&DIJOYSTATE2::lX,  &DIJOYSTATE2::lY,  &DIJOYSTATE2::lZ,
                                                   &DIJOYSTATE2::lRx, &DIJOYSTATE2::lRy, &DIJOYSTATE2::lRz};

// "Slider", "Slider 2", ...: the first of a kind plain, the others numbered, so that several of a kind
// are told apart and sort in their order.
std::string Numbered(const char* name, int n) {
    return n == 0 ? std::string(name) : std::string(name) + " " + std::to_string(n + 1);
}

JoystickObject& Add(std::vector<JoystickObject>& objects, const GUID& guid, DWORD offset, DWORD type,
                    int source, const std::string& name) {
    JoystickObject& object = objects.emplace_back();
    std::memset(&object.instance, 0, sizeof(object.instance));
    object.instance.dwSize = sizeof(DIDEVICEOBJECTINSTANCEA);
    object.instance.guidType = guid;
    object.instance.dwOfs = offset;
    object.instance.dwType = type;
    object.source = source;
    std::snprintf(object.instance.tszName, sizeof(object.instance.tszName), "%s", name.c_str());
    return object;
}

} // namespace

std::vector<JoystickObject> DescribeObjects(const JoystickLayout& layout) {
    std::vector<JoystickObject> objects;
    const int axes = std::clamp(layout.axes, 0, kAxes + kSliders);
    for (int i = 0; i < axes; ++i) {
        const bool slider = i >= kAxes;
        const bool actuator = i < layout.hapticAxes;
        const DWORD instance = DIDFT_MAKEINSTANCE(static_cast<DWORD>(i));
        const DWORD offset = static_cast<DWORD>(
            slider ? offsetof(DIJOYSTATE2, rglSlider) + (i - kAxes) * sizeof(LONG) : i * sizeof(LONG));
        JoystickObject& object =
            Add(objects, slider ? GUID_Slider : *kAxisKinds[i].guid, offset,
                DIDFT_ABSAXIS | instance | (actuator ? DIDFT_FFACTUATOR : 0), i,
                slider ? Numbered("Slider", i - kAxes) : std::string(kAxisKinds[i].name));
        object.instance.dwFlags = DIDOI_ASPECTPOSITION | (actuator ? DIDOI_FFACTUATOR : 0);
        object.instance.wUsagePage = 1;
    }
    for (int i = 0, hats = std::clamp(layout.hats, 0, kHats); i < hats; ++i) {
        Add(objects, GUID_POV, static_cast<DWORD>(offsetof(DIJOYSTATE2, rgdwPOV) + i * sizeof(DWORD)),
            DIDFT_POV | DIDFT_MAKEINSTANCE(static_cast<DWORD>(i)), i, Numbered("Hat Switch", i));
    }
    for (int i = 0, buttons = std::clamp(layout.buttons, 0, kButtons); i < buttons; ++i) {
        Add(objects, GUID_Button, static_cast<DWORD>(offsetof(DIJOYSTATE2, rgbButtons) + i),
            DIDFT_PSHBUTTON | DIDFT_MAKEINSTANCE(static_cast<DWORD>(i)), i, "Button " + std::to_string(i));
    }
    return objects;
}

LONG ScaleAxis(int value, LONG lMin, LONG lMax) {
    const double middle = (static_cast<double>(lMin) + lMax) / 2.0;
    const double half = (static_cast<double>(lMax) - lMin) / 2.0;
    const double fraction = value < 0 ? std::max(value, -32768) / 32768.0 : std::min(value, 32767) / 32767.0;
    return static_cast<LONG>(std::lround(middle + fraction * half));
}

DWORD ToPov(std::uint8_t hat) {
    switch (hat) {
    case SDL_HAT_UP:
        return 0;
    case SDL_HAT_RIGHTUP:
        return 4500;
    case SDL_HAT_RIGHT:
        return 9000;
    case SDL_HAT_RIGHTDOWN:
        return 13500;
    case SDL_HAT_DOWN:
        return 18000;
    case SDL_HAT_LEFTDOWN:
        return 22500;
    case SDL_HAT_LEFT:
        return 27000;
    case SDL_HAT_LEFTUP:
        return 31500;
    default:
        return 0xFFFFFFFF; // centred, or opposite directions at once
    }
}

void FillState(const std::vector<JoystickObject>& objects, const JoystickReading& reading,
               DIJOYSTATE2& state) {
    std::memset(&state, 0, sizeof(state));
    std::fill(std::begin(state.rgdwPOV), std::end(state.rgdwPOV), 0xFFFFFFFF);
    for (const JoystickObject& object : objects) {
        const auto source = static_cast<std::size_t>(object.source);
        const GUID& guid = object.instance.guidType;
        if (guid == GUID_POV) {
            if (source < reading.hats.size()) state.rgdwPOV[source] = ToPov(reading.hats[source]);
        } else if (guid == GUID_Button) {
            if (source < reading.buttons.size())
                state.rgbButtons[source] = reading.buttons[source] != 0 ? 0x80 : 0;
        } else if (source < reading.axes.size()) {
            const LONG value = ScaleAxis(reading.axes[source], object.lMin, object.lMax);
            if (guid == GUID_Slider) {
                state.rglSlider[source - kAxes] = value;
            } else {
                state.*kAxisFields[source] = value;
            }
        }
    }
}

} // namespace vex::platform::dinput
