#pragma once

// Win32 error codes, the thread's last-error value and the system texts that describe the codes.

#include "platform/win32/Types.h"

#include <string>

namespace vex::platform::win32 {

inline constexpr DWORD ERROR_SUCCESS = 0;
inline constexpr DWORD ERROR_INVALID_FUNCTION = 1;
inline constexpr DWORD ERROR_FILE_NOT_FOUND = 2;
inline constexpr DWORD ERROR_PATH_NOT_FOUND = 3;
inline constexpr DWORD ERROR_TOO_MANY_OPEN_FILES = 4;
inline constexpr DWORD ERROR_ACCESS_DENIED = 5;
inline constexpr DWORD ERROR_INVALID_HANDLE = 6;
inline constexpr DWORD ERROR_NOT_ENOUGH_MEMORY = 8;
inline constexpr DWORD ERROR_NOT_SAME_DEVICE = 17;
inline constexpr DWORD ERROR_NO_MORE_FILES = 18;
inline constexpr DWORD ERROR_WRITE_PROTECT = 19;
inline constexpr DWORD ERROR_INVALID_PARAMETER = 87;
inline constexpr DWORD ERROR_DISK_FULL = 112;
inline constexpr DWORD ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr DWORD ERROR_INVALID_NAME = 123;
inline constexpr DWORD ERROR_MOD_NOT_FOUND = 126;
inline constexpr DWORD ERROR_PROC_NOT_FOUND = 127;
inline constexpr DWORD ERROR_DIR_NOT_EMPTY = 145;
inline constexpr DWORD ERROR_BUSY = 170;
inline constexpr DWORD ERROR_ALREADY_EXISTS = 183;
inline constexpr DWORD ERROR_BAD_EXE_FORMAT = 193;
inline constexpr DWORD ERROR_FILENAME_EXCED_RANGE = 206;
inline constexpr DWORD ERROR_MORE_DATA = 234;
inline constexpr DWORD ERROR_INVALID_HOOK_HANDLE = 1404;
inline constexpr DWORD ERROR_INVALID_HOOK_FILTER = 1426;
inline constexpr DWORD ERROR_INVALID_FILTER_PROC = 1427;
inline constexpr DWORD ERROR_CANT_RESOLVE_FILENAME = 1921;

/// Bit 29 marks an application-defined code, as on Windows. An operating-system error with no
/// Win32 equivalent is reported as this bit plus the errno value.
inline constexpr DWORD APPLICATION_ERROR_FLAG = 0x20000000;

/// The calling thread's last-error code, set by the failing call of this layer.
DWORD GetLastError();

/// Sets the calling thread's last-error code.
void SetLastError(DWORD code);

/// Maps an errno value to the Win32 code a Windows call would report for the same failure:
///   0 → ERROR_SUCCESS, ENOENT → ERROR_FILE_NOT_FOUND, ENOTDIR → ERROR_PATH_NOT_FOUND,
///   EACCES, EPERM, EISDIR → ERROR_ACCESS_DENIED, EEXIST → ERROR_ALREADY_EXISTS,
///   ENOTEMPTY → ERROR_DIR_NOT_EMPTY, ENAMETOOLONG → ERROR_FILENAME_EXCED_RANGE,
///   ENOSPC → ERROR_DISK_FULL, EROFS → ERROR_WRITE_PROTECT, EBUSY → ERROR_BUSY,
///   ENOMEM → ERROR_NOT_ENOUGH_MEMORY, EINVAL → ERROR_INVALID_PARAMETER,
///   EMFILE, ENFILE → ERROR_TOO_MANY_OPEN_FILES, EBADF → ERROR_INVALID_HANDLE,
///   ELOOP → ERROR_CANT_RESOLVE_FILENAME, EXDEV → ERROR_NOT_SAME_DEVICE;
///   anything else → APPLICATION_ERROR_FLAG | errno.
DWORD ErrorFromErrno(int error);

/// The system's text for a code, as Windows words it for the codes above (without the trailing
/// line break); for an application-flagged errno the operating system's own text; otherwise
/// "Unknown error.".
std::string GetErrorMessageText(DWORD code);

} // namespace vex::platform::win32
