#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/spherecam/CSphereCamObject.h"

namespace vex::orb::addon {

/// The descriptor of the sphere camera.
using CSphereCamPlugin = CToolPlugin<CSphereCamObject>;

} // namespace vex::orb::addon
