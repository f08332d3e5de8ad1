#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/dirivodarezfree/CDirivodaRezFreeObject.h"

namespace vex::orb::addon {

/// The descriptor of the reduced DirivodaRez.
using CDirivodaRezFreePlugin = CToolPlugin<CDirivodaRezFreeObject>;

} // namespace vex::orb::addon
