#pragma once

// The Windows registry as far as the system reads it: string values below the current-user and
// local-machine hives. The hives live in this process only and start with the values the system
// looks for:
//   HKEY_CURRENT_USER  "Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders"
//                      "Personal" = the user's documents folder: the home directory from the
//                      password database (or $HOME when it has none) followed by "/Documents";
//                      the folder need not exist. Absent when no home directory is known.
//   HKEY_LOCAL_MACHINE "SOFTWARE\Wow6432Node\Torva Labs"
//                      "path" = the install prefix: the folder above the folder that holds the
//                      binary containing this library (for <prefix>/lib/libtorvasuite.so or
//                      <prefix>/bin/torva-host that is <prefix>).
// Key paths and value names compare without regard to ASCII case, as on Windows.

#include "platform/win32/Errors.h"
#include "platform/win32/Types.h"

#include <cstdint>
#include <string>

namespace vex::platform::win32 {

struct HKEY__;
/// An open registry key, or one of the predefined hive roots.
using HKEY = HKEY__*;
using REGSAM = DWORD;

inline const HKEY HKEY_CURRENT_USER = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u));
inline const HKEY HKEY_LOCAL_MACHINE = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000002u));

// Access rights are accepted and ignored: the store is read-only through the registry calls.
inline constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
inline constexpr REGSAM KEY_WOW64_64KEY = 0x0100;
inline constexpr REGSAM KEY_WOW64_32KEY = 0x0200;
inline constexpr REGSAM KEY_READ = 0x20019;

// Value types. Every stored value is a string.
inline constexpr DWORD REG_NONE = 0;
inline constexpr DWORD REG_SZ = 1;

/// Opens `subKey` below `root` (a hive or an open key); null or "" opens `root` itself again.
/// ERROR_SUCCESS and a handle in `*result`, ERROR_FILE_NOT_FOUND when the key does not exist,
/// ERROR_INVALID_HANDLE for an unknown `root`, ERROR_INVALID_PARAMETER when `result` is null.
LONG RegOpenKeyEx(HKEY root, const char* subKey, DWORD options, REGSAM access, HKEY* result);

/// Reads the string value `name` (null or "" is the key's default value) of an open key. `type`
/// receives REG_SZ. With `data` null only the size is reported. The size counts the terminating
/// NUL; a buffer smaller than that gives ERROR_MORE_DATA with the needed size in `*size`.
/// ERROR_FILE_NOT_FOUND when the value is missing; `reserved` must be null.
LONG RegQueryValueEx(HKEY key, const char* name, DWORD* reserved, DWORD* type, BYTE* data, DWORD* size);

/// Closes a key opened by RegOpenKeyEx. Closing a hive root is allowed and does nothing.
LONG RegCloseKey(HKEY key);

// Test and set-up hooks.

/// Sets a string value, creating the key and its parents as needed.
void RegistrySetValue(HKEY root, const std::string& subKey, const std::string& name,
                      const std::string& value);

/// Removes one value; the key stays. Returns false when there was no such value.
bool RegistryDeleteValue(HKEY root, const std::string& subKey, const std::string& name);

/// Removes a key with its values and every key below it. Returns false when there was no such key.
bool RegistryDeleteKey(HKEY root, const std::string& subKey);

/// Puts both hives back to the initial values above. Open key handles stay valid.
void RegistryReset();

} // namespace vex::platform::win32
