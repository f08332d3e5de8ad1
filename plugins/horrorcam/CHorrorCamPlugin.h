#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/horrorcam/CHorrorCamObject.h"

namespace vex::orb::addon {

/// The descriptor of the auto-zoom (contracting-room) camera.
using CHorrorCamPlugin = CToolPlugin<CHorrorCamObject>;

} // namespace vex::orb::addon
