#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/sinusoid/CSinusoidObject.h"

namespace vex::orb::addon {

/// The descriptor of the Sinusoid accessory.
using CSinusoidPlugin = CToolPlugin<CSinusoidObject>;

} // namespace vex::orb::addon
