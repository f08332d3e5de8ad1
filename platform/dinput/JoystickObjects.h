#pragma once

// The objects of a joystick as DirectInput describes them, and its state in the joystick layout.

#include "platform/dinput/Backend.h"
#include "platform/dinput/Structures.h"

#include <vector>

namespace vex::platform::dinput {

/// An object of a joystick and, for axes and sliders, the range its values are reported in.
struct JoystickObject {
    DIDEVICEOBJECTINSTANCEA instance;
    int source = 0; ///< the backend's axis, hat or button number
    LONG lMin = 0;
    LONG lMax = 65535;
};

/// The objects of a joystick with `layout`: the first six axes as X, Y, Z, Rx, Ry, Rz, the next two
/// as sliders (the layout has room for no more), up to four POV hats and up to 128 buttons, in that
/// order, each with its offset in DIJOYSTATE2. The first layout.hapticAxes axes carry an actuator.
std::vector<JoystickObject> DescribeObjects(const JoystickLayout& layout);

/// An axis value of -32768..32767 in the range lMin..lMax. The centre 0 gives the middle of the
/// range exactly, so a stick at rest reads as centred.
LONG ScaleAxis(int value, LONG lMin, LONG lMax);

/// SDL_HAT_* bits as a POV angle in hundredths of a degree clockwise from up (up 0, right 9000,
/// right-up 4500, ...), or 0xFFFFFFFF when centred.
DWORD ToPov(std::uint8_t hat);

/// The state of `reading` in the joystick layout, axes and sliders scaled to their objects' ranges.
/// Absent hats read centred, absent axes and buttons 0.
void FillState(const std::vector<JoystickObject>& objects, const JoystickReading& reading,
               DIJOYSTATE2& state);

} // namespace vex::platform::dinput
