#pragma once

// Files and folders the Windows way. Every path argument accepts "\" as well as "/" as the folder
// separator, so paths that mix both (the documents folder read from the registry followed by the
// system's own "/data/...") work unchanged. Failures set the thread's last error (Errors.h) from
// the operating system's errno through ErrorFromErrno, with the refinements noted per call.

#include "platform/win32/Errors.h"
#include "platform/win32/Types.h"

#include <string>

namespace vex::platform::win32 {

inline constexpr DWORD FILE_ATTRIBUTE_READONLY = 0x01;
inline constexpr DWORD FILE_ATTRIBUTE_DIRECTORY = 0x10;
inline constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x80;
inline constexpr DWORD INVALID_FILE_ATTRIBUTES = 0xFFFFFFFF;

/// Security attributes are accepted for the shape of the call and ignored.
struct SECURITY_ATTRIBUTES;

/// One entry found by FindFirstFile / FindNextFile.
struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;   // FILE_ATTRIBUTE_DIRECTORY or FILE_ATTRIBUTE_NORMAL
    DWORD nFileSizeHigh;      // file size, upper 32 bits
    DWORD nFileSizeLow;       // file size, lower 32 bits
    char cFileName[MAX_PATH]; // the entry's name without its folder, NUL-terminated
};
using WIN32_FIND_DATA = WIN32_FIND_DATAA;

/// The path with every "\" turned into "/".
std::string ToNativePath(const std::string& path);

/// FILE_ATTRIBUTE_DIRECTORY for a folder, FILE_ATTRIBUTE_NORMAL for anything else that exists,
/// INVALID_FILE_ATTRIBUTES when nothing is there (last error ERROR_FILE_NOT_FOUND, or
/// ERROR_PATH_NOT_FOUND when the containing folder is missing too).
DWORD GetFileAttributes(const char* path);

/// Makes one folder; its parent must exist. FALSE with ERROR_ALREADY_EXISTS when something of that
/// name exists, ERROR_PATH_NOT_FOUND when the parent is missing.
BOOL CreateDirectory(const char* path, SECURITY_ATTRIBUTES* security);

/// Makes a folder and whatever parents are missing: a parent whose attributes cannot be read is made
/// first, then the folder itself. A folder that already exists is not an error; a file in the way
/// is. Trailing separators are ignored. Returns false (with the last error of the failing step) on
/// failure.
bool MakeDirectories(const std::string& path);

/// Copies the current folder into `buffer` and returns its length. When `size` is too small the
/// buffer is left alone and the size needed (terminating NUL included) is returned. 0 on failure.
DWORD GetCurrentDirectory(DWORD size, char* buffer);

/// Changes the process's current folder.
BOOL SetCurrentDirectory(const char* path);

/// Starts listing the entries of a folder whose names match the last component of `pattern`:
/// "*" matches any run of characters, "?" any one character, letters match without regard to case,
/// and a final ".*" also matches names without any dot (so "*.*" lists everything). "." and ".."
/// are listed like any other entry when they match. Entries come sorted by name, case-insensitively.
/// Returns a search handle and fills `data` with the first entry, or INVALID_HANDLE_VALUE with
/// ERROR_FILE_NOT_FOUND (nothing matches) or ERROR_PATH_NOT_FOUND (no such folder).
HANDLE FindFirstFile(const char* pattern, WIN32_FIND_DATA* data);

/// Fills `data` with the next entry of a search; FALSE with ERROR_NO_MORE_FILES after the last.
BOOL FindNextFile(HANDLE search, WIN32_FIND_DATA* data);

/// Ends a search started by FindFirstFile.
BOOL FindClose(HANDLE search);

/// Removes a file. A folder is refused with ERROR_ACCESS_DENIED, as on Windows.
BOOL DeleteFile(const char* path);

} // namespace vex::platform::win32
