#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/gyro/CGyroCam.h"

namespace vex::orb::addon {

/// The descriptor of the Gyro rig.
using CGyroCamPlugin = CToolPlugin<CGyroCam>;

} // namespace vex::orb::addon
