#pragma once

// Dynamic libraries: loading a module, finding its exported functions, unloading it, and the file
// a module was loaded from.

#include "platform/win32/Errors.h"
#include "platform/win32/Types.h"
#include "platform/win32/Window.h"

#include <string>

namespace vex::platform::win32 {

/// A loaded module; null means "no module" (for GetModuleFileName: the program itself).
using HMODULE = HINSTANCE;

/// The file-name suffix of a shared library on this platform.
inline constexpr const char* kSharedLibrarySuffix = ".so";

/// An exported function as GetProcAddress hands it out; cast it to the function's real type (a
/// function taking nothing and returning nothing converts to any function type without a warning).
using FARPROC = void (*)();

/// The file name LoadLibrary actually opens for `name`: "\" becomes "/", and a trailing ".dll"
/// (any letter case) is replaced by kSharedLibrarySuffix, so "plugins\tool.dll" opens
/// "plugins/tool.so". Other names are used as they are.
std::string MapLibraryName(const std::string& name);

/// Loads a shared library (all symbols bound at once, kept local to the module) under its mapped
/// name. A name with a folder in it is taken relative to the current folder; a bare name is searched
/// for the way the dynamic linker searches. Null on failure, with the last error set as Windows
/// would: ERROR_MOD_NOT_FOUND when the file or a library it needs is missing, ERROR_PROC_NOT_FOUND
/// when a symbol it imports is missing, ERROR_BAD_EXE_FORMAT when it is no loadable library and
/// ERROR_INVALID_PARAMETER for a null or empty name.
HMODULE LoadLibrary(const char* name);

/// The address of an exported function or variable, or null with ERROR_PROC_NOT_FOUND.
FARPROC GetProcAddress(HMODULE module, const char* name);

/// Releases a module loaded by LoadLibrary; the code is unmapped once its last load is released.
BOOL FreeLibrary(HMODULE module);

/// Copies the full path of the module's file (of the program itself when `module` is null) into
/// `buffer` and returns its length. When it does not fit, the path is cut to size - 1 characters,
/// the buffer is still NUL-terminated, `size` is returned and the last error is
/// ERROR_INSUFFICIENT_BUFFER. Returns 0 on failure.
DWORD GetModuleFileName(HMODULE module, char* buffer, DWORD size);

/// The full path of the program or shared library whose code or data contains `address`; empty when
/// the address belongs to no loaded binary.
std::string GetModulePathFromAddress(const void* address);

} // namespace vex::platform::win32
