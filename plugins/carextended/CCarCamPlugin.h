#pragma once

#include "plugins/carextended/CCarCamObject.h"
#include "plugins/catalogue/CToolPlugin.h"

namespace vex::orb::addon {

/// The descriptor of the four-wheeler.
using CCarCamPlugin = CToolPlugin<CCarCamObject>;

} // namespace vex::orb::addon
