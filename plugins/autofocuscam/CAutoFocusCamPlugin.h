#pragma once

#include "plugins/autofocuscam/CAutoFocusCamObject.h"
#include "plugins/catalogue/CToolPlugin.h"

namespace vex::orb::addon {

/// The descriptor of the zoom and focus camera.
using CAutoFocusCamPlugin = CToolPlugin<CAutoFocusCamObject>;

} // namespace vex::orb::addon
