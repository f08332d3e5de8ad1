#pragma once

#include "plugins/4wheelerfree/CCarCamFreeObject.h"
#include "plugins/catalogue/CToolPlugin.h"

namespace vex::orb::addon {

/// The descriptor of the reduced four-wheeler.
using CCarCamFreePlugin = CToolPlugin<CCarCamFreeObject>;

} // namespace vex::orb::addon
