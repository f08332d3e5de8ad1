#pragma once

#include "plugins/1dpositioner/C1DPositionerObject.h"
#include "plugins/catalogue/CToolPlugin.h"

namespace vex::orb::addon {

/// The descriptor of the 1D positioner.
using C1DPositionerPlugin = CToolPlugin<C1DPositionerObject>;

} // namespace vex::orb::addon
