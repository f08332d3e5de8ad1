#pragma once

// The records the DirectInput calls fill and take, laid out as on 64-bit Windows so that the sizes
// callers put in their dwSize fields hold.

#include "platform/dinput/Guid.h"
#include "platform/win32/Types.h"

namespace vex::platform::dinput {

using win32::BYTE;
using win32::DWORD;
using win32::LONG;
using win32::MAX_PATH;
using win32::WORD;

/// A device found by EnumDevices. guidProduct.Data1 holds the USB vendor id in its low and the
/// product id in its high 16 bits; wUsagePage and wUsage are the HID usage of the device.
struct DIDEVICEINSTANCEA {
    DWORD dwSize;
    GUID guidInstance;
    GUID guidProduct;
    DWORD dwDevType;
    char tszInstanceName[MAX_PATH];
    char tszProductName[MAX_PATH];
    GUID guidFFDriver;
    WORD wUsagePage;
    WORD wUsage;
};
using LPCDIDEVICEINSTANCEA = const DIDEVICEINSTANCEA*;

/// An object (axis, slider, hat, button) of a device, as EnumObjects reports it.
struct DIDEVICEOBJECTINSTANCEA {
    DWORD dwSize;
    GUID guidType;
    DWORD dwOfs;
    DWORD dwType;
    DWORD dwFlags;
    char tszName[MAX_PATH];
    DWORD dwFFMaxForce;
    DWORD dwFFForceResolution;
    WORD wCollectionNumber;
    WORD wDesignatorIndex;
    WORD wUsagePage;
    WORD wUsage;
    DWORD dwDimension;
    WORD wExponent;
    WORD wReportId;
};
using LPCDIDEVICEOBJECTINSTANCEA = const DIDEVICEOBJECTINSTANCEA*;

/// The state of a joystick: six axes, two sliders, four POV hats in hundredths of a degree
/// (0xFFFFFFFF when centred), 128 buttons (0x80 when pressed), then velocities, accelerations and
/// forces, which this layer leaves 0.
struct DIJOYSTATE2 {
    LONG lX, lY, lZ, lRx, lRy, lRz;
    LONG rglSlider[2];
    DWORD rgdwPOV[4];
    BYTE rgbButtons[128];
    LONG lVX, lVY, lVZ, lVRx, lVRy, lVRz;
    LONG rglVSlider[2];
    LONG lAX, lAY, lAZ, lARx, lARy, lARz;
    LONG rglASlider[2];
    LONG lFX, lFY, lFZ, lFRx, lFRy, lFRz;
    LONG rglFSlider[2];
};
static_assert(sizeof(DIJOYSTATE2) == 272);

/// One object of a data format.
struct DIOBJECTDATAFORMAT {
    const GUID* pguid;
    DWORD dwOfs;
    DWORD dwType;
    DWORD dwFlags;
};

/// The layout GetDeviceState fills.
struct DIDATAFORMAT {
    DWORD dwSize;
    DWORD dwObjSize;
    DWORD dwFlags;
    DWORD dwDataSize;
    DWORD dwNumObjs;
    const DIOBJECTDATAFORMAT* rgodf;
};
using LPCDIDATAFORMAT = const DIDATAFORMAT*;

/// The header of every property record.
struct DIPROPHEADER {
    DWORD dwSize;
    DWORD dwHeaderSize;
    DWORD dwObj;
    DWORD dwHow;
};
using LPCDIPROPHEADER = const DIPROPHEADER*;
using LPDIPROPHEADER = DIPROPHEADER*;
static_assert(sizeof(DIPROPHEADER) == 16);

/// The range an axis reports its values in (DIPROP_RANGE).
struct DIPROPRANGE {
    DIPROPHEADER diph;
    LONG lMin;
    LONG lMax;
};
static_assert(sizeof(DIPROPRANGE) == 24);

/// How an effect fades in and out: levels in 0..10000, times in microseconds.
struct DIENVELOPE {
    DWORD dwSize;
    DWORD dwAttackLevel;
    DWORD dwAttackTime;
    DWORD dwFadeLevel;
    DWORD dwFadeTime;
};
static_assert(sizeof(DIENVELOPE) == 20);

/// Type-specific block of a constant force: -10000..10000.
struct DICONSTANTFORCE {
    LONG lMagnitude;
};
static_assert(sizeof(DICONSTANTFORCE) == 4);

/// Type-specific block of a ramp force: start and end level, -10000..10000.
struct DIRAMPFORCE {
    LONG lStart;
    LONG lEnd;
};
static_assert(sizeof(DIRAMPFORCE) == 8);

/// Type-specific block of a periodic force: magnitude and offset in levels, phase in hundredths of
/// a degree, period in microseconds.
struct DIPERIODIC {
    DWORD dwMagnitude;
    LONG lOffset;
    DWORD dwPhase;
    DWORD dwPeriod;
};
static_assert(sizeof(DIPERIODIC) == 16);

/// The parameters of an effect. Times are in microseconds, the gain in 0..10000.
struct DIEFFECT {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwDuration;
    DWORD dwSamplePeriod;
    DWORD dwGain;
    DWORD dwTriggerButton;
    DWORD dwTriggerRepeatInterval;
    DWORD cAxes;
    DWORD* rgdwAxes;
    LONG* rglDirection;
    DIENVELOPE* lpEnvelope;
    DWORD cbTypeSpecificParams;
    void* lpvTypeSpecificParams;
    DWORD dwStartDelay;
};
using LPCDIEFFECT = const DIEFFECT*;
static_assert(sizeof(DIEFFECT) == 80);

} // namespace vex::platform::dinput
