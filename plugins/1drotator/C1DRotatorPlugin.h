#pragma once

#include "plugins/1drotator/C1DRotatorObject.h"
#include "plugins/catalogue/CToolPlugin.h"

namespace vex::orb::addon {

/// The descriptor of the 1D rotator.
using C1DRotatorPlugin = CToolPlugin<C1DRotatorObject>;

} // namespace vex::orb::addon
