#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/scaleruler/CScaleRulerObject.h"

namespace vex::orb::addon {

/// The descriptor of the scale ruler.
using CScaleRulerPlugin = CToolPlugin<CScaleRulerObject>;

} // namespace vex::orb::addon
