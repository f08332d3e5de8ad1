#pragma once

namespace vex::orb {
class CCameraPlugin;
}

namespace vex::orb::core {

/// The compiled-in tool table: a new descriptor for entry `index` (0, 1, 2, ...), owned by the
/// caller, and null past the last entry. Declared here and defined by the compiled-in tools, so the
/// core includes no tool header.
CCameraPlugin* CreateCompiledPlugin(int index);

} // namespace vex::orb::core
