#pragma once

namespace vex::orb {
class CCameraPlugin;
}

namespace vex::orb::core {

/// A new descriptor of the group tool ("Group"), which gathers other tools under one node; owned by
/// the caller. Declared here and defined by the compiled-in tools, so the core includes no tool header.
CCameraPlugin* CreateGroupPlugin();

/// A new descriptor of the empty tool ("EmptyPlugin"), a tool object that does nothing; owned by the
/// caller.
CCameraPlugin* CreateEmptyPlugin();

} // namespace vex::orb::core
