#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/distanceruler/CDistanceRulerObject.h"

namespace vex::orb::addon {

/// The descriptor of the distance ruler.
using CDistanceRulerPlugin = CToolPlugin<CDistanceRulerObject>;

} // namespace vex::orb::addon
