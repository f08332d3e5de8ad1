#pragma once

// The 3Dconnexion SpaceWare ("siapp") interface the 3D mouse is read through: initialise, open a
// device for a window, turn the window's messages into device events, read the device's
// information, close. Events come from a SpaceWareBackend (libspnav, the spacenavd client, unless
// another one is installed) and reach the window as messages, as they do on Windows; since nothing
// here runs a native message loop, SiDispatchEvents hands the pending events to the windows.

#include "platform/win32/Types.h"
#include "platform/win32/Window.h"

namespace vex::platform::spaceware {

using win32::HWND;
using win32::LPARAM;
using win32::UINT;
using win32::WPARAM;

/// Results of the Si calls.
enum SpwRetVal {
    SPW_NO_ERROR = 0,
    SPW_ERROR = 1,
    SI_BAD_HANDLE = 2,
    SI_BAD_ID = 3,
    SI_BAD_VALUE = 4,
    SI_IS_EVENT = 5,
    SI_SKIP_EVENT = 6,
    SI_NOT_EVENT = 7,
    SI_NO_DRIVER = 8,
    SI_NO_RESPONSE = 9,
    SI_UNSUPPORTED = 10,
    SI_UNINITIALIZED = 11,
    SI_WRONG_DRIVER = 12,
    SI_INTERNAL_ERROR = 13,
};

struct SiHdl__;
/// An open device; null means none.
using SiHdl = SiHdl__*;

/// Any device (SiOpen).
inline constexpr int SI_ANY_DEVICE = -1;
/// Events are delivered as window messages (SiOpen mode).
inline constexpr int SI_EVENT = 0x0001;
/// SiSetUiMode: the driver's own control panel may be shown.
inline constexpr unsigned SI_UI_ALL_CONTROLS = 0xFFFFFFFFu;
inline constexpr unsigned SI_UI_NO_CONTROLS = 0u;

/// Filter of event types; SiOpen takes none (SI_NO_MASK).
struct SiTypeMask {
    unsigned char mask[8];
};
inline constexpr SiTypeMask* SI_NO_MASK = nullptr;

// Event types.
inline constexpr int SI_BUTTON_EVENT = 1;
inline constexpr int SI_MOTION_EVENT = 2;
inline constexpr int SI_COMBO_EVENT = 3;
inline constexpr int SI_ZERO_EVENT = 4;

// Axes of a motion event's data.
inline constexpr int SI_TX = 0;
inline constexpr int SI_TY = 1;
inline constexpr int SI_TZ = 2;
inline constexpr int SI_RX = 3;
inline constexpr int SI_RY = 4;
inline constexpr int SI_RZ = 5;

/// Buttons of an event: bit n + 1 stands for button n. Plain data, zeroed by the event.
struct SiButtonData {
    unsigned long last;     ///< buttons held before the event
    unsigned long current;  ///< buttons held now
    unsigned long pressed;  ///< went down with the event
    unsigned long released; ///< went up with the event
};

/// Data of a button, motion or zero event.
struct SiSpwData {
    SiButtonData bData;
    long mData[6]; ///< Tx, Ty, Tz, Rx, Ry, Rz
    long period;   ///< milliseconds since the previous motion event
};

/// One device event.
struct SiSpwEvent {
    int type = 0; ///< SI_BUTTON_EVENT, SI_MOTION_EVENT or SI_ZERO_EVENT
    union {
        SiSpwData spwData;
    } u{};
};

/// The window an SiOpen delivers to (SiOpenWinInit fills it).
struct SiOpenData {
    HWND hWnd = nullptr;
};

/// A window message to be examined by SiGetEvent (SiGetEventWinInit fills it).
struct SiGetEventData {
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

/// Device information.
struct SiDevInfo {
    int devType = 0;
    int numButtons = 0;
    int numDegrees = 0;
    bool canBeep = false;
    char firmware[128] = {};
};

/// Device name.
struct SiDevName {
    char name[128] = {};
};

/// Connects to the device driver. SI_NO_DRIVER when there is none, SI_NO_RESPONSE when it does not
/// answer.
SpwRetVal SiInitialize();
/// Ends the connection; open handles become invalid.
void SiTerminate();
/// Prepares `data` for an SiOpen delivering to `window`.
void SiOpenWinInit(SiOpenData* data, HWND window);
/// Opens the device for the application `appName` (any device; no mask; mode SI_EVENT delivers to
/// the window of `data`). Null when not initialised.
SiHdl SiOpen(const char* appName, int devId, SiTypeMask* mask, int mode, SiOpenData* data);
/// Closes an open handle. SI_BAD_HANDLE for one that is not open.
SpwRetVal SiClose(SiHdl handle);
/// Sets which of the driver's own controls may be shown; accepted and kept.
SpwRetVal SiSetUiMode(SiHdl handle, unsigned mode);
/// Prepares `data` with a window message for SiGetEvent.
void SiGetEventWinInit(SiGetEventData* data, UINT message, WPARAM wParam, LPARAM lParam);
/// SI_IS_EVENT and the event in `event` when the message of `data` is a device event for `handle`;
/// SI_NOT_EVENT otherwise.
SpwRetVal SiGetEvent(SiHdl handle, int flags, SiGetEventData* data, SiSpwEvent* event);
/// The device's information (its button count). SI_BAD_HANDLE for a handle that is not open.
SpwRetVal SiGetDeviceInfo(SiHdl handle, SiDevInfo* info);
/// The device's name. SI_BAD_HANDLE for a handle that is not open.
SpwRetVal SiGetDeviceName(SiHdl handle, SiDevName* name);

/// The message number device events arrive with.
UINT SiEventMessage();
/// Hands every pending event to the window of every handle opened with SI_EVENT, as a message that
/// SiGetEvent recognises. Returns the number of events read.
int SiDispatchEvents();

} // namespace vex::platform::spaceware
