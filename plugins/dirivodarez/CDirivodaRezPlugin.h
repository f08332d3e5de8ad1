#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/dirivodarez/CDirivodaRezObject.h"

namespace vex::orb::addon {

/// The descriptor of the DirivodaRez free-flying camera.
using CDirivodaRezPlugin = CToolPlugin<CDirivodaRezObject>;

} // namespace vex::orb::addon
