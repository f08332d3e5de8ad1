#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/multistatecam/CMultiStateCamObject.h"

namespace vex::orb::addon {

/// The descriptor of the multi-state camera.
using CMultiStateCamPlugin = CToolPlugin<CMultiStateCamObject>;

} // namespace vex::orb::addon
