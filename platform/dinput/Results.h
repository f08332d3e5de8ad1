#pragma once

// Result codes of the DirectInput calls: zero and small positive values succeed, values with the
// top bit set fail.

#include "platform/win32/Types.h"

namespace vex::platform::dinput {

using HRESULT = win32::LONG;

/// Whether a call succeeded.
constexpr bool SUCCEEDED(HRESULT result) {
    return result >= 0;
}
/// Whether a call failed.
constexpr bool FAILED(HRESULT result) {
    return result < 0;
}

inline constexpr HRESULT DI_OK = 0;
inline constexpr HRESULT DI_NOEFFECT = 1;
inline constexpr HRESULT DI_DOWNLOADSKIPPED = 3;

inline constexpr HRESULT DIERR_OLDDIRECTINPUTVERSION = static_cast<HRESULT>(0x8007047EU);
inline constexpr HRESULT DIERR_BETADIRECTINPUTVERSION = static_cast<HRESULT>(0x80070481U);
inline constexpr HRESULT DIERR_DEVICENOTREG = static_cast<HRESULT>(0x80040154U);
inline constexpr HRESULT DIERR_NOTFOUND = static_cast<HRESULT>(0x80070002U);
inline constexpr HRESULT DIERR_OBJECTNOTFOUND = static_cast<HRESULT>(0x80070002U);
inline constexpr HRESULT DIERR_INVALIDPARAM = static_cast<HRESULT>(0x80070057U);
inline constexpr HRESULT DIERR_NOINTERFACE = static_cast<HRESULT>(0x80004002U);
inline constexpr HRESULT DIERR_GENERIC = static_cast<HRESULT>(0x80004005U);
inline constexpr HRESULT DIERR_UNSUPPORTED = static_cast<HRESULT>(0x80004001U);
inline constexpr HRESULT DIERR_NOAGGREGATION = static_cast<HRESULT>(0x80040110U);
inline constexpr HRESULT DIERR_INPUTLOST = static_cast<HRESULT>(0x8007001EU);
inline constexpr HRESULT DIERR_ACQUIRED = static_cast<HRESULT>(0x800700AAU);
inline constexpr HRESULT DIERR_NOTACQUIRED = static_cast<HRESULT>(0x8007000CU);
inline constexpr HRESULT DIERR_NOTEXCLUSIVEACQUIRED = static_cast<HRESULT>(0x80040205U);
inline constexpr HRESULT DIERR_INCOMPLETEEFFECT = static_cast<HRESULT>(0x80040206U);
inline constexpr HRESULT DIERR_UNPLUGGED = static_cast<HRESULT>(0x80040209U);

} // namespace vex::platform::dinput
