#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/raycaster/CRayCasterObject.h"

namespace vex::orb::addon {

/// The descriptor of the ray caster.
using CRayCasterPlugin = CToolPlugin<CRayCasterObject>;

} // namespace vex::orb::addon
