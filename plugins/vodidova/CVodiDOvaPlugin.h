#pragma once

#include "plugins/catalogue/CToolPlugin.h"
#include "plugins/vodidova/CVodiDOvaObject.h"

namespace vex::orb::addon {

/// The descriptor of the VodiDOva zero-gravity camera.
using CVodiDOvaPlugin = CToolPlugin<CVodiDOvaObject>;

} // namespace vex::orb::addon
