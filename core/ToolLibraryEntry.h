#pragma once

// What a tool library exports: two C functions the core finds by name once the library is loaded.
// A tool library includes this header so its definitions are checked against these declarations.

namespace vex::orb {
class CCameraPlugin;
}

namespace vex::orb::core {

/// The library version a tool library's getVersion must answer; other versions are not loaded.
inline constexpr int kToolLibraryVersion = 250;

/// Exported names of the two entry functions.
inline constexpr const char* kGetVersionName = "getVersion";
inline constexpr const char* kGetPluginName = "getPlugin";

/// The entry functions as the core calls them.
using GetVersionFunction = int (*)();
using GetPluginFunction = CCameraPlugin* (*)(int index);

} // namespace vex::orb::core

extern "C" {
/// The library version the tool library was built for (kToolLibraryVersion).
int getVersion();
/// A new descriptor for entry `index` (0, 1, 2, ...), owned by the caller; null past the last entry.
vex::orb::CCameraPlugin* getPlugin(int index);
}
