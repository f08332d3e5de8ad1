#pragma once

#include "plugins/angleruler/CAngleRulerObject.h"
#include "plugins/catalogue/CToolPlugin.h"

namespace vex::orb::addon {

/// The descriptor of the angle ruler.
using CAngleRulerPlugin = CToolPlugin<CAngleRulerObject>;

} // namespace vex::orb::addon
