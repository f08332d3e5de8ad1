#pragma once

#include "plugins/activescaler/C1DScalerObject.h"
#include "plugins/catalogue/CToolPlugin.h"

namespace vex::orb::addon {

/// The descriptor of the active scaler.
using C1DScalerPlugin = CToolPlugin<C1DScalerObject>;

} // namespace vex::orb::addon
