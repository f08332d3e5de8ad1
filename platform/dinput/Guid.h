#pragma once

// Globally unique identifiers as DirectInput uses them: object types, effect types, interfaces,
// device instances and products, and the property identifiers.

#include "platform/win32/Types.h"

namespace vex::platform::dinput {

using win32::BYTE;
using win32::DWORD;
using win32::WORD;

/// A 128-bit identifier in the Windows layout.
struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];

    friend bool operator==(const GUID& a, const GUID& b) = default;
};

using IID = GUID;
using REFGUID = const GUID&;
using REFIID = const IID&;

/// The interface DirectInput8Create hands out.
extern const IID IID_IDirectInput8A;

/// Object types of a device's axes, sliders, hats, buttons and keys.
extern const GUID GUID_XAxis;
extern const GUID GUID_YAxis;
extern const GUID GUID_ZAxis;
extern const GUID GUID_RxAxis;
extern const GUID GUID_RyAxis;
extern const GUID GUID_RzAxis;
extern const GUID GUID_Slider;
extern const GUID GUID_Button;
extern const GUID GUID_Key;
extern const GUID GUID_POV;
extern const GUID GUID_Unknown;

/// Force-feedback effect types.
extern const GUID GUID_ConstantForce;
extern const GUID GUID_RampForce;
extern const GUID GUID_Square;
extern const GUID GUID_Sine;
extern const GUID GUID_Triangle;
extern const GUID GUID_SawtoothUp;
extern const GUID GUID_SawtoothDown;

/// The range of an axis (DIPROPRANGE). DirectInput makes property identifiers from small numbers;
/// here they are identifiers whose Data1 holds that number.
extern const GUID DIPROP_RANGE;

} // namespace vex::platform::dinput
