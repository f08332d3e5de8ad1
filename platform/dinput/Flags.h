#pragma once

// The numbers and flags the DirectInput calls take and report.

#include "platform/win32/Types.h"

namespace vex::platform::dinput {

using win32::BOOL;
using win32::DWORD;

/// The interface version DirectInput8Create accepts.
inline constexpr DWORD DIRECTINPUT_VERSION = 0x0800;

/// What an enumeration callback returns.
inline constexpr BOOL DIENUM_STOP = 0;
inline constexpr BOOL DIENUM_CONTINUE = 1;

/// Device classes for EnumDevices.
inline constexpr DWORD DI8DEVCLASS_ALL = 0;
inline constexpr DWORD DI8DEVCLASS_DEVICE = 1;
inline constexpr DWORD DI8DEVCLASS_POINTER = 2;
inline constexpr DWORD DI8DEVCLASS_KEYBOARD = 3;
inline constexpr DWORD DI8DEVCLASS_GAMECTRL = 4;

/// EnumDevices flags.
inline constexpr DWORD DIEDFL_ALLDEVICES = 0x00000000;
inline constexpr DWORD DIEDFL_ATTACHEDONLY = 0x00000001;
inline constexpr DWORD DIEDFL_FORCEFEEDBACK = 0x00000100;

/// Device types (low byte of dwDevType).
inline constexpr DWORD DI8DEVTYPE_JOYSTICK = 0x14;
inline constexpr DWORD DI8DEVTYPE_GAMEPAD = 0x15;
inline constexpr DWORD DI8DEVTYPE_DRIVING = 0x16;
inline constexpr DWORD DI8DEVTYPE_FLIGHT = 0x17;
inline constexpr DWORD DI8DEVTYPE_SUPPLEMENTAL = 0x1C;

/// Cooperative levels.
inline constexpr DWORD DISCL_EXCLUSIVE = 0x00000001;
inline constexpr DWORD DISCL_NONEXCLUSIVE = 0x00000002;
inline constexpr DWORD DISCL_FOREGROUND = 0x00000004;
inline constexpr DWORD DISCL_BACKGROUND = 0x00000008;

/// Object type bits (dwType of an object, and the filter of EnumObjects).
inline constexpr DWORD DIDFT_ALL = 0x00000000;
inline constexpr DWORD DIDFT_RELAXIS = 0x00000001;
inline constexpr DWORD DIDFT_ABSAXIS = 0x00000002;
inline constexpr DWORD DIDFT_AXIS = 0x00000003;
inline constexpr DWORD DIDFT_PSHBUTTON = 0x00000004;
inline constexpr DWORD DIDFT_TGLBUTTON = 0x00000008;
inline constexpr DWORD DIDFT_BUTTON = 0x0000000C;
inline constexpr DWORD DIDFT_POV = 0x00000010;
inline constexpr DWORD DIDFT_FFACTUATOR = 0x01000000;
/// The instance number of an object inside its dwType.
constexpr DWORD DIDFT_MAKEINSTANCE(DWORD n) {
    return (n & 0xFFFF) << 8;
}
constexpr DWORD DIDFT_GETINSTANCE(DWORD type) {
    return (type >> 8) & 0xFFFF;
}

/// Object flags (dwFlags of an object).
inline constexpr DWORD DIDOI_FFACTUATOR = 0x00000001;
inline constexpr DWORD DIDOI_ASPECTPOSITION = 0x00000100;

/// How a property header names its object.
inline constexpr DWORD DIPH_DEVICE = 0;
inline constexpr DWORD DIPH_BYOFFSET = 1;
inline constexpr DWORD DIPH_BYID = 2;

/// Effect flags (DIEFFECT::dwFlags).
inline constexpr DWORD DIEFF_OBJECTIDS = 0x00000001;
inline constexpr DWORD DIEFF_OBJECTOFFSETS = 0x00000002;
inline constexpr DWORD DIEFF_CARTESIAN = 0x00000010;
inline constexpr DWORD DIEFF_POLAR = 0x00000020;
inline constexpr DWORD DIEFF_SPHERICAL = 0x00000040;

/// Which parts of a DIEFFECT SetParameters takes.
inline constexpr DWORD DIEP_DURATION = 0x00000001;
inline constexpr DWORD DIEP_SAMPLEPERIOD = 0x00000002;
inline constexpr DWORD DIEP_GAIN = 0x00000004;
inline constexpr DWORD DIEP_TRIGGERBUTTON = 0x00000008;
inline constexpr DWORD DIEP_TRIGGERREPEATINTERVAL = 0x00000010;
inline constexpr DWORD DIEP_AXES = 0x00000020;
inline constexpr DWORD DIEP_DIRECTION = 0x00000040;
inline constexpr DWORD DIEP_ENVELOPE = 0x00000080;
inline constexpr DWORD DIEP_TYPESPECIFICPARAMS = 0x00000100;
inline constexpr DWORD DIEP_STARTDELAY = 0x00000200;
inline constexpr DWORD DIEP_ALLPARAMS = 0x000003FF;
inline constexpr DWORD DIEP_START = 0x20000000;

/// No trigger button for an effect.
inline constexpr DWORD DIEB_NOTRIGGER = 0xFFFFFFFF;
/// An effect duration or iteration count without end.
inline constexpr DWORD INFINITE = 0xFFFFFFFF;
/// Full force, and the unit of effect levels.
inline constexpr DWORD DI_FFNOMINALMAX = 10000;

} // namespace vex::platform::dinput
