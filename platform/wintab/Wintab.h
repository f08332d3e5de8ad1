#pragma once

// The Wintab tablet interface as the system uses it: device information (WTInfoA), a context opened
// on a window (WTOpenA, WTClose) whose packets are announced by WT_PACKET messages and read with
// WTPacket. On Windows these come from "Wintab32.dll", loaded at run time; LoadWintab stands for that
// load. This platform has no tablet backend: LoadWintab gives functions that report no tablet.

#include "platform/win32/Types.h"
#include "platform/win32/Window.h"

namespace vex::platform::wintab {

using win32::BOOL;
using win32::DWORD;
using win32::HWND;
using win32::LONG;
using win32::UINT;

struct HCTX__;
/// An open context; null means none.
using HCTX = HCTX__*;
/// Fixed-point 16.16 value.
using FIX32 = DWORD;

// WTInfoA categories and indices.
inline constexpr UINT WTI_INTERFACE = 1;
inline constexpr UINT WTI_DEFCONTEXT = 3;
inline constexpr UINT WTI_DEVICES = 100;
inline constexpr UINT WTI_CURSORS = 200;
inline constexpr UINT DVC_NAME = 1;
inline constexpr UINT DVC_X = 12;
inline constexpr UINT DVC_Y = 13;
inline constexpr UINT DVC_NPRESSURE = 15;
inline constexpr UINT DVC_ORIENTATION = 17;
inline constexpr UINT CSR_BUTTONS = 4;

// Packet data bits (LOGCONTEXTA::lcPktData).
inline constexpr DWORD PK_BUTTONS = 0x0040;
inline constexpr DWORD PK_X = 0x0080;
inline constexpr DWORD PK_Y = 0x0100;
inline constexpr DWORD PK_NORMAL_PRESSURE = 0x0400;
inline constexpr DWORD PK_ORIENTATION = 0x1000;

/// Context option: announce packets with WT_PACKET messages.
inline constexpr UINT CXO_MESSAGES = 0x0004;
/// The message announcing a packet: wParam the packet's serial number, lParam the context.
inline constexpr UINT WT_PACKET = 0x7FF0;

/// The range of one axis.
struct AXIS {
    LONG axMin;
    LONG axMax;
    UINT axUnits;
    FIX32 axResolution;
};

/// Pen orientation: azimuth, altitude (negative for the eraser end) and twist.
struct ORIENTATION {
    int orAzimuth;
    int orAltitude;
    int orTwist;
};

/// A context description.
struct LOGCONTEXTA {
    char lcName[40];
    UINT lcOptions;
    UINT lcStatus;
    UINT lcLocks;
    UINT lcMsgBase;
    UINT lcDevice;
    UINT lcPktRate;
    DWORD lcPktData;
    DWORD lcPktMode;
    DWORD lcMoveMask;
    DWORD lcBtnDnMask;
    DWORD lcBtnUpMask;
    LONG lcInOrgX;
    LONG lcInOrgY;
    LONG lcInOrgZ;
    LONG lcInExtX;
    LONG lcInExtY;
    LONG lcInExtZ;
    LONG lcOutOrgX;
    LONG lcOutOrgY;
    LONG lcOutOrgZ;
    LONG lcOutExtX;
    LONG lcOutExtY;
    LONG lcOutExtZ;
};

/// One packet with the fields the system asks for.
struct PACKET {
    DWORD pkButtons;
    LONG pkX;
    LONG pkY;
    UINT pkNormalPressure;
    ORIENTATION pkOrientation;
};

/// The entry points of the tablet interface, as resolved from the loaded library.
struct WintabFunctions {
    /// Copies the information of (category, index) to `output` (when not null) and returns its size
    /// in bytes; 0 when there is no such information (no tablet).
    UINT (*WTInfoA)(UINT category, UINT index, void* output) = nullptr;
    /// Opens a context delivering to `window`; null on failure.
    HCTX (*WTOpenA)(HWND window, LOGCONTEXTA* context, BOOL enable) = nullptr;
    /// Closes a context.
    BOOL (*WTClose)(HCTX context) = nullptr;
    /// Copies the packet of serial number `serial` to `packet`; FALSE when it is gone.
    BOOL (*WTPacket)(HCTX context, UINT serial, void* packet) = nullptr;

    /// Whether every entry point was found.
    bool Complete() const { return WTInfoA && WTOpenA && WTClose && WTPacket; }
};

/// Loads the tablet interface. Incomplete (all null) when it is not there; on this platform the
/// functions are there and report no tablet.
WintabFunctions LoadWintab();

} // namespace vex::platform::wintab
