#pragma once

#include "plugins/catalogue/CPlaceholderObject.h"
#include "plugins/catalogue/CToolPlugin.h"

namespace vex::orb::addon {

/// The descriptor of a compiled-in tool whose simulation is not built yet.
using CPlaceholderPlugin = CToolPlugin<CPlaceholderObject>;

} // namespace vex::orb::addon
