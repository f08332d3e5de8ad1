#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/lookatcam/CLookAtCamObject.h"

namespace vex::orb::addon {

/// The descriptor of the look-at camera.
using CLookAtCamPlugin = CToolPlugin<CLookAtCamObject>;

} // namespace vex::orb::addon
