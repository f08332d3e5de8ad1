#pragma once

// The basic Win32 value and handle types, so that code written against the Windows interface reads
// the same here. Widths follow 64-bit Windows: LONG and DWORD are 32 bits, the pointer-sized
// message parameters are 64 bits.

#include <cstdint>

namespace vex::platform::win32 {

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using UINT = unsigned int;
using BOOL = int;
using HANDLE = void*;

using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

#ifndef TRUE
inline constexpr BOOL TRUE = 1;
#endif
#ifndef FALSE
inline constexpr BOOL FALSE = 0;
#endif

/// Longest path a fixed-size Win32 path buffer holds, the terminating NUL included.
inline constexpr DWORD MAX_PATH = 260;

/// The handle value Win32 calls return for "no handle" where null is a valid handle.
inline const HANDLE INVALID_HANDLE_VALUE = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1));

} // namespace vex::platform::win32
