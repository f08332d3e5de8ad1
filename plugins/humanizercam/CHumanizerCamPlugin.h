#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/humanizercam/CHumanizerCamObject.h"

namespace vex::orb::addon {

/// The descriptor of the humanizer camera.
using CHumanizerCamPlugin = CToolPlugin<CHumanizerCamObject>;

} // namespace vex::orb::addon
